// A component library stand-in for regtool's tests: each registration function appends its
// name to the file named by REGTOOL_TEST_LOG and answers the number in REGTOOL_TEST_RESULT
// (0, success, when unset).
#include <cstdio>
#include <cstdlib>

namespace {

long record(const char* call) {
    if (const char* log = std::getenv("REGTOOL_TEST_LOG")) {
        if (std::FILE* file = std::fopen(log, "a")) {
            std::fprintf(file, "%s\n", call);
            std::fclose(file);
        }
    }
    const char* result = std::getenv("REGTOOL_TEST_RESULT");
    return result != nullptr ? std::strtol(result, nullptr, 0) : 0;
}

} // namespace

extern "C" long DllRegisterServer() {
    return record("DllRegisterServer");
}
extern "C" long DllUnregisterServer() {
    return record("DllUnregisterServer");
}
