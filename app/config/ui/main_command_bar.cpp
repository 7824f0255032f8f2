#include "main_command_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace tarnwick {

namespace {

QAction* tool(QMainWindow& window, const char* name, const char* caption,
              const char* description = nullptr) {
    auto* action = new QAction(QLatin1String(caption), &window);
    action->setObjectName(QLatin1String(name));
    if (description != nullptr)
        action->setStatusTip(QLatin1String(description));
    return action;
}

void setIcon(QMainWindow& window, QAction* action, QStyle::StandardPixmap pixmap) {
    action->setIcon(window.style()->standardIcon(pixmap));
}

} // namespace

MainCommands buildCommandBar(QMainWindow& window) {
    MainCommands c;
    c.miOpen = tool(window, "miOpen", "&Open...", "&Open save settings");
    c.miSave = tool(window, "miSave", "&Save", "Save settings");
    c.miSaveAs = tool(window, "miSaveAs", "Save &As...");
    c.miCompare = tool(window, "miCompare", "&Compare with File...");
    c.miImportOvin = tool(window, "miImportOvin", "Import &Ovin Settings...");
    c.miImportOvin->setEnabled(false);
    c.miExit = tool(window, "miExit", "E&xit");
    c.miDownload = tool(window, "miDownload", "&Download...", "Download settings from Stavik");
    c.miUpload = tool(window, "miUpload", "&Upload...", "Upload settings to Stavik");
    c.miContents = tool(window, "miContents", "&Contents");
    c.miIndex = tool(window, "miIndex", "&Index");
    c.miSearch = tool(window, "miSearch", "&Search");
    c.miWhatsThis = tool(window, "miWhatsThis", "&What's This", "What's This?");
    c.miAbout = tool(window, "miAbout", "&About");

    c.miSave->setShortcut(QKeySequence::Save);
    c.miOpen->setShortcut(QKeySequence::Open);
    c.miWhatsThis->setShortcut(QKeySequence::WhatsThis);
    c.miContents->setShortcut(QKeySequence::HelpContents);
    setIcon(window, c.miOpen, QStyle::SP_DialogOpenButton);
    setIcon(window, c.miSave, QStyle::SP_DialogSaveButton);
    setIcon(window, c.miDownload, QStyle::SP_ArrowDown);
    setIcon(window, c.miUpload, QStyle::SP_ArrowUp);
    setIcon(window, c.miWhatsThis, QStyle::SP_TitleBarContextHelpButton);
    setIcon(window, c.miContents, QStyle::SP_DialogHelpButton);

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addActions({c.miOpen, c.miSave, c.miSaveAs});
    file->addSeparator();
    file->addAction(c.miCompare);
    file->addSeparator();
    file->addAction(c.miImportOvin);
    file->addSeparator();
    file->addAction(c.miExit);

    QMenu* stavik = window.menuBar()->addMenu(QStringLiteral("&Stavik"));
    stavik->addActions({c.miDownload, c.miUpload});

    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addActions({c.miContents, c.miIndex, c.miSearch});
    help->addSeparator();
    help->addAction(c.miWhatsThis);
    help->addSeparator();
    help->addAction(c.miAbout);

    QToolBar* toolbar = window.addToolBar(QStringLiteral("Standard"));
    toolbar->setObjectName(QStringLiteral("abMain"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->addActions({c.miOpen, c.miSave});
    toolbar->addSeparator();
    toolbar->addActions({c.miDownload, c.miUpload});
    toolbar->addSeparator();
    toolbar->addActions({c.miWhatsThis, c.miContents});
    return c;
}

} // namespace tarnwick
