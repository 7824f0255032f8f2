#pragma once

#include "config/site_config.h"
#include "config/vocabulary.h"

#include <QHash>
#include <QJsonValue>
#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tarnwick {

// One decoded field of the configuration under a stable path, named as in the JSON of the
// decoded configuration ("site_label", "channels[3].high_limit", "phone_numbers[0]",
// "ovin[1].channel_labels[5][2]"), with where the main window shows it.
struct ConfigField {
    QString path;
    QString tab;     // the main window's tab
    QString caption; // the field as the window captions it
    // False for what the JSON repeats under a second name (a channel's "decimals") or echoes
    // for people (a channel's number, a site's name, the layout): accepted, never listed.
    bool listed = true;
    // Free text (labels, phone numbers, words), shown in quotes.
    bool quoted = false;
    // The value as the window shows it: words as words, limits with their decimal point.
    std::function<QString(const SiteConfig&)> text;
    // The value as the JSON of the decoded configuration has it.
    std::function<QJsonValue(const SiteConfig&)> json;
    // Sets the field after checking the value with the window's editing rules; the reason
    // when the value is refused, in which case nothing changed.
    std::function<std::optional<QString>(SiteConfig&, const QJsonValue&)> assign;
};

// Every field of a configuration of one layout, in the order the window shows them.
class ConfigFields {
public:
    ConfigFields(bool layout56, std::uint8_t destSL, const Vocabulary& vocabulary);

    const std::vector<ConfigField>& all() const { return m_fields; }
    // Nothing for a path this layout does not have.
    const ConfigField* find(const QString& path) const;
    // Whether `path` leads to fields further down ("channels[3]", "ovin[1].site_label").
    bool isBranch(const QString& path) const { return m_branches.contains(path); }

private:
    std::shared_ptr<const Vocabulary> m_vocabulary;
    std::vector<ConfigField> m_fields;
    QHash<QString, std::size_t> m_index;
    QSet<QString> m_branches;
};

} // namespace tarnwick
