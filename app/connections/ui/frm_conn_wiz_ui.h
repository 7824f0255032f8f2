#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace tarnwick {

// The connection wizard's controls, named as the window names them (control arrays share
// their object name and are indexed from 0).
struct ConnWizUi {
    QTabWidget* tabWiz = nullptr;
    std::array<QLabel*, 4> lblProgress{};
    std::array<QLabel*, 4> sspArrow{};

    // Welcome
    std::array<QRadioButton*, 2> optParent{};
    std::array<QLabel*, 2> lblParent{};
    std::array<QLabel*, 2> sspDiagram{};

    // Stavik Information
    QLabel* lblStavikInfo = nullptr;
    std::array<QWidget*, 2> fraStavikInfo{};
    QLineEdit* txtSN = nullptr;
    QComboBox* cboSL = nullptr;
    QLineEdit* txtPW = nullptr;
    QLineEdit* txtPSN = nullptr;
    QComboBox* cboPSL = nullptr;
    QLineEdit* txtPPW = nullptr;
    QComboBox* cboChildSL = nullptr;
    std::array<QLabel*, 2> sspCnnDiagram{};

    // Connection
    std::array<QRadioButton*, 2> optDevice{};
    std::array<QWidget*, 2> fraDevice{};
    QComboBox* cboComPort = nullptr;
    QComboBox* cboModem = nullptr;
    QLineEdit* txtPhoneNum = nullptr;

    // Finish
    QCheckBox* chkSave = nullptr;
    QCheckBox* chkSavePass = nullptr;
    QLabel* lblFinish = nullptr;

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdFinish = nullptr;
};

// Lays the wizard's pages, side panel and buttons out in `window`, in tab order.
ConnWizUi buildConnWizUi(QDialog& window);

} // namespace tarnwick
