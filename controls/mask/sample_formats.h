#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick::mask {

// The library's string resources by number: at most `bufferSize` - 1 characters of the
// string, or an empty one for a number it does not hold.
inline constexpr int kSampleFormatsResource = 119;
QString loadResourceString(int id, int bufferSize);

// The sample formats of the Format page from their resource string: the entries between
// "?" separators, at most 16, up to the first empty remainder.
QStringList sampleFormats(const QString& resource);

// The sample list the Format page offers.
QStringList sampleFormats();

} // namespace tarnwick::mask
