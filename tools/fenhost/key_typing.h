#pragma once

#include <QStringView>

class QWidget;

namespace tarnwick::fenhost {

// Types `keys` into `target` as key presses and releases. Plain characters are typed as they
// are; a key name in braces presses that key: {ENTER} {TAB} {ESC} {BS} {DEL} {INS} {HOME}
// {END} {LEFT} {RIGHT} {UP} {DOWN} {PGUP} {PGDN} {F1}..{F12}; "^", "+" and "%" before a
// character or key name hold Ctrl, Shift and Alt for it ("^{DEL}", "+{TAB}"). "{{}" and "{}}"
// type the braces, "{^}", "{+}" and "{%}" the signs. Answers false for a key name it does
// not know (nothing is typed then).
bool typeKeys(QWidget* target, QStringView keys);

} // namespace tarnwick::fenhost
