#pragma once

#include <QString>

#include <optional>

namespace tarnwick {

// Options of an open or save dialog. `filter` is written as "Description (*.ext)|*.ext".
struct FileDialogOptions {
    QString filter;
    QString initialFolder;
    QString proposedName;         // save only
    bool confirmOverwrite = true; // save only
    // Save only: the extension (without its dot) given to a name typed without one.
    QString defaultSuffix;
};

// Every message box and file dialog of the program goes through this, so that windows and the
// transfer engine can be driven by a script in tests. Captions are given by the caller.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // An OK-only message.
    virtual void information(const QString& text, const QString& caption) = 0;
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
    virtual Answer askYesNoCancel(const QString& text, const QString& caption) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogOptions& options) = 0;
    virtual std::optional<QString> saveFile(const FileDialogOptions& options) = 0;
};

} // namespace tarnwick
