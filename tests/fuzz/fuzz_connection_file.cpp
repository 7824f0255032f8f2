#include "connections/connection_file.h"

#include <cstdlib>

using namespace tarnwick;

// Whatever profile is read must write back to bytes that read as the same profile.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ConnectionProfile profile = parseConnectionProfile(input);
    if (parseConnectionProfile(serializeConnectionProfile(profile)) != profile) {
        std::abort();
    }
    return 0;
}
