// Saved data of a control built on the input control frame.
#include "control_load_fuzzer.h"
#include "frame_test_control/frame_test_control.h"

namespace {
const tarnwick::fenbase6::FenBase6Api* g_api = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    g_api = &tarnwick::fuzz::startControlFuzzer(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarnwick::fuzz::fuzzControlLoad<tarnwick::frame::test::FrameTestControl>(*g_api, data, size);
    return 0;
}
