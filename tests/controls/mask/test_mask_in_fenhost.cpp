// The registered masked control library in fenhost's window, and pictures of it with a
// caption and of its Format and Lookup pages: build/<dir>/screenshots/mask-*.png.
#include "com/late_binding.h"
#include "host_window.h"
#include "property_frame.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLibrary>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::fenhost;

namespace {

const QString kFolder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");

void save(QWidget& widget, const char* name) {
    QApplication::processEvents();
    const QString path = kFolder + QStringLiteral("/mask-%1.png").arg(QLatin1String(name));
    EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
}

} // namespace

TEST(MaskInFenhost, ShowsTheControlWithACaptionAndItsFourPages) {
    QTemporaryDir hives;
    const QByteArray previousDir = qgetenv("TARNWICK_REGISTRY_DIR");
    qputenv("TARNWICK_REGISTRY_DIR", QFile::encodeName(hives.path()));
    QLibrary library(QStringLiteral(FENMASK_LIBRARY));
    const auto registerServer =
        reinterpret_cast<HRESULT (*)()>(library.resolve("DllRegisterServer"));
    ASSERT_NE(registerServer, nullptr);
    ASSERT_EQ(registerServer(), S_OK);
    ASSERT_TRUE(QDir().mkpath(kFolder));
    {
        const registry::RegistryStore store(hives.path());
        HostWindow window(store);
        HostedControl& control = window.insertControl(QStringLiteral("Holm.Mask6"));
        const auto caption =
            getProperty(*control.dispatch, u"Caption").toObject().query<IDispatch>();
        putProperty(*caption, u"Text", Variant(QStringLiteral("Phone:")));
        putProperty(*caption, u"Size", Variant(std::int16_t{52}));
        putProperty(*control.dispatch, u"Format", Variant(QStringLiteral("(999)999-9999")));
        putProperty(*control.dispatch, u"Value", Variant(QStringLiteral("555123")));
        EXPECT_EQ(getProperty(*control.dispatch, u"Text").toString(), QStringLiteral("(555)123"));
        control.window->resize(220, 24); // room for the caption and the whole pattern
        window.insertControl(QStringLiteral("Holm.Mask6.6"));
        window.findChild<QComboBox*>(QStringLiteral("cboControls"))->setCurrentIndex(0);
        window.resize(900, 420);
        window.show();
        save(window, "form");

        const std::unique_ptr<PropertyFrame> pages = window.propertyPages();
        ASSERT_NE(pages, nullptr);
        ASSERT_EQ(pages->tabs()->count(), 4);
        EXPECT_EQ(pages->tabs()->tabText(0), QStringLiteral("General"));
        EXPECT_EQ(pages->tabs()->tabText(1), QStringLiteral("Appearance"));
        EXPECT_EQ(pages->tabs()->tabText(2), QStringLiteral("Format"));
        EXPECT_EQ(pages->tabs()->tabText(3), QStringLiteral("Lookup"));
        pages->resize(460, 420);
        pages->show();
        pages->tabs()->setCurrentIndex(0);
        save(*pages, "general-page");
        pages->tabs()->setCurrentIndex(2);
        save(*pages, "format-page");
        pages->tabs()->setCurrentIndex(3);
        save(*pages, "lookup-page");
        EXPECT_TRUE(pages->applyAll());
    }
    qputenv("TARNWICK_REGISTRY_DIR", previousDir);
}
