#include "sample_formats.h"

namespace tarnwick::mask {

namespace {

constexpr int kResourceBufferSize = 1024;
constexpr int kMostSamples = 16;

} // namespace

QString loadResourceString(int id, int bufferSize) {
    if (id != kSampleFormatsResource || bufferSize <= 0) {
        return {};
    }
    // "?" separates the entries: it cannot stand in a sample, being a keyword.
    const QString text = QStringLiteral(
        "&&&&&&&&&&?99999?99999-9999?99999-9999;;{}?99-9999-9999?999-99-9999?999-999-9999?"
        "9999-99-9999?999-999-9999;;{}?99(9999)9999?999(99)9999?999(999)9999?9999(99)9999?"
        "999(999)9999;;{}?(999)999-9999?(999)999-9999;{}");
    return text.left(bufferSize - 1);
}

QStringList sampleFormats(const QString& resource) {
    QStringList entries;
    QStringView rest(resource);
    while (entries.size() < kMostSamples && !rest.isEmpty()) {
        const qsizetype separator = rest.indexOf(u'?');
        entries.append((separator < 0 ? rest : rest.left(separator)).toString());
        rest = separator < 0 ? QStringView() : rest.mid(separator + 1);
    }
    return entries;
}

QStringList sampleFormats() {
    return sampleFormats(loadResourceString(kSampleFormatsResource, kResourceBufferSize));
}

} // namespace tarnwick::mask
