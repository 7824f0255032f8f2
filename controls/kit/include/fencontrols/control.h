#pragma once

#include "fencontrols/error.h"
#include "fencontrols/export.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QWidget>
#include <memory>

namespace fencontrols {

// The two ways a control keeps its settings: the compact binary stream, and the property
// bag, a readable text of named values.
enum class PersistForm { Stream, PropertyBag };

// One input control as a widget. The control is created by its ProgID ("Holm.Mask6",
// "Holm.NumLite6") from the registered control libraries and fills this widget, so it takes
// part in layouts like any other. Every failure is thrown as fencontrols::Error.
//
// Values cross as QVariant: bool, int, double, QString and QByteArray; an invalid QVariant is
// "empty". A member reached through an object the control holds is named with dots
// ("Spin.Visible").
class FENCONTROLS_EXPORT Control : public QWidget {
    Q_OBJECT

public:
    // Creates the control; error 429 when no library provides `progId` or it does not load.
    explicit Control(const QString& progId, QWidget* parent = nullptr);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QString progId() const;

    QVariant get(const QString& property) const;
    void set(const QString& property, const QVariant& value);
    // Calls a method and answers its result (invalid when it has none).
    QVariant call(const QString& method, const QVariantList& args = {});

    QByteArray save(PersistForm form) const;
    // Loads what save() gave; on a failure the control keeps its settings.
    void load(PersistForm form, const QByteArray& bytes);

    // The control's own window. Its part that takes the keyboard is this widget's focus proxy.
    QWidget* controlWindow() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Every event the control raises, with its arguments in order ("Change", {}),
    // ("KeyDown", {65, 0}).
    void controlEvent(const QString& name, const QVariantList& args);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace fencontrols
