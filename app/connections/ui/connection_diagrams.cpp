#include "connection_diagrams.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace tarnwick {

QLabel* makeDiagramLabel(const QString& resource, const QString& objectName) {
    auto* label = new QLabel;
    label->setObjectName(objectName);
    QSvgRenderer renderer(resource);
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap(renderer.defaultSize() * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace tarnwick
