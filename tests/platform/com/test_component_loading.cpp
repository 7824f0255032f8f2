#include "com/component_loader.h"
#include "com/late_binding.h"
#include "com/registry_script.h"
#include "com_test_support.h"
#include "gauge.h"

#include <QLibrary>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace tarnwick::com;
using namespace tarnwick::com::test;
using namespace tarnwick::registry;

namespace {

const QString kGaugeLibrary = QStringLiteral(GAUGE_LIBRARY);
const QString kRefusingLibrary = QStringLiteral(REFUSING_GAUGE_LIBRARY);

// Whether the process has the library at `path` loaded (asking does not load it).
bool isLoaded(const QString& path) {
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) {
        dlclose(handle);
    }
    return handle != nullptr;
}

// Calls the library's own DllRegisterServer or DllUnregisterServer, as a registration tool
// does, and unloads it again.
HRESULT runRegistration(const QString& path, const char* function) {
    QLibrary library(path);
    const auto call = reinterpret_cast<HRESULT (*)()>(library.resolve(function));
    const HRESULT status = call != nullptr ? call() : E_FAIL;
    library.unload();
    return status;
}

class ComponentLoadingTest : public ::testing::Test {
protected:
    QTemporaryDir m_hives;
    QByteArray m_previousDir = qgetenv("TARNWICK_REGISTRY_DIR");

    void SetUp() override {
        // The libraries register into the store of the environment, as they do for real.
        qputenv("TARNWICK_REGISTRY_DIR", QFile::encodeName(m_hives.path()));
        ASSERT_EQ(runRegistration(kGaugeLibrary, "DllRegisterServer"), S_OK);
        ASSERT_FALSE(isLoaded(kGaugeLibrary));
    }
    void TearDown() override { qputenv("TARNWICK_REGISTRY_DIR", m_previousDir); }
};

} // namespace

TEST_F(ComponentLoadingTest, RegistrationWritesTheClassAndItsProgIds) {
    const RegistryStore store(m_hives.path());
    const QString key = kGaugeClsid.toString();
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("Tarnwick.TestGauge\\CurVer")),
              QStringLiteral("Tarnwick.TestGauge.1"));
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("Tarnwick.TestGauge.1\\CLSID")), key);
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("CLSID\\%1\\InprocServer32").arg(key)),
              QFileInfo(kGaugeLibrary).absoluteFilePath());
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("CLSID\\%1\\InprocServer32").arg(key),
                                    QStringLiteral("ThreadingModel")),
              QStringLiteral("Apartment"));
    EXPECT_EQ(readClassesRootString(store, QStringLiteral("CLSID\\%1\\ProgID").arg(key)),
              QStringLiteral("Tarnwick.TestGauge.1"));
}

TEST_F(ComponentLoadingTest, CreatedByProgIdDrivenAcrossTheBoundaryAndUnloadedWhenUnused) {
    const RegistryStore store(m_hives.path());
    ComponentLoader loader(store);
    ComPtr<IDispatch> gauge =
        loader.createObject(QStringLiteral("Tarnwick.TestGauge")).query<IDispatch>();
    ASSERT_TRUE(gauge);
    EXPECT_TRUE(isLoaded(kGaugeLibrary));
    EXPECT_EQ(gauge->GetTypeInfo().name(), QStringLiteral("IGauge"));

    putProperty(*gauge, u"Level", Variant(QStringLiteral("12")));
    EXPECT_EQ(getProperty(*gauge, u"Level").toInt16(), 12);
    try {
        putProperty(*gauge, u"Level", Variant(std::int16_t{500}));
        FAIL() << "the library's error reaches the host";
    } catch (const ComError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidPropertyValue);
        EXPECT_EQ(error.source(), QStringLiteral("Tarnwick.TestGauge"));
    }

    ComPtr<IUnknown> second = loader.createObject(QStringLiteral("Tarnwick.TestGauge.1"));
    ComPtr<IUnknown> third = loader.createObject(kGaugeClsid.toString());
    EXPECT_EQ(loader.loadedLibraries().size(), 1) << "one library, loaded once";

    gauge.reset();
    second.reset();
    EXPECT_EQ(loader.freeUnusedLibraries(), 0) << "an object is still alive";
    EXPECT_TRUE(isLoaded(kGaugeLibrary));

    // A lock keeps the library without objects.
    ComPtr<IClassFactory> factory = loader.getClassObject(kGaugeClsid);
    EXPECT_EQ(factory->LockServer(true), S_OK);
    factory.reset();
    third.reset();
    EXPECT_EQ(loader.freeUnusedLibraries(), 0) << "locked";
    factory = loader.getClassObject(kGaugeClsid);
    EXPECT_EQ(factory->LockServer(false), S_OK);
    void* object = nullptr;
    EXPECT_EQ(factory->CreateInstance(factory.get(), IUnknown::kIid, &object),
              CLASS_E_NOAGGREGATION);
    factory.reset();

    EXPECT_EQ(loader.freeUnusedLibraries(), 1);
    EXPECT_TRUE(loader.loadedLibraries().isEmpty());
    EXPECT_FALSE(isLoaded(kGaugeLibrary));
}

TEST_F(ComponentLoadingTest, UnregisteredClassesCannotBeCreated) {
    ASSERT_EQ(runRegistration(kGaugeLibrary, "DllUnregisterServer"), S_OK);
    const RegistryStore store(m_hives.path());
    EXPECT_FALSE(readClassesRootString(store, QStringLiteral("Tarnwick.TestGauge\\CLSID")));
    EXPECT_FALSE(readClassesRootString(
        store, QStringLiteral("CLSID\\%1\\InprocServer32").arg(kGaugeClsid.toString())));

    ComponentLoader loader(store);
    for (const QString& name :
         {QStringLiteral("Tarnwick.TestGauge"), kGaugeClsid.toString(), QString()}) {
        EXPECT_EQ(errorNumberOf([&] { loader.createObject(name); }),
                  ErrorNumber::CannotCreateObject)
            << name.toStdString();
    }
    EXPECT_FALSE(isLoaded(kGaugeLibrary));
    EXPECT_EQ(runRegistration(kGaugeLibrary, "DllUnregisterServer"), S_OK)
        << "removing what is gone is no failure";
}

TEST_F(ComponentLoadingTest, ALibraryThatRefusesToStartIsNotLoaded) {
    RegistryScript script;
    const Guid refusing{
        0x3701C108, 0x355C, 0x46C2, {0x86, 0xBC, 0x9C, 0x77, 0xC5, 0x21, 0x18, 0xCF}};
    script.addValue(QStringLiteral("CLSID\\%1\\InprocServer32").arg(refusing.toString()), {},
                    kRefusingLibrary);
    RegistryStore store(m_hives.path());
    writeRegistryScript(store, script);

    ComponentLoader loader(store);
    try {
        loader.createObject(refusing.toString());
        FAIL() << "the start refused";
    } catch (const ComError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::CannotCreateObject);
        EXPECT_TRUE(error.description().contains(QStringLiteral("refused to start")));
    }
    EXPECT_FALSE(isLoaded(kRefusingLibrary));
    EXPECT_TRUE(loader.loadedLibraries().isEmpty());
}
