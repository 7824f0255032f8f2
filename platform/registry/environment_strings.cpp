#include "environment_strings.h"

#include <QtGlobal>

namespace tarnwick::registry {

QString expandEnvironmentStrings(QStringView text) {
    QString expanded;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0) {
            break;
        }
        expanded += text.mid(pos, open - pos);
        const QByteArray name = text.mid(open + 1, close - open - 1).toLocal8Bit();
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.constData())) {
            expanded += qEnvironmentVariable(name.constData());
            pos = close + 1;
        } else {
            expanded += text.mid(open, close - open);
            pos = close;
        }
    }
    expanded += text.mid(pos);
    return expanded;
}

} // namespace tarnwick::registry
