// Saved data of a control built on the input control frame, loaded as a host loads it: the
// first byte picks the form (even: stream, odd: property-bag text), the rest is the data.
// Whatever loads must save, load and save again to the same bytes; a refused load must leave
// a control that saves like a new one.
#include "com/com_error.h"
#include "com/memory_stream.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "frame/base_library.h"
#include "frame_test_control/frame_test_control.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::frame;

namespace {

const fenbase6::FenBase6Api* g_api = nullptr;

QByteArray savedStream(test::FrameTestControl& control) {
    const auto stream = makeObject<MemoryStream>();
    control.Save(*stream, true);
    return stream->bytes();
}

void loadStream(test::FrameTestControl& control, const QByteArray& bytes) {
    const auto stream = makeObject<MemoryStream>(bytes);
    control.Load(*stream);
}

void loadBag(test::FrameTestControl& control, const QByteArray& text) {
    control.Load(*propertyBagFromText(text));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static BaseLibrary library;
    if (!library.load(QStringLiteral(FENBASE6_DIR))) {
        std::abort();
    }
    g_api = library.api();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray input(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    ComModule module;
    const auto control = makeObject<test::FrameTestControl>(*g_api, &module);
    control->InitNew();
    const QByteArray fresh = savedStream(*control);
    try {
        if (data[0] % 2 == 0) {
            loadStream(*control, input);
        } else {
            loadBag(*control, input);
        }
    } catch (const ComError&) {
        if (savedStream(*control) != fresh) {
            std::abort();
        }
        return 0;
    }
    const QByteArray saved = savedStream(*control);
    const auto again = makeObject<test::FrameTestControl>(*g_api, &module);
    loadStream(*again, saved);
    if (savedStream(*again) != saved) {
        std::abort();
    }
    return 0;
}
