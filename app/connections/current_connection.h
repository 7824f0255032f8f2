#pragma once

#include <QString>

#include <cstdint>

namespace tarnwick {

// The connection in use: which device and number lead to the unit, which unit was signed
// on to with which password, and whose configuration the image holds.
struct CurrentConnection {
    QString Password;
    QString SN;
    QString Port;
    QString Addr;
    std::uint8_t SL = 0;     // site letter index of the unit signed on to
    std::uint8_t DestSL = 0; // site letter index of the unit whose settings are transferred

    bool operator==(const CurrentConnection&) const = default;
};

} // namespace tarnwick
