#include "inventory.h"

#include "connections/connection_file.h"
#include "connections/site_letters.h"
#include "shell/app_error.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace tarnwick::backup {

namespace {

const QStringList kKeys{QStringLiteral("name"), QStringLiteral("port"),
                        QStringLiteral("addr"), QStringLiteral("sn"),
                        QStringLiteral("site"), QStringLiteral("dest"),
                        QStringLiteral("password"), QStringLiteral("connection_file")};

// A name becomes a folder and part of file names: nothing that climbs out of the backup
// folder or needs quoting.
bool safeName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]{0,63}$"));
    return pattern.match(name).hasMatch();
}

std::optional<std::uint8_t> siteIndex(const QString& letter) {
    const std::uint8_t index = SiteLetterToIndex(letter);
    if (IndexToSiteLetter(index) != letter) {
        return std::nullopt;
    }
    return index;
}

class EntryReader {
public:
    EntryReader(const QJsonObject& object, const QString& label, QStringList& problems)
        : m_object(object), m_label(label), m_problems(problems) {}

    void problem(const QString& text) {
        m_problems << QStringLiteral("%1: %2").arg(m_label, text);
        m_bad = true;
    }
    bool bad() const { return m_bad; }

    // The text under `key`, nothing when absent; anything but a string is a problem.
    std::optional<QString> text(const QString& key) {
        if (!m_object.contains(key)) {
            return std::nullopt;
        }
        const QJsonValue value = m_object.value(key);
        if (!value.isString()) {
            problem(QStringLiteral("\"%1\" must be a string").arg(key));
            return std::nullopt;
        }
        return value.toString();
    }

    std::optional<std::uint8_t> site(const QString& key) {
        const auto letter = text(key);
        if (!letter) {
            return std::nullopt;
        }
        const auto index = siteIndex(*letter);
        if (!index) {
            problem(QStringLiteral("\"%1\" must be a site letter A to D, not \"%2\"")
                        .arg(key, *letter));
        }
        return index;
    }

private:
    const QJsonObject& m_object;
    QString m_label;
    QStringList& m_problems;
    bool m_bad = false;
};

std::optional<InventoryEntry> readEntry(const QJsonObject& object, const QString& label,
                                        const QString& baseDir,
                                        const ConnectionFileReader& readConnectionFile,
                                        QStringList& problems) {
    EntryReader reader(object, label, problems);
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!kKeys.contains(it.key())) {
            reader.problem(QStringLiteral("unknown key \"%1\" (known: %2)")
                               .arg(it.key(), kKeys.join(QStringLiteral(", "))));
        }
    }
    InventoryEntry entry;
    entry.name = reader.text(QStringLiteral("name")).value_or(QString());
    const auto password = reader.text(QStringLiteral("password"));
    const auto file = reader.text(QStringLiteral("connection_file"));
    std::optional<ConnectionProfile> profile;
    if (password && file) {
        reader.problem(QStringLiteral("give \"password\" or \"connection_file\", not both"));
    } else if (!password && !file) {
        reader.problem(QStringLiteral("needs \"password\" or \"connection_file\""));
    } else if (file) {
        const QString path = QDir(baseDir).absoluteFilePath(*file);
        try {
            profile = readConnectionFile(path);
            if (profile->Password.isEmpty() || profile->Password == kPasswordNotSaved) {
                reader.problem(QStringLiteral("%1 holds no saved password").arg(*file));
            }
        } catch (const AppError& e) {
            reader.problem(QStringLiteral("cannot read %1: %2").arg(*file, e.description()));
            profile.reset();
        }
    }
    CurrentConnection& c = entry.connection;
    c.Password = password ? *password : (profile ? profile->Password : QString());
    if (password && password->isEmpty()) {
        reader.problem(QStringLiteral("\"password\" is empty"));
    }
    // A connection file supplies what the entry leaves out.
    c.Port = reader.text(QStringLiteral("port")).value_or(profile ? profile->Port : QString());
    c.Addr = reader.text(QStringLiteral("addr")).value_or(profile ? profile->Addr : QString());
    c.SN = reader.text(QStringLiteral("sn")).value_or(profile ? profile->SN : QString());
    const auto site = reader.site(QStringLiteral("site"));
    const bool siteKnown = site || (profile && !IndexToSiteLetter(profile->SL).isEmpty());
    c.SL = site ? *site : (profile ? profile->SL : 0);
    c.DestSL = reader.site(QStringLiteral("dest")).value_or(c.SL);

    if (entry.name.isEmpty()) {
        reader.problem(QStringLiteral("needs a \"name\""));
    } else if (!safeName(entry.name)) {
        reader.problem(QStringLiteral("name \"%1\" may hold only letters, digits, '.', '_' and "
                                      "'-', starting with a letter or digit")
                           .arg(entry.name));
    }
    if (c.Port.isEmpty()) {
        reader.problem(QStringLiteral("needs a \"port\""));
    }
    if (c.SN.isEmpty()) {
        reader.problem(QStringLiteral("needs a serial number \"sn\""));
    }
    if (!siteKnown && !object.contains(QStringLiteral("site"))) {
        reader.problem(QStringLiteral("needs a \"site\" letter"));
    }
    if (reader.bad()) {
        return std::nullopt;
    }
    return entry;
}

} // namespace

Inventory parseInventory(const QByteArray& json, const QString& baseDir,
                         const ConnectionFileReader& readConnectionFile) {
    Inventory inventory;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull()) {
        inventory.problems << QStringLiteral("not JSON: %1 at offset %2")
                                  .arg(error.errorString())
                                  .arg(error.offset);
        return inventory;
    }
    const QJsonObject root = document.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (it.key() != QLatin1String("units")) {
            inventory.problems << QStringLiteral("unknown key \"%1\" at the top (known: units)")
                                      .arg(it.key());
        }
    }
    if (!document.isObject() || !root.value(QStringLiteral("units")).isArray()) {
        inventory.problems << QStringLiteral("expected {\"units\": [ ... ]}");
        return inventory;
    }
    const QJsonArray units = root.value(QStringLiteral("units")).toArray();
    if (units.isEmpty()) {
        inventory.problems << QStringLiteral("the inventory names no units");
    }
    QSet<QString> names;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const QJsonObject object = units.at(i).toObject();
        inventory.holdsPasswords |= object.contains(QStringLiteral("password"));
        const QString name = object.value(QStringLiteral("name")).toString();
        const QString label = name.isEmpty()
                                  ? QStringLiteral("unit %1").arg(i + 1)
                                  : QStringLiteral("unit %1 \"%2\"").arg(i + 1).arg(name);
        if (!units.at(i).isObject()) {
            inventory.problems << label + QStringLiteral(": must be an object");
            continue;
        }
        auto entry = readEntry(object, label, baseDir, readConnectionFile, inventory.problems);
        if (!name.isEmpty() && names.contains(name)) {
            inventory.problems << label + QStringLiteral(": the name is used twice");
            continue;
        }
        names.insert(name);
        if (entry) {
            inventory.entries.push_back(std::move(*entry));
        }
    }
    if (!inventory.problems.isEmpty()) {
        inventory.entries.clear();
    }
    return inventory;
}

Inventory selectUnits(const Inventory& inventory, const QStringList& names) {
    Inventory chosen;
    chosen.holdsPasswords = inventory.holdsPasswords;
    for (const QString& name : names) {
        const bool known = std::any_of(inventory.entries.begin(), inventory.entries.end(),
                                       [&name](const InventoryEntry& e) { return e.name == name; });
        if (!known) {
            chosen.problems << QStringLiteral("--only: no unit named \"%1\"").arg(name);
        }
    }
    for (const InventoryEntry& entry : inventory.entries) {
        if (names.contains(entry.name)) {
            chosen.entries.push_back(entry);
        }
    }
    return chosen;
}

QString permissionProblem(const QString& path, unsigned mode) {
    if ((mode & 077U) == 0) {
        return {};
    }
    return QStringLiteral("%1 holds passwords and others can read it (mode %2); refusing to use "
                          "it. Make it private: chmod 600 %1")
        .arg(path)
        .arg(mode & 0777U, 4, 8, QLatin1Char('0'));
}

} // namespace tarnwick::backup
