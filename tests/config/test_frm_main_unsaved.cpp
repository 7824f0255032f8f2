// Edits that no file holds: they survive a cancelled or failed save and a cancelled upload,
// and Open and Download offer to save them before replacing the window's contents.

#include "main_window_fixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save changes?");

} // namespace

class UnsavedEditsTest : public MainWindowTest {
protected:
    // The window on a copy of the sample, shown, with its site label edited.
    frmMain& editedWindow() {
        QFile::copy(kSampleSettings, copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        frmMain& w = makeWindow();
        program.mainWindowActive = true;
        EXPECT_TRUE(w.OpenSettingsFile(copy));
        w.show();
        siteLabel().setText(QStringLiteral("LIFT 4"));
        return w;
    }
    QLineEdit& siteLabel() { return child<QLineEdit>("txtSiteLabel"); }
    QString savedSiteLabel() const {
        return QString::fromLatin1(
            reinterpret_cast<const char*>(readSettingsFile(copy)->image.data()) + 339, 6);
    }
    void trigger(const char* command) {
        window->findChild<QAction*>(QLatin1String(command))->trigger();
    }

    const QString copy = dir.filePath(QStringLiteral("lift.stv"));
};

// Whatever stored the edits into the image on the way, the window still holds changes that
// no file holds, and closing asks.
TEST_F(UnsavedEditsTest, ACancelledOrFailedSaveOrACancelledUploadKeepsTheEdits) {
    const std::vector<std::pair<const char*, std::function<void(frmMain&)>>> ways{
        {"cancelled Save As",
         [this](frmMain& w) {
             prompter.scriptPath(std::nullopt);
             EXPECT_FALSE(w.SaveSettings(true));
         }},
        {"failed Save As",
         [this](frmMain& w) {
             prompter.scriptPath(dir.filePath(QStringLiteral("no/such/folder/x.stv")));
             EXPECT_FALSE(w.SaveSettings(true));
         }},
        {"cancelled Upload", [this](frmMain&) { trigger("miUpload"); }},
    };
    for (const auto& [what, way] : ways) {
        SCOPED_TRACE(what);
        frmMain& w = editedWindow();
        way(w);
        EXPECT_TRUE(w.unsavedInImage());
        EXPECT_TRUE(w.HasChanges());
        EXPECT_TRUE(w.isWindowModified());
        EXPECT_EQ(savedSiteLabel(), QStringLiteral("LIFT 3"));

        prompter.scriptAnswer(Prompter::Answer::Cancel);
        EXPECT_FALSE(w.close());
        EXPECT_EQ(prompter.calls.back().text, kSaveQuestion);
        prompter.scriptAnswer(Prompter::Answer::Yes);
        EXPECT_TRUE(w.close());
        EXPECT_EQ(savedSiteLabel(), QStringLiteral("LIFT 4"));
        EXPECT_FALSE(w.HasChanges()) << "a save that succeeds clears them";
        QFile::remove(copy);
        prompter.calls.clear();
        errors.reports.clear();
    }
}

TEST_F(UnsavedEditsTest, OpeningAnotherFileDiscardsWhatTheImageHeld) {
    frmMain& w = editedWindow();
    prompter.scriptPath(std::nullopt);
    w.SaveSettings(true);
    ASSERT_TRUE(w.HasChanges());
    ASSERT_TRUE(w.OpenSettingsFile(kSampleSettings));
    EXPECT_FALSE(w.HasChanges());
    EXPECT_FALSE(w.isWindowModified());
}

// A name typed without an extension gets the dialog's own; a name with one keeps it.
TEST_F(UnsavedEditsTest, SavedFilesGetTheExtensionTheOpenDialogLooksFor) {
    frmMain& w = editedWindow();
    prompter.scriptPath(dir.filePath(QStringLiteral("LIFT 4")));
    ASSERT_TRUE(w.SaveSettings(true));
    EXPECT_EQ(prompter.calls.back().options.defaultSuffix, QStringLiteral("stv"));
    EXPECT_TRUE(readSettingsFile(dir.filePath(QStringLiteral("LIFT 4.stv"))).has_value());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("LIFT 4"))));

    prompter.scriptPath(dir.filePath(QStringLiteral("lift.bak")));
    ASSERT_TRUE(w.SaveSettings(true));
    EXPECT_TRUE(readSettingsFile(dir.filePath(QStringLiteral("lift.bak"))).has_value());
}

// Open and Download ask as closing does, before their own dialog: Yes saves and goes on
// (a save that does not happen stops the command), No goes on, Cancel stops.
TEST_F(UnsavedEditsTest, OpenAndDownloadAskBeforeReplacingEdits) {
    struct Command {
        const char* name;
        std::function<void()> scriptGoingOn; // the command's own dialog
        std::function<bool()> wentOn;
    };
    const Command commands[] = {
        {"miOpen", [this] { prompter.scriptPath(std::nullopt); },
         [this] {
             return !prompter.calls.empty() &&
                    prompter.calls.back().kind == PromptCall::Kind::OpenFile;
         }},
        {"miDownload", [] {}, [this] { return connectionDialogs == std::vector<bool>{false}; }},
    };
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        const auto reset = [&] {
            prompter.calls.clear();
            connectionDialogs.clear();
            QFile::remove(copy);
        };

        // No edits: no question.
        reset();
        editedWindow();
        siteLabel().setText(QStringLiteral("LIFT 3"));
        command.scriptGoingOn();
        trigger(command.name);
        EXPECT_TRUE(command.wentOn());
        EXPECT_TRUE(std::none_of(prompter.calls.begin(), prompter.calls.end(), [](const auto& c) {
            return c.kind == PromptCall::Kind::YesNoCancel;
        }));

        // Yes: saved to the current file, then the command goes on.
        reset();
        editedWindow();
        prompter.scriptAnswer(Prompter::Answer::Yes);
        command.scriptGoingOn();
        trigger(command.name);
        EXPECT_EQ(prompter.calls.front().text, kSaveQuestion);
        EXPECT_EQ(savedSiteLabel(), QStringLiteral("LIFT 4"));
        EXPECT_TRUE(command.wentOn());

        // Yes, but the Save As dialog is cancelled: the command stops, the edits stay.
        reset();
        editedWindow();
        program.currentFile.clear();
        prompter.scriptAnswer(Prompter::Answer::Yes);
        prompter.scriptPath(std::nullopt);
        trigger(command.name);
        EXPECT_EQ(prompter.calls.size(), 2u);
        EXPECT_TRUE(connectionDialogs.empty());
        EXPECT_EQ(siteLabel().text(), QStringLiteral("LIFT 4"));
        EXPECT_TRUE(window->HasChanges());

        // No: the command goes on without saving.
        reset();
        editedWindow();
        prompter.scriptAnswer(Prompter::Answer::No);
        command.scriptGoingOn();
        trigger(command.name);
        EXPECT_TRUE(command.wentOn());
        EXPECT_EQ(savedSiteLabel(), QStringLiteral("LIFT 3"));

        // Cancel: nothing happens, the edits stay.
        reset();
        editedWindow();
        prompter.scriptAnswer(Prompter::Answer::Cancel);
        trigger(command.name);
        EXPECT_EQ(prompter.calls.size(), 1u);
        EXPECT_TRUE(connectionDialogs.empty());
        EXPECT_EQ(siteLabel().text(), QStringLiteral("LIFT 4"));
        EXPECT_TRUE(errors.reports.empty());
    }
}
