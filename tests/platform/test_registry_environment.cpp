#include "registry/environment_strings.h"
#include "registry/hive_location.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tarnwick::registry;

namespace {

// Sets or clears environment variables for one test and restores them afterwards.
class ScopedEnvironment {
public:
    void set(const char* name, const QByteArray& value) {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }
    ~ScopedEnvironment() {
        for (const auto& [name, value] : m_saved) {
            if (value) {
                qputenv(name.constData(), *value);
            } else {
                qunsetenv(name.constData());
            }
        }
    }

private:
    void remember(const char* name) {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                       ? std::optional<QByteArray>(qgetenv(name))
                                       : std::nullopt);
    }
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};

} // namespace

TEST(EnvironmentStrings, ExpandsKnownNamesAndKeepsTheRest) {
    ScopedEnvironment environment;
    environment.set("TW_HOME", "/home/x");
    environment.set("TW_EMPTY", "");
    environment.unset("TW_NOPE");
    const std::pair<const char*, const char*> cases[] = {
        {"%TW_HOME%/x", "/home/x/x"},
        {"%TW_HOME%%TW_HOME%", "/home/x/home/x"},
        {"a%TW_EMPTY%b", "ab"},
        {"%TW_NOPE%/x", "%TW_NOPE%/x"},
        {"%TW_NOPE%TW_HOME%", "%TW_NOPE/home/x"},
        {"100%", "100%"},
        {"50% of %TW_HOME%", "50% of /home/x"},
        {"%%", "%%"},
        {"", ""},
    };
    for (const auto& [text, expanded] : cases) {
        EXPECT_EQ(expandEnvironmentStrings(QString::fromLatin1(text)),
                  QString::fromLatin1(expanded))
            << text;
    }
}

TEST(HiveLocation, ExplicitFolderThenXdgConfigHome) {
    ScopedEnvironment environment;
    environment.set("TARNWICK_REGISTRY_DIR", "/srv/reg");
    environment.set("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(userHiveDirFromEnvironment(), QStringLiteral("/srv/reg"));
    environment.unset("TARNWICK_REGISTRY_DIR");
    EXPECT_EQ(userHiveDirFromEnvironment(), QStringLiteral("/cfg/tarnwick/registry"));
    environment.set("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(userHiveDirFromEnvironment(),
              QDir::homePath() + QStringLiteral("/.config/tarnwick/registry"));
    EXPECT_EQ(hiveFilePath(QStringLiteral("/r"), HKEY_CURRENT_USER),
              QStringLiteral("/r/HKEY_CURRENT_USER.reg"));
}
