#include "registry/hive_builder.h"
#include "registry/reg_text_parser.h"
#include "registry/reg_text_writer.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwick::registry;

namespace {

Hive readHive(const QByteArray& text) {
    return buildHive(parseRegText(text, QStringLiteral("fuzz.reg"), HKEY_LOCAL_MACHINE));
}

QByteArray writeHive(const Hive& hive) {
    return writeRegText(hive.root, QStringLiteral("HKEY_LOCAL_MACHINE"), hive.leadingLines);
}

} // namespace

// Whatever a hive file holds, a save writes text that reads back as the same hive (unreadable
// lines included) and saves again unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Hive hive = readHive(input);
    const QByteArray saved = writeHive(hive);
    const Hive reread = readHive(saved);
    if (!(reread == hive) || writeHive(reread) != saved) {
        std::abort();
    }
    // Files meant for import, with any root, must parse as well.
    parseRegText(input, QStringLiteral("import.reg"));
    return 0;
}
