#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace tarnwick::fenhost {

// Answers every message box the process opens, so that a script never waits for a person:
// each box is reported (caption and text) and closed with its default button as soon as it
// is shown. Installed on the application while it lives.
class MessageBoxAnswerer : public QObject {
public:
    using Report = std::function<void(const QString& caption, const QString& text)>;

    explicit MessageBoxAnswerer(Report report, QObject* parent = nullptr);
    ~MessageBoxAnswerer() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Report m_report;
};

} // namespace tarnwick::fenhost
