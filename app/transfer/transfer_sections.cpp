#include "transfer_sections.h"

#include "shell/app_error.h"

#include <array>

namespace tarnwick {

namespace {

// The sections of the configuration image, in block order, without gaps.
const std::array<BlockSection, 11>& sections() {
    static const std::array<BlockSection, 11> table{{
        {0, 5, QStringLiteral("Site options")},
        {6, 25, QStringLiteral("Channel settings")},
        {26, 30, QStringLiteral("Pulse widths")},
        {31, 42, QStringLiteral("Alarm delays")},
        {43, 45, QStringLiteral("Site labels")},
        {46, 118, QStringLiteral("Channel labels")},
        {119, 141, QStringLiteral("Ovin settings")},
        {142, 181, QStringLiteral("Ovin status labels")},
        {182, 221, QStringLiteral("Ovin channel labels")},
        {222, 245, QStringLiteral("Ovin unit labels")},
        {246, 251, QStringLiteral("Ovin site names")},
    }};
    return table;
}

} // namespace

const BlockSection& sectionOfBlock(int block) {
    for (const BlockSection& section : sections()) {
        if (block >= section.first && block <= section.last) {
            return section;
        }
    }
    throw AppError::standard(ErrorNumber::SubscriptOutOfRange,
                             QStringLiteral("block %1").arg(block));
}

} // namespace tarnwick
