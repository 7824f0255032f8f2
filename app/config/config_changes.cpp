#include "config_changes.h"

#include "config/config_diff.h"
#include "config/config_fields.h"
#include "config/site_config_codec.h"
#include "shell/app_error.h"

#include <QJsonArray>

#include <algorithm>

namespace tarnwick {
namespace {

// Keys of a settings file's report that describe the file rather than set anything.
const QStringList kReportKeys{QStringLiteral("file"), QStringLiteral("connection"),
                              QStringLiteral("last_modified"), QStringLiteral("last_synchronized"),
                              QStringLiteral("saved_at_ole")};
const QString kConfigurationKey = QStringLiteral("configuration");

struct Change {
    QString path;
    QJsonValue value;
};

class Flattener {
public:
    Flattener(const ConfigFields& fields, const ConfigFields& otherLayout)
        : m_fields(fields), m_otherLayout(otherLayout) {}

    void add(const QJsonValue& value, const QString& path) {
        if (m_fields.find(path)) {
            const auto same = std::find_if(changes.begin(), changes.end(),
                                           [&](const Change& c) { return c.path == path; });
            if (same == changes.end()) {
                changes.push_back({path, value});
            } else if (same->value != value) {
                problems.push_back({path, QStringLiteral("given twice with different values")});
            }
        } else if (!path.isEmpty() && !m_fields.isBranch(path)) {
            problems.push_back({path, unknownReason(path)});
        } else if (value.isObject()) {
            const QJsonObject object = value.toObject();
            for (auto it = object.begin(); it != object.end(); ++it) {
                add(it.value(), join(path, it.key()));
            }
        } else if (value.isArray()) {
            const QJsonArray array = value.toArray();
            for (qsizetype i = 0; i < array.size(); ++i) {
                // null leaves an element alone, so a list can reach its later elements.
                if (!array.at(i).isNull()) {
                    add(array.at(i), path + QStringLiteral("[%1]").arg(i));
                }
            }
        } else {
            problems.push_back({path.isEmpty() ? QStringLiteral("(document)") : path,
                                QStringLiteral("needs an object or a list of fields here")});
        }
    }

    std::vector<Change> changes;
    std::vector<FieldProblem> problems;

private:
    QString unknownReason(const QString& path) const {
        if (m_otherLayout.find(path) || m_otherLayout.isBranch(path)) {
            return QStringLiteral("not a field of this file's firmware layout");
        }
        // Written into a file they would reach the unit without the old master password
        // ever being checked.
        if (path.contains(QLatin1String("password"), Qt::CaseInsensitive)) {
            return QStringLiteral("passwords are no settings-file fields; upload "
                                  "--change-passwords changes them after checking the old one");
        }
        return QStringLiteral("unknown field");
    }

    static QString join(const QString& path, const QString& key) {
        if (path.isEmpty() || key.startsWith(QLatin1Char('['))) {
            return path + key;
        }
        return path + QLatin1Char('.') + key;
    }

    const ConfigFields& m_fields;
    const ConfigFields& m_otherLayout;
};

bool setsDecimals(const QString& path) {
    return path.endsWith(QLatin1String(".decimal_point")) ||
           path.endsWith(QLatin1String(".decimals"));
}

} // namespace

AppliedChanges applyChanges(const ConfigImage& image, std::uint8_t destSL,
                            const QJsonObject& changes, const Vocabulary& vocabulary) {
    AppliedChanges out;
    out.image = image;
    const SiteConfig before = decodeSiteConfig(image, destSL);
    out.config = before;
    const ConfigFields fields(before.usesLayout56(), destSL, vocabulary);
    const ConfigFields otherLayout(!before.usesLayout56(), destSL, vocabulary);

    Flattener flat(fields, otherLayout);
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        const QString key = it.key();
        if (key == kConfigurationKey) {
            flat.add(it.value(), QString());
        } else if (kReportKeys.contains(key)) {
            continue;
        } else if (key.startsWith(kConfigurationKey + QLatin1Char('.'))) {
            flat.add(it.value(), key.mid(kConfigurationKey.size() + 1));
        } else {
            flat.add(it.value(), key);
        }
    }
    out.problems = std::move(flat.problems);
    std::stable_partition(flat.changes.begin(), flat.changes.end(),
                          [](const Change& change) { return setsDecimals(change.path); });

    SiteConfig after = before;
    for (const Change& change : flat.changes) {
        const ConfigField& field = *fields.find(change.path);
        if (field.json(after) == change.value) {
            continue;
        }
        if (const std::optional<QString> bad = field.assign(after, change.value)) {
            out.problems.push_back({change.path, *bad});
        }
    }
    // Reported in the window's order, whatever order the document had.
    std::sort(out.problems.begin(), out.problems.end(),
              [&](const FieldProblem& x, const FieldProblem& y) {
                  const auto rank = [&](const QString& path) {
                      const ConfigField* f = fields.find(path);
                      return f ? f - fields.all().data() : std::ptrdiff_t(fields.all().size());
                  };
                  return rank(x.path) < rank(y.path);
              });
    if (!out.problems.empty()) {
        return out;
    }
    out.changed = diffConfigs(before, after, destSL, vocabulary);
    try {
        out.image = mergeFieldChanges(image, before, after, destSL);
    } catch (const AppError& e) {
        out.problems.push_back({QStringLiteral("(configuration)"), e.description()});
        return out;
    }
    out.config = after;
    return out;
}

TakenFields takeFields(const SiteConfig& into, const SiteConfig& from, const QStringList& paths,
                       std::uint8_t destSL, const Vocabulary& vocabulary) {
    const ConfigFields intoFields(into.usesLayout56(), destSL, vocabulary);
    const ConfigFields fromFields(from.usesLayout56(), destSL, vocabulary);
    QStringList ordered = paths;
    std::stable_partition(ordered.begin(), ordered.end(), setsDecimals);
    TakenFields out{into, {}};
    for (const QString& path : ordered) {
        const ConfigField* target = intoFields.find(path);
        const ConfigField* source = fromFields.find(path);
        if (!target || !source) {
            out.problems.push_back({path, QStringLiteral("not a field of both firmware layouts")});
            continue;
        }
        const QJsonValue value = source->json(from);
        if (target->json(out.config) == value) {
            continue;
        }
        if (const std::optional<QString> bad = target->assign(out.config, value)) {
            out.problems.push_back({path, *bad});
        }
    }
    return out;
}

} // namespace tarnwick
