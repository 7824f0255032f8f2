// Pictures of the numeric control in fenhost's form, its spin buttons inside and outside:
// build/<dir>/screenshots/fenhost-numlite-spin.png.
#include "com/late_binding.h"
#include "control_host.h"
#include "host_window.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::fenhost;

TEST(NumLiteInFenhost, SpinButtonsInsideAndOutside) {
    QTemporaryDir hives;
    const QByteArray previousDir = qgetenv("TARNWICK_REGISTRY_DIR");
    qputenv("TARNWICK_REGISTRY_DIR", QFile::encodeName(hives.path()));
    QLibrary library(QStringLiteral(NUMLITE_LIBRARY));
    const auto registerServer = reinterpret_cast<HRESULT (*)()>(library.resolve("DllRegisterServer"));
    ASSERT_NE(registerServer, nullptr);
    ASSERT_EQ(registerServer(), S_OK);
    registry::RegistryStore store(hives.path());
    {
        HostWindow window(store);
        for (std::int16_t position : {std::int16_t{0}, std::int16_t{1}}) {
            HostedControl& control = window.insertControl(QStringLiteral("Holm.NumLite6"));
            const auto spin = getProperty(*control.dispatch, u"Spin").toObject().query<IDispatch>();
            putProperty(*spin, u"Visible", Variant(std::int16_t{1}));
            putProperty(*spin, u"Position", Variant(position));
            putProperty(*control.dispatch, u"DecimalPlaces", Variant(std::int16_t{2}));
            putProperty(*control.dispatch, u"Value", Variant(position == 0 ? 1234.5 : -1234.5));
            EXPECT_EQ(getProperty(*control.dispatch, u"Text").toString(),
                      position == 0 ? QStringLiteral("1234.50") : QStringLiteral("-1234.50"));
        }
        window.resize(900, 420);
        window.show();
        QApplication::processEvents();
        const QString folder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/fenhost-numlite-spin.png")));
    }
    qputenv("TARNWICK_REGISTRY_DIR", previousDir);
}
