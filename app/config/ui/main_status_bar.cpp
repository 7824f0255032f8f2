#include "main_status_bar.h"

#include <QLabel>

namespace tarnwick {

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("barStatus"));
    m_siteLetter = addPane("lblSL", "Site Letter:");
    m_firmware = addPane("lblVer", "Firmware Ver:");
    m_lastModified = addPane("lblFileDate", "Last Modified:");
    m_lastSynchronized = addPane("lblSyncDate", "&Last Synchronized:");
    m_status = addPane("lblStatus", "Ready");
}

QLabel* MainStatusBar::addPane(const char* name, const char* designCaption) {
    auto* pane = new QLabel(QLatin1String(designCaption), this);
    pane->setObjectName(QLatin1String(name));
    pane->setTextFormat(Qt::PlainText);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setContentsMargins(4, 0, 4, 0);
    addPermanentWidget(pane);
    return pane;
}

void MainStatusBar::setSiteLetter(const QString& text) {
    m_siteLetter->setText(text);
}

void MainStatusBar::setFirmware(const QString& text) {
    m_firmware->setText(text);
}

void MainStatusBar::setLastModified(const QString& text) {
    m_lastModified->setText(text);
}

void MainStatusBar::setLastSynchronized(const QString& text) {
    m_lastSynchronized->setText(text);
}

void MainStatusBar::setStatus(const QString& text) {
    m_status->setText(text);
}

} // namespace tarnwick
