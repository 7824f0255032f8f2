#include "test_c_registry_support.h"

using namespace tarnwick;
using namespace tarnwick::registry;
using namespace tarnwick::test;

namespace {

const QString kClass = QStringLiteral("Tarnwick.Settings");

class CRegistryAssociationTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    RegistryStore m_store{m_dir.filePath(QStringLiteral("hive"))};
    cRegistry m_registry{m_store};

    // The default value of `path` in both places, which must agree.
    QString classValue(const QString& path) const {
        const auto user = storedValue(m_store, HKEY_CLASSES_ROOT, path, {});
        const auto machine = storedValue(m_store, HKEY_LOCAL_MACHINE,
                                         QStringLiteral("SOFTWARE\\Classes\\") + path, {});
        EXPECT_EQ(user, machine) << path.toStdString();
        if (!user) {
            return QStringLiteral("<missing>");
        }
        EXPECT_EQ(user->type, REG_SZ);
        return QString::fromLatin1(user->data.chopped(1));
    }
};

} // namespace

TEST_F(CRegistryAssociationTest, EveryVerbIsRegisteredInBothPlaces) {
    m_registry.CreateEXEAssociation(QStringLiteral("  /opt/tarnwick/bin/tarnwick "), kClass,
                                    QStringLiteral("Tarnwick Settings"), QStringLiteral("stv"), {},
                                    true, {}, true, {}, true, {}, 2);

    EXPECT_EQ(classValue(QStringLiteral(".stv")), kClass);
    EXPECT_EQ(classValue(kClass), QStringLiteral("Tarnwick Settings"));
    const QString exe = QStringLiteral("\"/opt/tarnwick/bin/tarnwick\"");
    const std::pair<QString, QString> verbs[] = {
        {QStringLiteral("\\shell\\open"), QStringLiteral("&Open")},
        {QStringLiteral("\\shell\\open\\command"), exe + QStringLiteral(" \"%1\"")},
        {QStringLiteral("\\shell\\print"), QStringLiteral("&Print")},
        {QStringLiteral("\\shell\\print\\command"), exe + QStringLiteral(" /p \"%1\"")},
        {QStringLiteral("\\shell\\add"), QStringLiteral("&Install stv")},
        {QStringLiteral("\\shell\\add\\command"), exe + QStringLiteral(" /a \"%1\"")},
        {QStringLiteral("\\shell\\new"), QStringLiteral("&New")},
        {QStringLiteral("\\shell\\new\\command"), exe + QStringLiteral(" /n \"%1\"")},
        {QStringLiteral("\\DefaultIcon"), exe + QStringLiteral(",2")},
    };
    for (const auto& [path, value] : verbs) {
        EXPECT_EQ(classValue(kClass + path), value);
    }
    EXPECT_EQ(m_registry.ClassKey(), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(m_registry.SectionKey(), kClass + QStringLiteral("\\DefaultIcon"))
        << "the class prefix is taken off again";
}

TEST_F(CRegistryAssociationTest, OwnTextsAndNoOptionalVerbs) {
    m_registry.CreateEXEAssociation(QStringLiteral("\"/usr/bin/tarnwick\""), kClass,
                                    QStringLiteral("Settings"), QStringLiteral("stv"),
                                    QStringLiteral("&Edit"), false, QStringLiteral("unused"), false,
                                    {}, false, {}, -1);
    EXPECT_EQ(classValue(kClass + QStringLiteral("\\shell\\open")), QStringLiteral("&Edit"));
    EXPECT_EQ(classValue(kClass + QStringLiteral("\\shell\\open\\command")),
              QStringLiteral("\"/usr/bin/tarnwick\" \"%1\""))
        << "a quoted path is not quoted again";
    for (const char* absent : {"\\shell\\print", "\\shell\\add", "\\shell\\new", "\\DefaultIcon"}) {
        EXPECT_EQ(classValue(kClass + QLatin1String(absent)), QStringLiteral("<missing>"));
    }
}

TEST_F(CRegistryAssociationTest, AdditionalVerbsNeedTriplesAndARegisteredClass) {
    const QString badList = QStringLiteral(
        "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected "
        "Name/Text/Command");
    expectRegistryError([&] { m_registry.CreateAdditionalEXEAssociations(kClass, {}); },
                        -2147194452, badList);
    expectRegistryError(
        [&] {
            m_registry.CreateAdditionalEXEAssociations(kClass,
                                                       {QStringLiteral("a"), QStringLiteral("b")});
        },
        -2147194452, badList);
    const QVariantList items{QStringLiteral("check"), QStringLiteral("&Check"),
                             QStringLiteral("/usr/bin/tarnwick /c \"%1\"")};
    expectRegistryError([&] { m_registry.CreateAdditionalEXEAssociations(kClass, items); },
                        -2147194451,
                        QStringLiteral("Error - attempt to create additional associations "
                                       "before class defined."));

    m_registry.CreateEXEAssociation(QStringLiteral("/usr/bin/tarnwick"), kClass, {},
                                    QStringLiteral("stv"), {}, false, {}, false, {}, false, {}, -1);
    m_registry.CreateAdditionalEXEAssociations(kClass, items);
    EXPECT_EQ(classValue(kClass + QStringLiteral("\\shell\\check")), QStringLiteral("&Check"));
    EXPECT_EQ(classValue(kClass + QStringLiteral("\\shell\\check\\command")),
              QStringLiteral("/usr/bin/tarnwick /c \"%1\""));
}
