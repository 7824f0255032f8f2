#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tarnwick {

// The connection settings dialog's controls, named as the window names them (control arrays
// share their object name and are indexed from 0).
struct ConnSettingsUi {
    QGroupBox* fraChoose = nullptr;
    std::array<QRadioButton*, 3> optConn{};
    QComboBox* cboConnList = nullptr;
    QToolButton* cmdBrowse = nullptr;

    QGroupBox* fraSettings = nullptr;
    // "Serial Number:", "Site Letter:", "Password:".
    std::array<QLabel*, 3> lblSettings{};
    QLineEdit* txtSN = nullptr;
    QLineEdit* txtSL = nullptr;
    QLabel* lblCOM = nullptr;
    QLineEdit* txtDevice = nullptr;
    QLabel* lblPhone = nullptr;
    QLineEdit* txtPhone = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLabel* lblDestLet = nullptr;
    QComboBox* cboDestLet = nullptr;

    QGroupBox* fraCalib = nullptr;
    QCheckBox* chkRestCalib = nullptr;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
};

// Lays the dialog's controls out in `window`, in tab order.
ConnSettingsUi buildConnSettingsUi(QDialog& window);

} // namespace tarnwick
