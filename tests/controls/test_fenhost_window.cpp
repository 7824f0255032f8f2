// fenhost's window with the test control, and pictures of it and of the shared Appearance
// page for a person to look at: build/<dir>/screenshots/fenhost-*.png.
#include "com/late_binding.h"
#include "control_host.h"
#include "host_window.h"
#include "property_frame.h"
#include "variant_text.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLibrary>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::fenhost;

namespace {

const QString kFolder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");

class FenhostWindow : public ::testing::Test {
protected:
    QTemporaryDir m_hives;
    QByteArray m_previousDir = qgetenv("TARNWICK_REGISTRY_DIR");
    std::unique_ptr<registry::RegistryStore> m_store;

    void SetUp() override {
        qputenv("TARNWICK_REGISTRY_DIR", QFile::encodeName(m_hives.path()));
        QLibrary library(QStringLiteral(FRAME_TEST_LIBRARY));
        const auto registerServer =
            reinterpret_cast<HRESULT (*)()>(library.resolve("DllRegisterServer"));
        ASSERT_NE(registerServer, nullptr);
        ASSERT_EQ(registerServer(), S_OK);
        m_store = std::make_unique<registry::RegistryStore>(m_hives.path());
        ASSERT_TRUE(QDir().mkpath(kFolder));
    }
    void TearDown() override { qputenv("TARNWICK_REGISTRY_DIR", m_previousDir); }

    static void save(QWidget& widget, const char* name) {
        QApplication::processEvents();
        const QString path = kFolder + QStringLiteral("/fenhost-%1.png").arg(QLatin1String(name));
        EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
};

} // namespace

TEST(FenhostValues, ScriptValuesParseAndPrintAsWritten) {
    EXPECT_EQ(parseValue(u"12"), Variant(std::int16_t{12}));
    EXPECT_EQ(parseValue(u"70000"), Variant(std::int32_t{70000}));
    EXPECT_EQ(parseValue(u"&H80000005"), Variant(static_cast<std::int32_t>(0x80000005u)));
    EXPECT_EQ(parseValue(u"1.5"), Variant(1.5));
    EXPECT_EQ(parseValue(u"true"), Variant(true));
    EXPECT_EQ(parseValue(u"\"say \"\"hi\"\"\""), Variant(QStringLiteral("say \"hi\"")));
    EXPECT_EQ(parseValue(u"plain words"), Variant(QStringLiteral("plain words")));
    EXPECT_TRUE(parseValue(u"Null").isNull());
    EXPECT_EQ(parseArguments(u"1, \"a,b\", False").size(), 3u);
    EXPECT_EQ(formatValue(Variant(QStringLiteral("a\"b"))), QStringLiteral("\"a\"\"b\""));
    EXPECT_EQ(formatValue(Variant(ComPtr<IUnknown>())), QStringLiteral("Nothing"));
}

TEST_F(FenhostWindow, ShowsAControlItsPropertiesEventsAndPages) {
    HostWindow window(*m_store);
    HostedControl& control = window.insertControl(QStringLiteral("Holm.FrameTest6"));
    EXPECT_EQ(control.name, QStringLiteral("FrameTest1"));
    const auto caption = getProperty(*control.dispatch, u"Caption").toObject().query<IDispatch>();
    putProperty(*caption, u"Text", Variant(QStringLiteral("Name:")));
    putProperty(*caption, u"Size", Variant(std::int16_t{48}));
    putProperty(*control.dispatch, u"Text", Variant(QStringLiteral("Holm")));
    window.insertControl(QStringLiteral("Holm.FrameTest6.6"));
    window.findChild<QComboBox*>(QStringLiteral("cboControls"))->setCurrentIndex(0);
    window.resize(900, 420);
    window.show();

    const auto* grid = window.findChild<QTableWidget*>(QStringLiteral("grdProperties"));
    ASSERT_NE(grid, nullptr);
    EXPECT_GT(grid->rowCount(), 20);
    EXPECT_FALSE(window.findChild<QPlainTextEdit*>(QStringLiteral("txtEventLog"))
                     ->toPlainText()
                     .isEmpty()); // the Change of the Text put
    save(window, "form");

    const std::unique_ptr<PropertyFrame> pages = window.propertyPages();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->tabs()->count(), 2);
    EXPECT_EQ(pages->tabs()->tabText(1), QStringLiteral("Appearance"));
    pages->tabs()->setCurrentIndex(1);
    pages->resize(420, 330);
    pages->show();
    save(*pages, "appearance-page");
    EXPECT_TRUE(pages->applyAll());
}
