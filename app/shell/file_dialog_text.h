#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

// A filter written as "Description (*.ext)|*.ext[|Description|*.a;*.b...]" as Qt's name
// filters ("Description (*.ext)", "Description (*.a *.b)"). The patterns are appended in
// parentheses unless the description already ends with them; a description without a
// pattern matches every file.
QStringList toQtNameFilters(const QString& filter);

// Whether a save dialog may propose `name`: a bare file name, no folder part, no NUL and not
// longer than a file name may be. An empty name is valid (nothing proposed).
bool isValidProposedName(const QString& name);

// `path` with ".suffix" added when its file name has no extension of its own; a name the user
// gave an extension keeps it, and an empty suffix adds nothing.
QString withDefaultSuffix(const QString& path, const QString& suffix);

} // namespace tarnwick
