#pragma once

#include "frame/number_field.h"
#include "page_binding.h"

#include <QWidget>
#include <memory>
#include <vector>

namespace tarnwick::frame {

// The window of a property page: one row per field (label and drop-down, number field, check
// box or text line), each widget named after its property ("cboAppearance",
// "txtMarginLeft", "chkReadOnly").
class PropertyPageWindow : public QWidget {
public:
    PropertyPageWindow(const PageDescription& page, const fenbase6::FenBase6Api& api,
                       QWidget* parent);
    ~PropertyPageWindow() override;

    void showValues(const std::vector<com::Variant>& values);
    std::vector<com::Variant> values() const;
    // A refused field: the message box, then its text selected and the focus on it.
    void reportRefusal(std::size_t field);

private:
    struct Editor;

    const PageDescription& m_page;
    std::vector<std::unique_ptr<Editor>> m_editors;
};

} // namespace tarnwick::frame
