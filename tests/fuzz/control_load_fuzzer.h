// The fuzz harness shared by the input controls: saved data loaded as a host loads it. The
// first byte picks the form (even: stream, odd: property-bag text), the rest is the data.
// Whatever loads must save, load and save again to the same bytes; a refused load must leave
// a control that saves like a new one.
#pragma once

#include "com/com_error.h"
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "frame/base_library.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

// Loading tries settings on a hidden engine, which loads fonts; fontconfig keeps its caches
// until the process ends, which the leak checker would otherwise report at exit.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace tarnwick::fuzz {

// Starts Qt offscreen and loads the base library from the build tree.
inline const fenbase6::FenBase6Api& startControlFuzzer(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static frame::BaseLibrary library;
    if (!library.load(QStringLiteral(FENBASE6_DIR))) {
        std::abort();
    }
    return *library.api();
}

template <typename Control>
QByteArray savedStream(Control& control) {
    const auto stream = com::makeObject<com::MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

template <typename Control>
void fuzzControlLoad(const fenbase6::FenBase6Api& api, const std::uint8_t* data,
                     std::size_t size) {
    if (size == 0) {
        return;
    }
    const QByteArray input(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    com::ComModule module;
    const auto control = com::makeObject<Control>(api, &module);
    control->InitNew();
    const QByteArray fresh = savedStream(*control);
    try {
        if (data[0] % 2 == 0) {
            control->Load(*com::makeObject<com::MemoryStream>(input));
        } else {
            control->Load(*com::propertyBagFromText(input));
        }
    } catch (const com::ComError&) {
        if (savedStream(*control) != fresh) {
            std::abort();
        }
        return;
    }
    const QByteArray saved = savedStream(*control);
    const auto again = com::makeObject<Control>(api, &module);
    again->Load(*com::makeObject<com::MemoryStream>(saved));
    if (savedStream(*again) != saved) {
        std::abort();
    }
}

} // namespace tarnwick::fuzz
