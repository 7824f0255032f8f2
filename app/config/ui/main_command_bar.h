#pragma once

class QAction;
class QMainWindow;

namespace tarnwick {

// The tools of the main window's command bar, by their names. Each is an action named like
// the tool, in its menu and, for some, on the toolbar.
struct MainCommands {
    QAction* miOpen = nullptr;
    QAction* miSave = nullptr;
    QAction* miSaveAs = nullptr;
    QAction* miCompare = nullptr;
    QAction* miImportOvin = nullptr;
    QAction* miExit = nullptr;
    QAction* miDownload = nullptr;
    QAction* miUpload = nullptr;
    QAction* miContents = nullptr;
    QAction* miIndex = nullptr;
    QAction* miSearch = nullptr;
    QAction* miWhatsThis = nullptr;
    QAction* miAbout = nullptr;
};

// Builds the menus "&File", "&Stavik" and "&Help" and the toolbar of `window`. The actions are
// not connected; "Import &Ovin Settings..." has no action in this program and stays disabled.
MainCommands buildCommandBar(QMainWindow& window);

} // namespace tarnwick
