// Feeds arbitrary bytes to a simulated unit with a child behind it, in chunks spread over
// virtual time, and lets it answer: no input may crash it or trip the sanitizers.

#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarnwick::sim;
    using namespace std::chrono_literals;
    if (size == 0) {
        return 0;
    }
    VirtualScheduler clock;
    UnitSetup setup;
    setup.statusInterval = 300ms;
    setup.restartSilence = 200ms;
    // The first byte chooses a few faults so that their paths are fed too.
    setup.faults.garbageBytes = data[0] & 3u;
    setup.faults.silent = (data[0] & 4u) != 0;
    setup.faults.wrongReadBacks = {{static_cast<std::uint8_t>(data[0] % 252), 2}};
    setup.faults.ignoredCommits = {{static_cast<std::uint8_t>(data[0] % 252), 1}};
    setup.faults.carrierLostAfterContact = std::chrono::milliseconds{data[0] * 20};
    StavikUnit unit(clock, setup);
    UnitSetup childSetup;
    childSetup.site = 1;
    unit.addChild(childSetup);
    std::size_t sent = 0;
    unit.setTransmitter(
        [&sent](const tarnwick::modProtocol::Frame& bytes) { sent += bytes.size(); });

    // Chunks of up to 16 bytes, 30 ms apart.
    const std::span<const std::uint8_t> input(data + 1, size - 1);
    for (std::size_t start = 0; start < input.size(); start += 16) {
        unit.receive(input.subspan(start, std::min<std::size_t>(16, input.size() - start)));
        clock.advance(30ms);
    }
    clock.advance(3s);
    return 0;
}
