#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarnwick::cli {

// What the unit may hold of an upload that was cancelled or failed, so that no block is left
// changed without a word: `written` are the blocks sent with their commit, in the order first
// sent; `verified` tells whether a block has been read back as written. Nothing when a failure
// came before any write (its own message says enough).
QStringList unfinishedUploadReport(bool cancelled, const std::vector<std::uint8_t>& written,
                                   const std::function<bool(std::uint8_t block)>& verified);

} // namespace tarnwick::cli
