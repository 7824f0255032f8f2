#include "window_geometry.h"

#include "shell/application_title.h"

#include <QSettings>
#include <QWidget>

namespace tarnwick {

namespace {

const QString kWindowsScope = QStringLiteral("windows");

QString geometryKey(const QWidget& window) {
    return window.objectName() + QStringLiteral("/geometry");
}

} // namespace

void restoreWindowGeometry(QWidget& window) {
    const QSettings settings(kApplicationTitle, kWindowsScope);
    const QByteArray geometry = settings.value(geometryKey(window)).toByteArray();
    if (!geometry.isEmpty())
        window.restoreGeometry(geometry);
}

void saveWindowGeometry(const QWidget& window) {
    QSettings settings(kApplicationTitle, kWindowsScope);
    settings.setValue(geometryKey(window), window.saveGeometry());
}

} // namespace tarnwick
