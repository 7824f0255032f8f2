#pragma once

#include "com/variant.h"

#include <QString>
#include <QStringView>
#include <vector>

// Values as fenhost's scripts and property browser write them:
//   12  -3         Integer (16-bit) when it fits, else Long (32-bit)
//   &H80000005     Long, from up to 8 hex digits (colours)
//   1.5  1e3       Double
//   True  False    Boolean
//   "text"         String ("" inside stands for one quote); any other word is text as well
//   Null  Empty  Nothing (no object)
namespace tarnwick::fenhost {

com::Variant parseValue(QStringView text);
// Values separated by commas outside quotes.
std::vector<com::Variant> parseArguments(QStringView text);
// A value as fenhost prints it: numbers, True/False, strings in quotes, Null, Empty,
// Nothing, an object by its interface (<IFontDisp>), bytes in hex (Bytes(01 ff)).
QString formatValue(const com::Variant& value);

} // namespace tarnwick::fenhost
