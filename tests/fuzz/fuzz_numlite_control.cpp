// Saved data of the numeric control: its three numbers come back from a payload and a type
// tag each.
#include "control_load_fuzzer.h"
#include "numlite/fen_num_lite.h"

namespace {
const tarnwick::fenbase6::FenBase6Api* g_api = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    g_api = &tarnwick::fuzz::startControlFuzzer(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarnwick::fuzz::fuzzControlLoad<tarnwick::numlite::FenNumLite>(*g_api, data, size);
    return 0;
}
