#include "modal_helper.h"
#include "shell/app_error.h"
#include "shell/file_dialog_text.h"
#include "shell/ui/dialog_error_reporter.h"
#include "shell/ui/frm_error.h"
#include "shell/ui/qt_prompter.h"
#include "support/qt_printers.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using tarnwick::test::whenModalOpens;

namespace {
// Types a path into a file dialog's name field and confirms it, as a user would.
void typeAndAccept(QWidget* modal, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}

void clickMessageButton(QWidget* modal, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    box->button(which)->click();
}
} // namespace

TEST(DialogErrorReporter, ShowsTheReportModallyOverTheOwnerUntilOk) {
    QWidget owner;
    owner.show();
    DialogErrorReporter reporter(&owner);
    QWidget* seenParent = nullptr;
    QString seenMessage, seenSource;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<frmError*>(modal);
        ASSERT_NE(dialog, nullptr);
        seenParent = dialog->parentWidget();
        seenMessage = dialog->findChild<QLabel*>(QStringLiteral("lblError"))->text();
        seenSource = dialog->findChild<QLabel*>(QStringLiteral("lblErrSource"))->text();
        dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    reporter.ReportError(QStringLiteral("Unable to open the settings file."),
                         AppError::standard(ErrorNumber::FileNotFound));
    EXPECT_EQ(seenParent, &owner);
    EXPECT_EQ(seenMessage, QStringLiteral("Unable to open the settings file."));
    EXPECT_EQ(seenSource, QStringLiteral("tarnwick"));
    // The dialog is gone once the call returns.
    EXPECT_EQ(owner.findChild<frmError*>(), nullptr);
}

TEST(DialogErrorReporter, OwnerClosedWhileTheDialogIsOpenIsHarmless) {
    auto* owner = new QWidget;
    owner->show();
    DialogErrorReporter reporter(owner);
    whenModalOpens([&](QWidget*) { delete owner; });
    EXPECT_NO_THROW(reporter.ReportError(QStringLiteral("m"), QStringLiteral("1"), {}, {}));
}

TEST(QtPrompter, QuestionsShowTextAndCaptionAndAnswerTheButtonPressed) {
    QtPrompter prompter;
    QString text, caption;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompter.askYesNo(QStringLiteral("COM1 <is> used.\r\nDisconnect?"),
                                  QStringLiteral("Tarnwick")));
    EXPECT_EQ(text, QStringLiteral("COM1 <is> used.\nDisconnect?"));
    EXPECT_EQ(caption, QStringLiteral("Tarnwick"));

    // Closing the box is Cancel.
    whenModalOpens([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(prompter.askYesNoCancel(QStringLiteral("q"), QStringLiteral("c")),
              Prompter::Answer::Cancel);
}

TEST(QtPrompter, SaveDialogStartsInTheFolderWithFilterAndValidProposedName) {
    QTemporaryDir folder;
    QtPrompter prompter;
    QStringList filters;
    QString directory, typed;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        directory = dialog->directory().absolutePath();
        typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dialog->reject();
    });
    FileDialogOptions options;
    options.filter = QStringLiteral("Tarnwick Connections (*.tlc)|*.tlc");
    options.initialFolder = folder.path();
    options.proposedName = QStringLiteral("site.tlc");
    EXPECT_EQ(prompter.saveFile(options), std::nullopt);
    EXPECT_EQ(filters, QStringList{QStringLiteral("Tarnwick Connections (*.tlc)")});
    EXPECT_EQ(directory, folder.path());
    EXPECT_EQ(typed, QStringLiteral("site.tlc"));

    // A name that is not a bare file name is not proposed.
    whenModalOpens([&](QWidget* modal) {
        typed = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        qobject_cast<QDialog*>(modal)->reject();
    });
    options.proposedName = QStringLiteral("../elsewhere/site.tlc");
    EXPECT_EQ(prompter.saveFile(options), std::nullopt);
    EXPECT_EQ(typed, QString());
}

TEST(QtPrompter, SaveIntoAMissingFolderIsRefusedAndTheDialogShownAgain) {
    QTemporaryDir folder;
    QtPrompter prompter;
    const QString missing = folder.filePath(QStringLiteral("missing/site.tlc"));
    const QString good = folder.filePath(QStringLiteral("site"));
    QString warning;
    whenModalOpens([&](QWidget* dialog) {
        whenModalOpens([&](QWidget* box) {
            warning = qobject_cast<QMessageBox*>(box)->text();
            whenModalOpens([&](QWidget* again) { typeAndAccept(again, good); });
            clickMessageButton(box, QMessageBox::Ok);
        });
        typeAndAccept(dialog, missing);
    });
    FileDialogOptions options;
    options.filter = QStringLiteral("Tarnwick Connections (*.tlc)|*.tlc");
    options.initialFolder = folder.path();
    EXPECT_EQ(prompter.saveFile(options), good); // no extension asked for, none added
    EXPECT_TRUE(warning.contains(QStringLiteral("does not exist")));
}

// A name typed without an extension gets the one asked for, before the overwrite question,
// so that the file asked about is the one written; a name with an extension keeps it.
TEST(QtPrompter, SaveGivesANameWithoutExtensionTheDefaultOne) {
    QTemporaryDir folder;
    QtPrompter prompter;
    FileDialogOptions options;
    options.filter = QStringLiteral("Tarnwick Files (*.stv)|*.stv");
    options.initialFolder = folder.path();
    options.defaultSuffix = QStringLiteral("stv");
    whenModalOpens(
        [&](QWidget* dialog) { typeAndAccept(dialog, folder.filePath(QStringLiteral("LIFT 3"))); });
    EXPECT_EQ(prompter.saveFile(options), folder.filePath(QStringLiteral("LIFT 3.stv")));
    whenModalOpens([&](QWidget* dialog) {
        typeAndAccept(dialog, folder.filePath(QStringLiteral("lift.bak")));
    });
    EXPECT_EQ(prompter.saveFile(options), folder.filePath(QStringLiteral("lift.bak")));

    EXPECT_EQ(withDefaultSuffix(QStringLiteral("/a/LIFT 3"), QStringLiteral("stv")),
              QStringLiteral("/a/LIFT 3.stv"));
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("/a.b/site"), QStringLiteral("tlc")),
              QStringLiteral("/a.b/site.tlc"));
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("/a/site.TLC"), QStringLiteral("tlc")),
              QStringLiteral("/a/site.TLC"));
    EXPECT_EQ(withDefaultSuffix(QStringLiteral("/a/site"), QString()), QStringLiteral("/a/site"));
}
