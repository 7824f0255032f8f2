#pragma once

#include "config/config_diff.h"
#include "config/config_image.h"
#include "config/site_config.h"
#include "config/vocabulary.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace tarnwick {

// A field of a changes document that cannot be applied, and why.
struct FieldProblem {
    QString path;
    QString reason;

    // "path: reason"
    QString line() const { return path + QStringLiteral(": ") + reason; }
};

struct AppliedChanges {
    ConfigImage image{};
    SiteConfig config;
    std::vector<FieldDifference> changed; // the fields whose value changed, in the window's order
    std::vector<FieldProblem> problems; // when not empty, `image` is the input unchanged
};

// Sets the fields named in `changes`, a partial document shaped like the JSON of the decoded
// configuration: nested objects and lists ("channels": [null, {"high_limit": 12.5}]), keys
// that are paths ("channels[1].high_limit"), or both. A whole report of a settings file is
// taken too: its "configuration" is used and its file, connection and date keys are skipped.
// Every changed value is checked with the window's editing rules; a value equal to the one
// the image already holds is kept as it is. Decimal points are set before limits, so a limit
// is read in its channel's new decimals. Unknown paths and bad values are all reported and
// then nothing is changed. Bytes of fields that keep their value do not change, so applying
// an image's own report gives the same image back.
AppliedChanges applyChanges(const ConfigImage& image, std::uint8_t destSL,
                            const QJsonObject& changes, const Vocabulary& vocabulary);

struct TakenFields {
    SiteConfig config;
    std::vector<FieldProblem> problems; // values the editing rules refuse; those stay as they were
};

// `into` with the values that `from` has under `paths`, each checked as a change is (a
// channel's decimal point first, so its limits are read with it).
TakenFields takeFields(const SiteConfig& into, const SiteConfig& from, const QStringList& paths,
                       std::uint8_t destSL, const Vocabulary& vocabulary);

} // namespace tarnwick
