#include "backup/inventory.h"

#include "connections/connection_file.h"
#include "shell/app_error.h"

#include <gtest/gtest.h>

namespace tarnwick::test {

namespace {

using backup::Inventory;
using backup::parseInventory;

// Connection files by path: "saved.tlc" holds a password, "unsaved.tlc" does not, any other
// path is missing.
ConnectionProfile readProfile(const QString& path) {
    if (path == QLatin1String("/inv/saved.tlc")) {
        return {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("5551234"),
                QStringLiteral("222222"), 2, QStringLiteral("4321")};
    }
    if (path == QLatin1String("/inv/unsaved.tlc")) {
        return {QStringLiteral("/dev/ttyUSB1"), {}, QStringLiteral("333333"), 0,
                kPasswordNotSaved};
    }
    throw AppError::standard(53, path);
}

Inventory parse(const char* json) {
    return parseInventory(QByteArray(json), QStringLiteral("/inv"), readProfile);
}

TEST(Inventory, ReadsEntriesWithDefaultsAndConnectionFiles) {
    const Inventory inventory = parse(R"({"units": [
        {"name": "north", "port": "/dev/ttyS0", "sn": "111111", "site": "A", "password": "1234"},
        {"name": "wet-well.2", "port": "Modem 1", "addr": "5550001", "sn": "111112",
         "site": "B", "dest": "C", "password": "9876"},
        {"name": "relay", "connection_file": "saved.tlc", "dest": "D"},
        {"name": "override", "connection_file": "/inv/saved.tlc", "port": "/dev/ttyS9"}
    ]})");
    ASSERT_TRUE(inventory.problems.isEmpty()) << inventory.problems.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(inventory.entries.size(), 4u);
    EXPECT_EQ(inventory.entries[0].connection,
              (CurrentConnection{QStringLiteral("1234"), QStringLiteral("111111"),
                                 QStringLiteral("/dev/ttyS0"), QString(), 0, 0}));
    EXPECT_EQ(inventory.entries[1].connection.Addr, QStringLiteral("5550001"));
    EXPECT_EQ(inventory.entries[1].connection.SL, 1);
    EXPECT_EQ(inventory.entries[1].connection.DestSL, 2);
    EXPECT_EQ(inventory.entries[2].connection,
              (CurrentConnection{QStringLiteral("4321"), QStringLiteral("222222"),
                                 QStringLiteral("/dev/ttyUSB0"), QStringLiteral("5551234"), 2, 3}));
    // The entry's own route replaces the file's.
    EXPECT_EQ(inventory.entries[3].connection.Port, QStringLiteral("/dev/ttyS9"));
    EXPECT_EQ(inventory.entries[3].connection.DestSL, 2);
    EXPECT_TRUE(inventory.holdsPasswords);

    const Inventory filesOnly = parse(R"({"units": [{"name": "r", "connection_file": "saved.tlc"}]})");
    EXPECT_FALSE(filesOnly.holdsPasswords);
}

TEST(Inventory, NamesEveryBadEntryAndItsProblem) {
    const Inventory inventory = parse(R"({"units": [
        {"name": "ok", "port": "/dev/ttyS0", "sn": "111111", "site": "A", "password": "1234"},
        {"name": "typo", "port": "/dev/ttyS0", "sn": "1", "site": "A", "pasword": "1234"},
        {"name": "both", "port": "/dev/ttyS0", "sn": "1", "site": "A", "password": "1",
         "connection_file": "saved.tlc"},
        {"name": "site", "port": "/dev/ttyS0", "sn": "1", "site": "E", "password": "1"},
        {"name": "../up", "port": "/dev/ttyS0", "sn": "1", "site": "A", "password": "1"},
        {"name": "nosaved", "connection_file": "unsaved.tlc"},
        {"name": "missing", "connection_file": "gone.tlc"},
        {"port": "/dev/ttyS0", "sn": "1", "site": "A", "password": "1"},
        {"name": "ok", "port": "/dev/ttyS1", "sn": "1", "site": "A", "password": "1"},
        {"name": "num", "port": "/dev/ttyS1", "sn": 5, "site": "A", "password": "1"},
        "text"
    ]})");
    EXPECT_TRUE(inventory.entries.empty());
    // Bad entries still count, so a readable file with passwords is refused for that first.
    EXPECT_TRUE(inventory.holdsPasswords);
    const QString all = inventory.problems.join(QLatin1Char('\n'));
    const auto has = [&all](const char* text) { return all.contains(QLatin1String(text)); };
    EXPECT_TRUE(has("unit 2 \"typo\": unknown key \"pasword\"")) << all.toStdString();
    EXPECT_TRUE(has("unit 2 \"typo\": needs \"password\" or \"connection_file\""));
    EXPECT_TRUE(has("unit 3 \"both\": give \"password\" or \"connection_file\", not both"));
    EXPECT_TRUE(has("unit 4 \"site\": \"site\" must be a site letter A to D, not \"E\""));
    EXPECT_TRUE(has("unit 5 \"../up\": name"));
    EXPECT_TRUE(has("unit 6 \"nosaved\": unsaved.tlc holds no saved password"));
    EXPECT_TRUE(has("unit 7 \"missing\": cannot read gone.tlc"));
    EXPECT_TRUE(has("unit 8: needs a \"name\""));
    EXPECT_TRUE(has("unit 9 \"ok\": the name is used twice"));
    EXPECT_TRUE(has("unit 10 \"num\": \"sn\" must be a string"));
    EXPECT_TRUE(has("unit 11: must be an object"));
    EXPECT_FALSE(has("unit 1 "));
}

TEST(Inventory, RefusesAFileThatIsNotAnInventory) {
    EXPECT_TRUE(parse("{\"units\": [").problems.first().startsWith(QStringLiteral("not JSON")));
    EXPECT_EQ(parse(R"({"unit": []})").problems,
              (QStringList{QStringLiteral("unknown key \"unit\" at the top (known: units)"),
                           QStringLiteral("expected {\"units\": [ ... ]}")}));
    EXPECT_EQ(parse(R"({"units": []})").problems,
              QStringList{QStringLiteral("the inventory names no units")});
}

TEST(Inventory, SelectsUnitsByNameAndNamesUnknownOnes) {
    const Inventory inventory = parse(R"({"units": [
        {"name": "a", "port": "/dev/ttyS0", "sn": "1", "site": "A", "password": "1"},
        {"name": "b", "port": "/dev/ttyS1", "sn": "1", "site": "A", "password": "1"},
        {"name": "c", "port": "/dev/ttyS2", "sn": "1", "site": "A", "password": "1"}]})");
    const Inventory chosen = backup::selectUnits(inventory, {QStringLiteral("c"), QStringLiteral("a")});
    ASSERT_EQ(chosen.entries.size(), 2u);
    EXPECT_EQ(chosen.entries[0].name, QStringLiteral("a"));
    EXPECT_EQ(chosen.entries[1].name, QStringLiteral("c"));
    EXPECT_EQ(backup::selectUnits(inventory, {QStringLiteral("z")}).problems,
              QStringList{QStringLiteral("--only: no unit named \"z\"")});
}

TEST(Inventory, PasswordFilesMustBePrivate) {
    EXPECT_TRUE(backup::permissionProblem(QStringLiteral("inv.json"), 0100600).isEmpty());
    EXPECT_TRUE(backup::permissionProblem(QStringLiteral("inv.json"), 0100400).isEmpty());
    const QString problem = backup::permissionProblem(QStringLiteral("inv.json"), 0100644);
    EXPECT_TRUE(problem.contains(QStringLiteral("mode 0644")));
    EXPECT_TRUE(problem.contains(QStringLiteral("chmod 600 inv.json")));
    EXPECT_FALSE(backup::permissionProblem(QStringLiteral("inv.json"), 0100620).isEmpty());
}

} // namespace

} // namespace tarnwick::test
