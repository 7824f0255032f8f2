#pragma once

#include "config/config_image.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace tarnwick {

inline constexpr int kLastBlock = static_cast<int>(kBlockCount) - 1;

// ReceivedFlags values: received, or how many re-requests the missing-data pass has sent.
inline constexpr std::int16_t kBlockReceived = -1;
inline constexpr std::int16_t kBlockMissing = 0;
inline constexpr std::int16_t kMaxReRequests = 5;

// What one download or upload knows about itself. The chassis-ID-accepted flag is kept by the
// frame assembler, which needs it to decide whether a chassis ID frame may start.
struct TransferState {
    bool IsDownload = false;
    bool Finished = false; // ended, by success or failure: cancel no longer asks
    bool Aborted = false;  // failed or cancelled: further failures stay silent
    bool Connected = false;
    QString ReceivedSerial;
    QString ReceivedPassword;
    bool TimedOut = false;
    bool StatusSeen = false;
    bool MaintenanceAtStart = false;
    bool CapturingFirmware = false;
    std::int16_t FirmwareVersion = -1; // version times ten, -1 until block 3 is seen

    // Upload options.
    bool ChangePasswords = false;
    bool RestoreCalibration = false;
    QString NewMasterPassword;
    QString NewUserPassword;
    QString OldMasterPassword;
    // Only find out what an upload would write: stop before the first data frame.
    bool DryRun = false;

    std::array<std::int16_t, kBlockCount> ReceivedFlags{};
    std::int16_t BlockCounter = 0; // the next block the sweep requests

    // What an upload writes: the configuration image, then the unit's protected values and
    // the new passwords.
    BlockBuffer UploadImage{};
    // Blocks where UploadImage differs from what the unit holds, ascending.
    std::vector<std::uint8_t> ChangedBlocks;
};

} // namespace tarnwick
