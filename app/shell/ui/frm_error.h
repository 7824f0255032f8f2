#pragma once

#include "shell/error_report.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarnwick {

// The error dialog: a friendly sentence and, on request, the failure's number, source and
// description, which can be copied for a support call. Its own handlers never fail outward,
// so that showing an error can never raise another one.
class frmError final : public QDialog {
    Q_OBJECT

public:
    // Every widget of the detail area carries this tag in its "tag" property; showing and
    // hiding the details works on the tag.
    static inline const QString kDetailsTag = QStringLiteral("Details");
    static constexpr const char* kTagProperty = "tag";

    explicit frmError(QWidget* owner = nullptr);

    void SetError(const QString& strFriendlyMsg, const QString& strNum, const QString& strSource,
                  const QString& strDescription);

    bool DetailsShown() const { return m_detailsShown; }

private:
    void cmdDetailsClick();
    void cmdCopyClick();
    void showDetails(bool shown);

    QLabel* m_lblError;
    QLabel* m_lblErrNum;
    QLabel* m_lblErrSource;
    QLabel* m_lblErrDescription;
    QPushButton* m_cmdDetails;
    ErrorReport m_report;
    bool m_detailsShown = false;
};

} // namespace tarnwick
