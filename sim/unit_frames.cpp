#include "unit_frames.h"

#include "shell/app_error.h"
#include "shell/latin1.h"

namespace tarnwick::sim {

using namespace modProtocol;

namespace {

constexpr std::uint16_t kLargestReading = 10239;
constexpr std::uint8_t kOneDecimalPlace = 1; // status b5 bits 1-0: divide by 10

Frame withChecksum(Frame frame) {
    frame[1] = FrameChecksum(frame);
    return frame;
}

std::uint8_t lead(std::uint8_t base, std::uint8_t site) {
    return static_cast<std::uint8_t>(base + (site & 3));
}

} // namespace

Frame buildUnitDataFrame(std::uint8_t site, std::uint8_t block, const Block& data) {
    Frame frame = BuildDataFrame({site, block, data});
    frame[0] = lead(kIncomingDataLead, site);
    return withChecksum(std::move(frame));
}

Frame buildChassisFrame(std::uint8_t site, const QString& serialNumber, const QString& password,
                        std::uint8_t chainStart, bool flagLastByte) {
    const QString text = serialNumber + password;
    if (text.size() != 10) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("chassis text of %1 characters").arg(text.size()));
    }
    Frame frame(kChassisFrameLength);
    frame[0] = lead(kChassisLead, site);
    frame[2] = chainStart & 0x7F;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const std::uint8_t code = singleByteCode(text[k]);
        if (code >= 0x80) {
            // A chain byte with bit 7 would be taken apart by the receiver's clearing of b12.
            throw AppError::standard(ErrorNumber::InvalidArgument,
                                     QStringLiteral("chassis character code %1").arg(code));
        }
        const auto index = static_cast<std::size_t>(k) + 2;
        frame[index + 1] = frame[index] ^ code;
    }
    if (flagLastByte) {
        frame[12] |= 0x80;
    }
    return withChecksum(std::move(frame));
}

Frame buildStatusFrame(const StatusSample& sample) {
    // Wire bytes carry 7 bits: bit 6 of the high byte is the eighth bit of the low byte.
    const unsigned tenths = sample.tenths > kLargestReading ? kLargestReading : sample.tenths;
    const unsigned low = tenths & 0xFF;
    const auto high = static_cast<std::uint8_t>((tenths >> 8) | ((low & 0x80) != 0 ? 0x40 : 0));

    Frame frame(kStatusFrameLength);
    frame[0] = lead(kStatusLead, sample.site);
    frame[2] = static_cast<std::uint8_t>((sample.maintenance ? 0x10 : 0) | (sample.channel & 0x0F));
    frame[3] = high;
    frame[4] = static_cast<std::uint8_t>(low & 0x7F);
    frame[5] = kOneDecimalPlace;
    frame[6] = 0;
    return withChecksum(std::move(frame));
}

} // namespace tarnwick::sim
