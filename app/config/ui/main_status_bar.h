#pragma once

#include <QStatusBar>

class QLabel;

namespace tarnwick {

// barStatus: five panes on the right (site letter, firmware, the two dates, status), the
// commands' descriptions on the left.
class MainStatusBar final : public QStatusBar {
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setSiteLetter(const QString& text);
    void setFirmware(const QString& text);
    void setLastModified(const QString& text);
    void setLastSynchronized(const QString& text);
    void setStatus(const QString& text);

private:
    QLabel* addPane(const char* name, const char* designCaption);

    QLabel* m_siteLetter = nullptr;
    QLabel* m_firmware = nullptr;
    QLabel* m_lastModified = nullptr;
    QLabel* m_lastSynchronized = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace tarnwick
