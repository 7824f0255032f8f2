#pragma once

#include "config/config_image.h"
#include "transfer/mod_protocol.h"

#include <QString>
#include <cstdint>

// The frames a unit sends, with the checksum in place.
namespace tarnwick::sim {

// Incoming-type data frame (lead 0xF4 + site) carrying one block.
modProtocol::Frame buildUnitDataFrame(std::uint8_t site, std::uint8_t block, const Block& data);

// Chassis ID frame: the 10 characters of serial number and password (7-bit codes) as an XOR
// chain starting at `chainStart` (its bit 7 is dropped so that no chain byte has bit 7).
// `flagLastByte` sets bit 7 of b12, which receivers clear before decoding.
modProtocol::Frame buildChassisFrame(std::uint8_t site, const QString& serialNumber,
                                     const QString& password, std::uint8_t chainStart,
                                     bool flagLastByte);

// What a status frame reports: one channel's reading in tenths, and the maintenance flag.
struct StatusSample {
    std::uint8_t site = 0;
    bool maintenance = false;
    std::uint8_t channel = 0; // 0 to 15
    std::uint16_t tenths = 0; // 0 to 10239
};
modProtocol::Frame buildStatusFrame(const StatusSample& sample);

} // namespace tarnwick::sim
