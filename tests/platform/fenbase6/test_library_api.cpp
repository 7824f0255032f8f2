// libfenbase6.so as the control libraries use it: loaded at run time, reached through its
// table.
#include "com/library_exports.h"
#include "com/persist.h"
#include "fenbase6/fenbase6_api.h"

#include <QLibrary>
#include <QWidget>
#include <gtest/gtest.h>

namespace tarnwick::fenbase6::test {
namespace {

class LibraryApi : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.load()) << library.errorString().toStdString();
        const auto getApi =
            reinterpret_cast<FenBase6GetApiFunction>(library.resolve(kFenBase6GetApi));
        ASSERT_NE(getApi, nullptr);
        EXPECT_EQ(getApi(kFenBase6ApiVersion + 1), nullptr);
        api = getApi(kFenBase6ApiVersion);
        ASSERT_NE(api, nullptr);
    }

    QLibrary library{QStringLiteral(FENBASE6_LIBRARY)};
    const FenBase6Api* api = nullptr;
};

TEST_F(LibraryApi, MakesEnginesByClassName) {
    QWidget parent;
    FenEngine* engine = api->createEngine(kMaskEngineClass, &parent);
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->widget()->parentWidget(), &parent);
    EXPECT_EQ(engine->send(Msg::GetMarginsLeftRight, 0, 0), makePair(1, 1));
    EXPECT_NE(api->createEngine(kNumberEngineClass, &parent), nullptr);
    EXPECT_EQ(api->createEngine("Edit", &parent), nullptr);
}

TEST_F(LibraryApi, MakesTheSharedObjectsAndCountsThem) {
    EXPECT_TRUE(api->canUnloadNow());
    auto caption = com::ComPtr<com::IUnknown>::adopt(api->createObject(kCaptionClsid));
    ASSERT_TRUE(caption);
    EXPECT_TRUE(caption.query<IFenCaption>());
    EXPECT_TRUE(caption.query<IFenCaptionDisp>());
    EXPECT_TRUE(caption.query<com::IPersistStreamInit>());
    auto key = com::ComPtr<com::IUnknown>::adopt(api->createObject(kKeyClsid));
    EXPECT_TRUE(key.query<IFenKeyActions>());
    auto spin = com::ComPtr<com::IUnknown>::adopt(api->createObject(kSpinClsid));
    EXPECT_TRUE(spin.query<IFenSpin>());
    EXPECT_EQ(api->createObject(com::Guid{}), nullptr);
    EXPECT_FALSE(api->canUnloadNow());

    const auto canUnload = reinterpret_cast<com::DllCanUnloadNowFunction>(
        library.resolve(com::kDllCanUnloadNow));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), com::S_FALSE);
    caption.reset();
    key.reset();
    spin.reset();
    EXPECT_TRUE(api->canUnloadNow());
    EXPECT_EQ(canUnload(), com::S_OK);
}

} // namespace
} // namespace tarnwick::fenbase6::test
