#include "qt_prompter.h"

#include "shell/file_dialog_text.h"
#include "shell/ui/owner_window.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace tarnwick {

namespace {
// Messages are composed with CR LF line breaks; a label breaks lines at LF alone.
QString displayText(const QString& text) {
    QString result = text;
    return result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QFileDialog* makeFileDialog(QWidget* owner, const FileDialogOptions& options) {
    auto* dialog = new QFileDialog(owner);
    dialog->setWindowModality(Qt::ApplicationModal);
    const QStringList filters = toQtNameFilters(options.filter);
    if (!filters.isEmpty())
        dialog->setNameFilters(filters);
    if (!options.initialFolder.isEmpty())
        dialog->setDirectory(options.initialFolder);
    return dialog;
}

std::optional<QString> firstSelectedFile(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.constFirst();
}
} // namespace

QMessageBox::StandardButton QtPrompter::showMessage(QMessageBox::Icon icon, const QString& text,
                                                    const QString& caption,
                                                    QMessageBox::StandardButtons buttons) {
    // Held by a guard: the owner may be destroyed while the box runs, taking it along.
    QPointer<QMessageBox> box =
        new QMessageBox(icon, caption, displayText(text), buttons, ownerOrActiveWindow(m_owner));
    // Texts may carry names from outside the program (ports, serial numbers): never markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    const int result = box->exec();
    delete box.data();
    return static_cast<QMessageBox::StandardButton>(result);
}

void QtPrompter::information(const QString& text, const QString& caption) {
    showMessage(QMessageBox::Information, text, caption, QMessageBox::Ok);
}

bool QtPrompter::askYesNo(const QString& text, const QString& caption) {
    return showMessage(QMessageBox::Question, text, caption, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

Prompter::Answer QtPrompter::askYesNoCancel(const QString& text, const QString& caption) {
    switch (showMessage(QMessageBox::Question, text, caption,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::openFile(const FileDialogOptions& options) {
    QPointer<QFileDialog> dialog = makeFileDialog(ownerOrActiveWindow(m_owner), options);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    std::optional<QString> path;
    if (dialog->exec() == QDialog::Accepted && dialog)
        path = firstSelectedFile(*dialog);
    delete dialog.data();
    return path;
}

std::optional<QString> QtPrompter::saveFile(const FileDialogOptions& options) {
    QPointer<QFileDialog> dialog = makeFileDialog(ownerOrActiveWindow(m_owner), options);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    // Added before the overwrite check, so the file asked about is the one written.
    dialog->setDefaultSuffix(options.defaultSuffix);
    if (isValidProposedName(options.proposedName))
        dialog->selectFile(options.proposedName);
    std::optional<QString> path;
    while (dialog->exec() == QDialog::Accepted && dialog) {
        path = firstSelectedFile(*dialog);
        if (!path || QFileInfo(*path).dir().exists())
            break;
        showMessage(QMessageBox::Warning,
                    QStringLiteral("The folder %1 does not exist.")
                        .arg(QDir::toNativeSeparators(QFileInfo(*path).path())),
                    dialog->windowTitle(), QMessageBox::Ok);
        path.reset();
        if (!dialog)
            break;
    }
    delete dialog.data();
    return path;
}

} // namespace tarnwick
