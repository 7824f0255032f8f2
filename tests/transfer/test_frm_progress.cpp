// The progress window driving a download against the in-process unit on the virtual clock.

#include "test_transfer_fixture.h"
#include "transfer/ui/frm_progress.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

struct Bars {
    QString text;
    int statusMaximum;
    int statusValue;
    int totalMaximum;
    int totalValue;

    bool operator==(const Bars&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Bars& bars) {
    return out << bars.text.toStdString() << ' ' << bars.statusValue << '/' << bars.statusMaximum
               << " total " << bars.totalValue << '/' << bars.totalMaximum;
}

// A progress window on a simulated unit; the window owns the simulated port.
class ProgressWindowRig {
public:
    explicit ProgressWindowRig(sim::UnitSetup setup = patternedUnit())
        : unit(clock, std::move(setup)) {
        auto serial = std::make_unique<sim::SimulatedSerialControl>(clock, unit);
        line = serial.get();
        window =
            new frmProgress({clock, std::move(serial), prompter, host, connection, blocks, image});
        QObject::connect(window, &frmProgress::transferFinished,
                         [this](const TransferOutcome& result) { outcome = result; });
        window->show();
        window->DownloadStavik();
    }
    ~ProgressWindowRig() { delete window.data(); }
    ProgressWindowRig(const ProgressWindowRig&) = delete;
    ProgressWindowRig& operator=(const ProgressWindowRig&) = delete;

    template <class T> T* child(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text() const { return child<QLabel>("lblProgress")->text(); }
    Bars bars() const {
        const auto* status = child<QProgressBar>("pbrStatus");
        const auto* total = child<QProgressBar>("pbrTotal");
        return {text(), status->maximum(), status->value(), total->maximum(), total->value()};
    }
    bool runUntilText(const QString& wanted) {
        return clock.runUntil([&] { return text() == wanted; }, 200s);
    }
    bool runToEnd() {
        return clock.runUntil([this] { return outcome.has_value(); }, 400s);
    }
    QStringList promptTexts() const {
        QStringList texts;
        for (const Prompt& prompt : prompter.prompts) {
            texts << prompt.text;
        }
        return texts;
    }
    // Lets the window go the way the event loop would.
    static void deliverDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    sim::VirtualScheduler clock;
    sim::StavikUnit unit;
    sim::SimulatedSerialControl* line = nullptr; // owned by the window
    ScriptedPrompter prompter{clock};
    FakeHost host;
    CurrentConnection connection{QStringLiteral("1234"),
                                 QStringLiteral("123456"),
                                 QStringLiteral("/dev/ttyS0"),
                                 QString(),
                                 0,
                                 0};
    BlockBuffer blocks{};
    ConfigImage image{};
    QPointer<frmProgress> window;
    std::optional<TransferOutcome> outcome;
};

void saveScreenshot(QWidget* window, const QString& name) {
    const QString dir = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(window->grab().save(dir + QLatin1Char('/') + name));
}

} // namespace

TEST(ProgressWindow, ShowsEverySectionAndHandsTheDownloadOver) {
    ProgressWindowRig rig;
    EXPECT_EQ(rig.window->windowTitle(), QStringLiteral("Tarnwick Download Progress"));
    EXPECT_EQ(rig.child<QPushButton>("cmdCancel")->text(), QStringLiteral("&Cancel"));

    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Site options")));
    EXPECT_EQ(rig.bars(), (Bars{QStringLiteral("Site options"), 6, 1, 251, 0}));
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Channel labels")));
    EXPECT_EQ(rig.bars(), (Bars{QStringLiteral("Channel labels"), 73, 1, 251, 46}));
    rig.clock.advance(10 * 500ms);
    EXPECT_EQ(rig.bars(), (Bars{QStringLiteral("Channel labels"), 73, 11, 251, 56}));
    saveScreenshot(rig.window, QStringLiteral("frm_progress_download.png"));
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Ovin site names")));
    EXPECT_EQ(rig.bars(), (Bars{QStringLiteral("Ovin site names"), 6, 1, 251, 246}));

    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Succeeded);
    ASSERT_EQ(rig.prompter.prompts.size(), 1U);
    EXPECT_EQ(rig.prompter.prompts[0].text, QStringLiteral("Download complete."));
    EXPECT_EQ(rig.prompter.prompts[0].caption, QStringLiteral("Download complete"));
    ASSERT_TRUE(rig.host.loaded.has_value());
    EXPECT_EQ(imageFromBlocks(*rig.host.loaded), rig.unit.memory());
    EXPECT_FALSE(rig.line->portOpen());
    EXPECT_FALSE(rig.window->isVisible());
    rig.deliverDeferredDeletes();
    EXPECT_TRUE(rig.window.isNull()) << "the window goes once the transfer has ended";
}

// Every way of closing asks first; No keeps the transfer going, Yes stops it.
TEST(ProgressWindow, CancelButtonCloseBoxAndEscapeAllAskBeforeStopping) {
    ProgressWindowRig rig;
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Channel settings")));

    rig.prompter.answers = {false, false};
    QTest::mouseClick(rig.child<QPushButton>("cmdCancel"), Qt::LeftButton);
    QTest::keyClick(rig.window, Qt::Key_Escape);
    ASSERT_EQ(rig.prompter.prompts.size(), 2U);
    for (const Prompt& prompt : rig.prompter.prompts) {
        EXPECT_EQ(prompt.text, QStringLiteral("Cancel download?"));
        EXPECT_EQ(prompt.caption, QStringLiteral("Tarnwick"));
    }
    EXPECT_TRUE(rig.window->isVisible());
    const Bars before = rig.bars();
    rig.clock.advance(2000ms);
    EXPECT_EQ(rig.bars().totalValue, before.totalValue + 4) << "the sweep goes on";

    rig.prompter.answers = {true};
    EXPECT_FALSE(rig.window->close()) << "only the transfer's end closes the window";
    ASSERT_EQ(rig.prompter.prompts.size(), 3U);
    ASSERT_TRUE(rig.outcome.has_value());
    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Cancelled);
    EXPECT_FALSE(rig.line->portOpen());
    EXPECT_FALSE(rig.window->isVisible());
    EXPECT_EQ(rig.host.calls.last(), QStringLiteral("start window"));
    rig.deliverDeferredDeletes();
    EXPECT_TRUE(rig.window.isNull());
}

// A failure that ends the transfer while the cancel question is open must not take the window
// (and the engine waiting for the answer) away before the question returns.
TEST(ProgressWindow, OutlivesAQuestionThatWasOpenWhenTheTransferFailed) {
    sim::UnitSetup silent = patternedUnit();
    silent.faults.silent = true;
    ProgressWindowRig rig(silent);
    ASSERT_TRUE(rig.runUntilText(QStringLiteral("Verifying password...")));

    bool failedMeanwhile = false;
    rig.prompter.answers = {true};
    rig.prompter.whileOpen = [&] {
        if (failedMeanwhile) {
            return; // the failure's own message box
        }
        failedMeanwhile = true;
        rig.clock.advance(7000ms); // past the identify timeout
        ASSERT_TRUE(rig.outcome.has_value());
        rig.deliverDeferredDeletes();
        EXPECT_FALSE(rig.window.isNull()) << "deleted under an open question";
    };
    QTest::mouseClick(rig.child<QPushButton>("cmdCancel"), Qt::LeftButton);

    EXPECT_EQ(rig.outcome->kind, TransferOutcome::Kind::Failed);
    EXPECT_EQ(rig.promptTexts(), (QStringList{QStringLiteral("Cancel download?"),
                                              QStringLiteral("Unable to connect: The Stavik "
                                                             "is not responding.")}));
    rig.deliverDeferredDeletes();
    EXPECT_TRUE(rig.window.isNull());
}
