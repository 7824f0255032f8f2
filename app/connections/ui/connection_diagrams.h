#pragma once

#include <QString>

class QLabel;

namespace tarnwick {

// The pictures of the connection types, compiled in as resources.
namespace ConnectionDiagram {
// The computer straight to the unit.
inline const QString Direct = QStringLiteral(":/connection-direct.svg");
// The computer to a parent site, which relays to a child site.
inline const QString ParentSite = QStringLiteral(":/connection-parent.svg");
// The same, with the parent (the unit signed on to) marked.
inline const QString ParentUnit = QStringLiteral(":/connection-parent-unit.svg");
// The same, with the child site (whose settings are transferred) marked.
inline const QString ChildUnit = QStringLiteral(":/connection-child-unit.svg");
} // namespace ConnectionDiagram

// A label showing the picture `resource` at its own size, sharp on high-density screens.
QLabel* makeDiagramLabel(const QString& resource, const QString& objectName);

} // namespace tarnwick
