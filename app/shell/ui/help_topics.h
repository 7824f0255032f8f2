#pragma once

// The help topics of the program's windows and the What's This pop-ups of their controls.
// The help collection maps every window number to its page (an index keyword whose
// identifier is the number) and holds a pop-up text for every control number in its
// popups.txt; a test holds the collection to both tables.

namespace tarnwick {

namespace HelpContextId {
constexpr int Splash = 10000;
constexpr int ConnSettings = 10001;
constexpr int ConnWizard = 10010;
constexpr int ConnWizardWelcome = 10011;
constexpr int ConnWizardStavikInfo = 10012;
constexpr int ConnWizardConnection = 10013;
constexpr int ConnWizardFinish = 10014;
constexpr int Progress = 10020;
constexpr int MainWindow = 10030;
constexpr int MainLocalOptions = 10031;
constexpr int MainCommunication54 = 10032;
constexpr int MainCommunication56 = 10033;
constexpr int MainChannelSettings = 10034;
constexpr int MainOvinSettings = 10035;
constexpr int MainOvinLabels = 10036;
constexpr int ErrorDialog = 10040;
constexpr int About = 10050;
} // namespace HelpContextId

// A window, or one part of it (a tab, a wizard page), and the number of its help topic.
struct WindowTopic {
    int contextId;
    const char* window;
    const char* part; // empty for the window as a whole
};

inline constexpr WindowTopic kWindowTopics[] = {
    {HelpContextId::Splash, "frmSplash", ""},
    {HelpContextId::ConnSettings, "frmConnSettings", ""},
    {HelpContextId::ConnWizard, "frmConnWiz", ""},
    {HelpContextId::ConnWizardWelcome, "frmConnWiz", "Welcome"},
    {HelpContextId::ConnWizardStavikInfo, "frmConnWiz", "Stavik Information"},
    {HelpContextId::ConnWizardConnection, "frmConnWiz", "Connection"},
    {HelpContextId::ConnWizardFinish, "frmConnWiz", "Finish"},
    {HelpContextId::Progress, "frmProgress", ""},
    {HelpContextId::MainWindow, "frmMain", ""},
    {HelpContextId::MainLocalOptions, "frmMain", "Local Options"},
    {HelpContextId::MainCommunication54, "frmMain", "Communication (5.4 / 5.5)"},
    {HelpContextId::MainCommunication56, "frmMain", "Communication (5.6)"},
    {HelpContextId::MainChannelSettings, "frmMain", "Channel Settings"},
    {HelpContextId::MainOvinSettings, "frmMain", "Ovin Settings"},
    {HelpContextId::MainOvinLabels, "frmMain", "Ovin Labels"},
    {HelpContextId::ErrorDialog, "frmError", ""},
    {HelpContextId::About, "frmAbout", ""},
};

// A control (a widget or a menu command, by object name; the members of a control array
// share their name) and the number of its What's This pop-up.
struct ControlPopup {
    const char* window;
    const char* control;
    int contextId;
};

inline constexpr ControlPopup kControlPopups[] = {
    {"frmSplash", "cmdDownLoad", 11001},
    {"frmSplash", "cmdOpenFile", 11002},
    {"frmSplash", "cmdHelp", 11003},
    {"frmSplash", "cmdExit", 11004},

    {"frmConnSettings", "optConn", 11101},
    {"frmConnSettings", "cboConnList", 11102},
    {"frmConnSettings", "cmdBrowse", 11103},
    {"frmConnSettings", "txtSN", 11104},
    {"frmConnSettings", "txtSL", 11105},
    {"frmConnSettings", "txtDevice", 11106},
    {"frmConnSettings", "txtPhone", 11107},
    {"frmConnSettings", "txtPassword", 11108},
    {"frmConnSettings", "cboDestLet", 11109},
    {"frmConnSettings", "chkRestCalib", 11110},
    {"frmConnSettings", "cmdOK", 11111},
    {"frmConnSettings", "cmdCancel", 11112},
    {"frmConnSettings", "cmdHelp", 11113},

    {"frmConnWiz", "optParent", 11201},
    {"frmConnWiz", "txtSN", 11202},
    {"frmConnWiz", "cboSL", 11203},
    {"frmConnWiz", "txtPW", 11204},
    {"frmConnWiz", "txtPSN", 11205},
    {"frmConnWiz", "cboPSL", 11206},
    {"frmConnWiz", "txtPPW", 11207},
    {"frmConnWiz", "cboChildSL", 11208},
    {"frmConnWiz", "optDevice", 11209},
    {"frmConnWiz", "cboComPort", 11210},
    {"frmConnWiz", "cboModem", 11211},
    {"frmConnWiz", "txtPhoneNum", 11212},
    {"frmConnWiz", "chkSave", 11213},
    {"frmConnWiz", "chkSavePass", 11214},
    {"frmConnWiz", "cmdBack", 11215},
    {"frmConnWiz", "cmdNext", 11216},
    {"frmConnWiz", "cmdCancel", 11217},
    {"frmConnWiz", "cmdFinish", 11218},

    {"frmProgress", "lblProgress", 11301},
    {"frmProgress", "pbrStatus", 11302},
    {"frmProgress", "pbrTotal", 11303},
    {"frmProgress", "cmdCancel", 11304},

    {"frmMain", "txtSiteLabel", 11401},
    {"frmMain", "chkLimMon", 11402},
    {"frmMain", "chkLocOpt", 11403},
    {"frmMain", "chkChangePass", 11404},
    {"frmMain", "txtMstrPass", 11405},
    {"frmMain", "txtNewMstrPass", 11406},
    {"frmMain", "txtNewUsrPass", 11407},
    {"frmMain", "chkBaud", 11410},
    {"frmMain", "fenBaud", 11411},
    {"frmMain", "txtHighChan", 11412},
    {"frmMain", "fenDataRx", 11413},
    {"frmMain", "fenDataTx", 11414},
    {"frmMain", "fenBaud56", 11420},
    {"frmMain", "txtHighChan56", 11421},
    {"frmMain", "fenDataRx56", 11422},
    {"frmMain", "grdChanSettings", 11430},
    {"frmMain", "chkCall", 11440},
    {"frmMain", "chkAnswer", 11441},
    {"frmMain", "txtPhRings", 11442},
    {"frmMain", "txtPhoneNum", 11443},
    {"frmMain", "grdSignOn", 11444},
    {"frmMain", "olbOvinLabels", 11450},
    {"frmMain", "grdOvinSite", 11451},
    {"frmMain", "grdOvinChanLabel", 11452},
    {"frmMain", "grdOvinUnits", 11453},
    {"frmMain", "grdOvinStatus", 11454},
    {"frmMain", "miOpen", 11460},
    {"frmMain", "miSave", 11461},
    {"frmMain", "miSaveAs", 11462},
    {"frmMain", "miDownload", 11463},
    {"frmMain", "miUpload", 11464},
    {"frmMain", "miContents", 11465},
    {"frmMain", "miWhatsThis", 11466},
    {"frmMain", "lblSL", 11470},
    {"frmMain", "lblVer", 11471},
    {"frmMain", "lblFileDate", 11472},
    {"frmMain", "lblSyncDate", 11473},

    {"frmError", "lblError", 11501},
    {"frmError", "cmdDetails", 11502},
    {"frmError", "cmdCopy", 11503},
    {"frmError", "cmdOK", 11504},

    {"frmAbout", "lblLink", 11601},
    {"frmAbout", "cmdSysInfo", 11602},
    {"frmAbout", "cmdOK", 11603},
};

} // namespace tarnwick
