// Download into the main window, edit in the grid, upload: on the virtual clock against the
// simulated unit, through the program's own transfer host.

#include "config/channel_table_model.h"
#include "config/site_config_layout.h"
#include "main_window_fixture.h"
#include "sim/simulated_serial_control.h"
#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"
#include "transfer/program_transfer_host.h"
#include "transfer/transfer_engine.h"
#include "transfer/transfer_view.h"

#include <QAction>
#include <QTableView>

using namespace tarnwick;
using namespace tarnwick::test;
using namespace std::chrono_literals;

namespace {

class SilentView final : public TransferView {
public:
    void setCaption(const QString&) override {}
    void setProgressText(const QString&) override {}
    void setStatusMinimum(int) override {}
    void setStatusMaximum(int) override {}
    void setStatusValue(int) override {}
    void setTotalMaximum(int) override {}
    void setTotalValue(int) override {}
    void repaintNow() override {}
    void unload() override {}
};

// A unit holding the sample configuration, as the window itself would encode it.
sim::UnitSetup sampleUnit() {
    sim::UnitSetup setup;
    setup.memory = readSettingsFile(kSampleSettings)->image;
    return setup;
}

class MainWindowTransfer : public MainWindowTest {
protected:
    MainWindowTransfer() {
        program.connection = {QStringLiteral("1234"),
                              QStringLiteral("123456"),
                              QStringLiteral("/dev/ttyS0"),
                              QString(),
                              0,
                              0};
        program.settings.Protected = QStringLiteral(TARNWICK_SOURCE_DIR "/data/protected.dat");
    }

    frmMain& makeConnectedWindow() {
        window = std::make_unique<frmMain>(
            program, MainWindowServices{prompter, errors, registry, [this](bool upload) {
                                            ASSERT_TRUE(upload);
                                            const PasswordChange p = window->passwordChange();
                                            startEngine().UploadStavik(p.changePasswords, false,
                                                                       p.newMaster, p.newUser,
                                                                       p.oldMaster);
                                        }});
        return *window;
    }

    TransferEngine& startEngine() {
        outcome.reset();
        // The engine lets go of the serial control's events when it goes: before the next.
        engine.reset();
        engine = std::make_unique<TransferEngine>(TransferContext{clock,
                                                                  serial,
                                                                  view,
                                                                  prompter,
                                                                  host,
                                                                  program.connection,
                                                                  program.blockBuffer,
                                                                  program.image,
                                                                  [] { return 0.5; },
                                                                  {}});
        engine->setFinishedHandler([this](const TransferOutcome& result) { outcome = result; });
        return *engine;
    }

    bool runToEnd() {
        return clock.runUntil([this] { return outcome.has_value(); }, 400s) &&
               outcome->kind == TransferOutcome::Kind::Succeeded;
    }

    ProgramTransferHost::Services hostServices() {
        ProgramTransferHost::Services s;
        s.mainWindow.setInUse = [this](bool inUse) { window->setInUse(inUse); };
        s.mainWindow.show = [this] { window->showMainWindow(); };
        s.mainWindow.LoadArray = [this](const BlockBuffer&) { window->LoadArray(); };
        s.mainWindow.stampSynchronized = [this](const QDateTime& t) {
            window->stampSynchronized(t);
        };
        s.protectedLocationsPath = [this] { return program.settings.Protected; };
        return s;
    }

    sim::VirtualScheduler clock;
    sim::StavikUnit unit{clock, sampleUnit()};
    sim::SimulatedSerialControl serial{clock, unit};
    SilentView view;
    ProgramTransferHost host{hostServices(), errors, program.mainWindowActive};
    std::unique_ptr<TransferEngine> engine;
    std::optional<TransferOutcome> outcome;
};

} // namespace

TEST_F(MainWindowTransfer, TheUnitEndsUpWithExactlyTheEditsMadeInTheGrid) {
    frmMain& w = makeConnectedWindow();
    const ConfigImage original = unit.memory();
    startEngine().DownloadStavik();
    ASSERT_TRUE(runToEnd()) << promptTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(program.image, original);

    auto& grid = child<QTableView>("grdChanSettings");
    const QAbstractItemModel& model = *grid.model();
    typeIntoCell(grid, model.index(11, ChannelTableModel::Label), QStringLiteral("SPARE 2"));
    typeIntoCell(grid, model.index(0, ChannelTableModel::HighLimit), QStringLiteral("19.5"));
    child<QAction>("miUpload").trigger();
    ASSERT_NE(engine, nullptr);
    ASSERT_TRUE(runToEnd()) << promptTexts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(w.syncDateChanged());
    EXPECT_TRUE(errors.reports.empty());

    ConfigImage expected = original;
    const QByteArray label("SPARE 2");
    std::copy(label.begin(), label.end(), expected.begin() + layout::channelLabel(11));
    expected[layout::channelRecord(0)] = 0; // 195 tenths, big-endian
    expected[layout::channelRecord(0) + 1] = 195;
    EXPECT_EQ(unit.memory(), expected);
    EXPECT_EQ(unit.restarts(), 1);
}
