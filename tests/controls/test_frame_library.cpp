// The test control as a component library: its start with or without the shared base
// library, registration, creation by ProgID, unloading and unregistration.
#include "com/com_error.h"
#include "com/component_loader.h"
#include "com/late_binding.h"
#include "com/registry_script.h"
#include "frame/control_interfaces.h"
#include "frame_test_control/frame_test_control.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::registry;

namespace {

const QString kLibrary = QStringLiteral(FRAME_TEST_LIBRARY);
const QString kBaseLibrary = QStringLiteral(FENBASE6_LIBRARY);

HRESULT runRegistration(const QString& path, const char* function) {
    QLibrary library(path);
    const auto call = reinterpret_cast<HRESULT (*)()>(library.resolve(function));
    const HRESULT status = call != nullptr ? call() : E_FAIL;
    library.unload();
    return status;
}

struct ProbeResult {
    QStringList messages;
    QString start;
    QString base;
};

// Starts a copy of the library from `folder` in a process of its own, so that nothing this
// process loaded answers for the shared base library.
ProbeResult probe(const QString& folder, const QString& searchPath = {}) {
    const QString copy = QDir(folder).filePath(QFileInfo(kLibrary).fileName());
    QFile::copy(kLibrary, copy);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), searchPath);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FRAME_LIBRARY_PROBE), {copy});
    process.waitForFinished();
    ProbeResult result;
    for (const QString& line :
         QString::fromLocal8Bit(process.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"message: ")) {
            result.messages.append(line.mid(9));
        } else if (line.startsWith(u"start: ")) {
            result.start = line.mid(7);
        } else if (line.startsWith(u"base: ")) {
            result.base = line.mid(6);
        }
    }
    return result;
}

class FrameLibraryTest : public ::testing::Test {
protected:
    QTemporaryDir m_hives;
    QByteArray m_previousDir = qgetenv("TARNWICK_REGISTRY_DIR");

    void SetUp() override {
        qputenv("TARNWICK_REGISTRY_DIR", QFile::encodeName(m_hives.path()));
        ASSERT_EQ(runRegistration(kLibrary, "DllRegisterServer"), S_OK);
    }
    void TearDown() override { qputenv("TARNWICK_REGISTRY_DIR", m_previousDir); }

    std::optional<QString> classValue(const QString& below, const QString& name = {}) const {
        const RegistryStore store(m_hives.path());
        return readClassesRootString(
            store,
            QStringLiteral("CLSID\\%1\\%2").arg(frame::test::kFrameTestClsid.toString(), below),
            name);
    }
};

} // namespace

TEST(FrameLibraryStart, LoadsTheBaseLibraryFromItsOwnFolder) {
    QTemporaryDir folder;
    QFile::copy(kBaseLibrary, folder.filePath(QStringLiteral("libfenbase6.so")));
    const ProbeResult result = probe(folder.path());
    EXPECT_EQ(result.start, QStringLiteral("1"));
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(result.base,
              QFileInfo(folder.filePath(QStringLiteral("libfenbase6.so"))).canonicalFilePath());
}

TEST(FrameLibraryStart, FallsBackToTheBareNameOnTheSearchPath) {
    QTemporaryDir folder;
    const ProbeResult result = probe(folder.path(), QFileInfo(kBaseLibrary).absolutePath());
    EXPECT_EQ(result.start, QStringLiteral("1"));
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(result.base, QFileInfo(kBaseLibrary).canonicalFilePath());
}

TEST(FrameLibraryStart, RefusesToLoadAfterOneMessageWhenTheBaseLibraryIsMissing) {
    QTemporaryDir folder;
    const ProbeResult result = probe(folder.path());
    EXPECT_EQ(result.start, QStringLiteral("0"));
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_TRUE(result.messages[0].startsWith(u"GetLastError: "));
    EXPECT_TRUE(result.messages[0].contains(u"libfenbase6.so")) << result.messages[0].toStdString();
    EXPECT_EQ(result.base, QStringLiteral("none"));
}

TEST_F(FrameLibraryTest, RegistersTheControlItsPagesAndTheTypeLibrary) {
    const QString libraryPath = QFileInfo(kLibrary).absoluteFilePath();
    const RegistryStore store(m_hives.path());
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("Holm.FrameTest6\\CurVer")),
              QStringLiteral("Holm.FrameTest6.6"));
    EXPECT_EQ(classValue(QStringLiteral("InprocServer32")), libraryPath);
    EXPECT_EQ(classValue(QStringLiteral("InprocServer32"), QStringLiteral("ThreadingModel")),
              QStringLiteral("Apartment"));
    EXPECT_EQ(classValue(QStringLiteral("ToolboxBitmap32")), libraryPath + QStringLiteral(", 1"));
    EXPECT_EQ(classValue(QStringLiteral("MiscStatus")), QStringLiteral("0"));
    EXPECT_EQ(classValue(QStringLiteral("MiscStatus\\1")), QStringLiteral("131473"));
    EXPECT_EQ(classValue(QStringLiteral("TypeLib")), frame::test::kFrameTestTypeLibrary.toString());
    EXPECT_EQ(classValue(QStringLiteral("Version")), QStringLiteral("1.0"));
    EXPECT_EQ(classValue(QStringLiteral("DataFormats\\GetSet\\0")), QStringLiteral("1,1,1,3"));
    EXPECT_EQ(classValue(QStringLiteral("Verb\\0")), QStringLiteral("&Properties, 0, 2"));
    KeyHandle key;
    const QString classKey = QStringLiteral("CLSID\\") + frame::test::kFrameTestClsid.toString();
    for (const QString& below :
         {QStringLiteral("Control"), QStringLiteral("Programmable"),
          QStringLiteral("Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}")}) {
        EXPECT_EQ(store.openKey(HKEY_CLASSES_ROOT, classKey + u'\\' + below, KEY_READ, key),
                  ERROR_SUCCESS)
            << below.toStdString();
    }
    for (const Guid& page :
         {frame::test::kFrameTestGeneralPageClsid, frame::test::kFrameTestAppearancePageClsid}) {
        EXPECT_EQ(readClassesRootString(
                      store, QStringLiteral("CLSID\\%1\\InprocServer32").arg(page.toString()),
                      QStringLiteral("ThreadingModel")),
                  QStringLiteral("Apartment"));
    }
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("TypeLib\\%1\\1.0\\0\\linux")
                                               .arg(frame::test::kFrameTestTypeLibrary.toString())),
              libraryPath);
    EXPECT_EQ(readClassesRootString(
                  store,
                  QStringLiteral("Interface\\%1").arg(frame::test::IFenFrameTest::kIid.toString())),
              QStringLiteral("IFenFrameTest"));
}

TEST_F(FrameLibraryTest, CreatedByProgIdUnloadedWhenUnusedAndGoneAfterUnregistration) {
    {
        const RegistryStore store(m_hives.path());
        ComponentLoader loader(store);
        ComPtr<IDispatch> control =
            loader.createObject(QStringLiteral("Holm.FrameTest6")).query<IDispatch>();
        ASSERT_TRUE(control);
        EXPECT_EQ(getProperty(*control, u"Version"), Variant(QStringLiteral("6.0.1.2")));
        EXPECT_EQ(control->GetTypeInfo().name(), QStringLiteral("IFenFrameTest"));
        EXPECT_EQ(loader.freeUnusedLibraries(), 0); // the control is alive

        const ComPtr<IClassFactory> factory = loader.getClassObject(frame::test::kFrameTestClsid);
        control.reset();
        factory->LockServer(true);
        EXPECT_EQ(loader.freeUnusedLibraries(), 0); // locked
        factory->LockServer(false);
        EXPECT_EQ(loader.freeUnusedLibraries(), 0); // the factory itself is an object
        const_cast<ComPtr<IClassFactory>&>(factory).reset();
        EXPECT_EQ(loader.freeUnusedLibraries(), 1);
    }

    ASSERT_EQ(runRegistration(kLibrary, "DllUnregisterServer"), S_OK);
    const RegistryStore store(m_hives.path());
    ComponentLoader loader(store);
    try {
        loader.createObject(QStringLiteral("Holm.FrameTest6"));
        FAIL() << "created after unregistration";
    } catch (const ComError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::CannotCreateObject);
    }
    EXPECT_FALSE(readClassesRootString(
        store,
        QStringLiteral("TypeLib\\%1\\1.0").arg(frame::test::kFrameTestTypeLibrary.toString())));
    EXPECT_FALSE(readClassesRootString(
        store, QStringLiteral("Interface\\%1").arg(frame::test::IFenFrameTest::kIid.toString())));
}

TEST_F(FrameLibraryTest, PropertyPagesAreCreatableClassesOfTheLibrary) {
    const RegistryStore store(m_hives.path());
    ComponentLoader loader(store);
    const auto control = loader.createObject(QStringLiteral("Holm.FrameTest6"));
    const auto pages = control.query<frame::ISpecifyPropertyPages>()->GetPages();
    ASSERT_EQ(pages.size(), 2u);
    const auto appearance = loader.createObject(pages[1].toString()).query<frame::IPropertyPage>();
    ASSERT_TRUE(appearance);
    EXPECT_EQ(appearance->GetTitle(), QStringLiteral("Appearance"));
}
