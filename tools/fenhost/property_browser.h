#pragma once

#include "com/dispatch.h"

#include <QTableWidget>
#include <functional>

namespace tarnwick::fenhost {

// The property list of one control, from its type information: every readable property that
// is not hidden, by name, with its value; properties that can be set are edited in place
// (values as the script language writes them).
class PropertyBrowser : public QTableWidget {
public:
    explicit PropertyBrowser(QWidget* parent = nullptr);

    // Shows `control` (null shows nothing).
    void showControl(com::IDispatch* control);
    void refresh();

    // Told about a refused value (the list shows the control's value again).
    std::function<void(const QString& message)> onError;

private:
    void commit(QTableWidgetItem* item);

    com::ComPtr<com::IDispatch> m_control;
    bool m_filling = false;
};

} // namespace tarnwick::fenhost
