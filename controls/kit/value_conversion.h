#pragma once

#include "com/variant.h"

#include <QVariant>

namespace tarnwick::kit {

// Between the kit's QVariant values and the runtime's: bool, int (Integer when it fits in
// 16 bits, else Long), double, QString, QByteArray and empty; any other type goes as its
// text. Objects come back as an invalid QVariant (they are reached by dotted names).
com::Variant toVariant(const QVariant& value);
QVariant toQVariant(const com::Variant& value);

} // namespace tarnwick::kit
