#pragma once

#include <QString>
#include <QStringView>

namespace tarnwick::registry {

// Replaces every %NAME% whose NAME is set in the process environment by its value. Unknown
// names stay as written, percent signs included, and a closing percent sign that ended an
// unknown name may open the next one ("%NOPE%HOME%" keeps "%NOPE" and expands %HOME%).
QString expandEnvironmentStrings(QStringView text);

} // namespace tarnwick::registry
