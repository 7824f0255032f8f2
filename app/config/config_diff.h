#pragma once

#include "config/config_image.h"
#include "config/site_config.h"
#include "config/vocabulary.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace tarnwick {

// One decoded field that differs, named by its path and by where the window shows it.
struct FieldDifference {
    QString path;
    QString tab;
    QString caption;
    QString aText; // as the window shows it; empty and `aPresent` false when A's layout lacks it
    QString bText;
    bool quoted = false; // free text: shown in quotes
    bool aPresent = true;
    bool bPresent = true;

    // "path: A -> B"
    QString line() const;
};

// A byte that differs where no field accounts for the difference.
struct ByteDifference {
    std::size_t offset = 0;
    std::uint8_t a = 0;
    std::uint8_t b = 0;

    std::size_t block() const { return offset / kBlockSize; }
    // A byte of the master or user password: listed, never shown.
    bool secret() const;
    std::size_t byte() const { return offset % kBlockSize; }
    // "block[120][0]"
    QString path() const;
    // "block[0][5]: 0x00 -> 0x7e"; a password byte as "block[120][0]: **** -> **** (password)"
    QString line() const;
};

struct ConfigDifferences {
    std::vector<FieldDifference> fields;
    std::vector<ByteDifference> bytes;

    bool empty() const { return fields.empty() && bytes.empty(); }
};

// A side of a comparison: an image whose site entries are counted from `destSL`.
struct ComparedImage {
    ConfigImage image{};
    std::uint8_t destSL = 0;
};

// Every decoded field of `b` that the window would show differently from `a`, in the order
// the window shows them, then the bytes that differ with no field to account for them.
// Captions are `a`'s. Throws AppError when either image cannot be decoded (a limit above
// 32767).
ConfigDifferences diffImages(const ComparedImage& a, const ComparedImage& b,
                             const Vocabulary& vocabulary);

// The same for two decoded configurations; no bytes.
std::vector<FieldDifference> diffConfigs(const SiteConfig& a, const SiteConfig& b,
                                         std::uint8_t destSL, const Vocabulary& vocabulary);

// `image` (decoded as `before`) with the fields that differ in `after` written into it: every
// byte that storing `after` instead of `before` would change takes its new value, and all
// others stay as they are, so fields that did not change keep their exact bytes. Throws
// AppError as encodeSiteConfig does.
ConfigImage mergeFieldChanges(const ConfigImage& image, const SiteConfig& before,
                              const SiteConfig& after, std::uint8_t destSL);

} // namespace tarnwick
