// Feeds arbitrary bytes in arbitrary chunks to a frame assembler whose handlers parse and
// check every frame it completes.
#include "config/config_image.h"
#include "transfer/frame_assembler.h"

#include <cmath>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

using namespace tarnwick;
using namespace tarnwick::modProtocol;

namespace {

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto destination = input.ConsumeIntegralInRange<std::uint8_t>(0, 3);
    const bool acceptChassis = input.ConsumeBool();
    BlockBuffer blocks{};

    FrameAssembler* self = nullptr;
    FrameAssembler assembler(
        destination,
        {[destination](const StatusReport& report) {
             require(report.Site == destination);
             require(report.Index >= 1 && report.Index <= 16);
             require(std::isfinite(report.Value) && std::fabs(report.Value) <= 10239.0F);
         },
         [&self, acceptChassis](const ChassisId& chassis) {
             require(!self->chassisAccepted());
             require(chassis.SerialNumber.size() == 6 && chassis.Password.size() == 4);
             self->setChassisAccepted(acceptChassis);
         },
         [&blocks](const DataBlock& block) {
             require(block.Block < kBlockCount);
             blocks[block.Block] = block.Data;
             require(ParseDataFrame(BuildDataFrame(block)) == block);
             const Frame read = BuildReadRequest({block.Site, block.Site, block.Block});
             require(read[1] == FrameChecksum(read) && UnrotateBlock(read[4]) == block.Block);
         }});
    self = &assembler;

    while (input.remaining_bytes() > 0) {
        const auto length = input.ConsumeIntegralInRange<std::size_t>(0, 40);
        const std::vector<std::uint8_t> chunk = input.ConsumeBytes<std::uint8_t>(length);
        assembler.feed(chunk);
    }
    return 0;
}
