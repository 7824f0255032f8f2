#include "config_diff.h"

#include "config/config_fields.h"
#include "config/site_config_codec.h"
#include "config/site_config_layout.h"

namespace tarnwick {
namespace {

QString shown(const QString& text, bool quoted, bool present) {
    if (!present) {
        return QStringLiteral("(not in this layout)");
    }
    return quoted ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

QString hexByte(std::uint8_t value) {
    return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0'));
}

} // namespace

QString FieldDifference::line() const {
    return QStringLiteral("%1: %2 -> %3")
        .arg(path, shown(aText, quoted, aPresent), shown(bText, quoted, bPresent));
}

QString ByteDifference::path() const {
    return QStringLiteral("block[%1][%2]").arg(block()).arg(byte());
}

bool ByteDifference::secret() const {
    // The master password at 960-963, the user password at 966-969.
    return (offset >= 960 && offset <= 963) || (offset >= 966 && offset <= 969);
}

QString ByteDifference::line() const {
    if (secret()) {
        return path() + QStringLiteral(": **** -> **** (password)");
    }
    return QStringLiteral("%1: %2 -> %3").arg(path(), hexByte(a), hexByte(b));
}

std::vector<FieldDifference> diffConfigs(const SiteConfig& a, const SiteConfig& b,
                                         std::uint8_t destSL, const Vocabulary& vocabulary) {
    const ConfigFields fieldsA(a.usesLayout56(), destSL, vocabulary);
    const ConfigFields fieldsB(b.usesLayout56(), destSL, vocabulary);
    std::vector<FieldDifference> out;
    for (const ConfigField& fa : fieldsA.all()) {
        if (!fa.listed) {
            continue;
        }
        const ConfigField* fb = fieldsB.find(fa.path);
        const QString aText = fa.text(a);
        const QString bText = fb ? fb->text(b) : QString();
        if (fb && aText == bText) {
            continue;
        }
        out.push_back({fa.path, fa.tab, fa.caption, aText, bText, fa.quoted, true, fb != nullptr});
    }
    // Fields of B's layout that A's does not have.
    for (const ConfigField& fb : fieldsB.all()) {
        if (fb.listed && !fieldsA.find(fb.path)) {
            out.push_back({fb.path, fb.tab, fb.caption, QString(), fb.text(b), fb.quoted, false, true});
        }
    }
    return out;
}

ConfigDifferences diffImages(const ComparedImage& a, const ComparedImage& b,
                             const Vocabulary& vocabulary) {
    const SiteConfig configA = decodeSiteConfig(a.image, a.destSL);
    const SiteConfig configB = decodeSiteConfig(b.image, b.destSL);
    ConfigDifferences out;
    out.fields = diffConfigs(configA, configB, a.destSL, vocabulary);

    // What is left once B's fields are written over A is what no field decodes.
    const ConfigImage merged = mergeFieldChanges(a.image, configA, configB, a.destSL);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (merged[i] != b.image[i] && a.image[i] != b.image[i]) {
            out.bytes.push_back({i, a.image[i], b.image[i]});
        }
    }
    return out;
}

ConfigImage mergeFieldChanges(const ConfigImage& image, const SiteConfig& before,
                              const SiteConfig& after, std::uint8_t destSL) {
    ConfigImage stored = image;
    encodeSiteConfig(before, destSL, stored);
    ConfigImage changed = image;
    encodeSiteConfig(after, destSL, changed);
    // The firmware byte is no field the window stores, but a comparison names it.
    changed[layout::kFirmware] = after.firmware;
    stored[layout::kFirmware] = before.firmware;
    ConfigImage out = image;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (stored[i] != changed[i]) {
            out[i] = changed[i];
        }
    }
    return out;
}

} // namespace tarnwick
