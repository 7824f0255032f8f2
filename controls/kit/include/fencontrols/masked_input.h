#pragma once

#include "fencontrols/control.h"

namespace fencontrols {

// The masked input control (Holm.Mask6) with its main properties as Qt properties, for forms
// made in Qt Designer. A value the control refuses is reported through qWarning and leaves
// the old one; set() throws it instead.
class FENCONTROLS_EXPORT MaskedInput : public Control {
    Q_OBJECT
    Q_PROPERTY(QString Format READ format WRITE setFormat)
    Q_PROPERTY(QString PromptChar READ promptChar WRITE setPromptChar)
    Q_PROPERTY(bool AllowSpace READ allowSpace WRITE setAllowSpace)
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit MaskedInput(QWidget* parent = nullptr);

    QString format() const;
    void setFormat(const QString& format);
    QString promptChar() const;
    void setPromptChar(const QString& promptChar);
    bool allowSpace() const;
    void setAllowSpace(bool allow);
    // The text as shown, literals included.
    QString text() const;
    void setText(const QString& text);
    // The characters typed, without the literals.
    QString value() const;
};

} // namespace fencontrols
