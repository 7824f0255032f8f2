#include "upload_report.h"

namespace tarnwick::cli {

namespace {

QString blockList(const std::vector<std::uint8_t>& blocks) {
    QStringList numbers;
    for (const std::uint8_t block : blocks) {
        numbers << QString::number(block);
    }
    return numbers.join(QStringLiteral(", "));
}

} // namespace

QStringList unfinishedUploadReport(bool cancelled, const std::vector<std::uint8_t>& written,
                                   const std::function<bool(std::uint8_t block)>& verified) {
    if (written.empty()) {
        return cancelled ? QStringList{QStringLiteral("Cancelled before anything was written.")}
                         : QStringList{};
    }
    std::vector<std::uint8_t> checked;
    std::vector<std::uint8_t> unchecked;
    for (const std::uint8_t block : written) {
        (verified(block) ? checked : unchecked).push_back(block);
    }
    const QString head = cancelled ? QStringLiteral("Cancelled. Blocks written before the cancel")
                                   : QStringLiteral("Blocks written before the failure");
    if (unchecked.empty()) {
        return {head + QStringLiteral(" (all verified): ") + blockList(checked)};
    }
    QStringList lines{head + QStringLiteral(" (not verified): ") + blockList(unchecked)};
    if (!checked.empty()) {
        lines << QStringLiteral("Blocks written and verified: ") + blockList(checked);
    }
    return lines;
}

} // namespace tarnwick::cli
