#pragma once

#include "com/com_ptr.h"
#include "com/dispatch.h"
#include "frame/fen_enums.h"

#include <QString>
#include <optional>
#include <vector>

namespace tarnwick::frame {

// One field of a property page, bound to a property of the selected controls.
struct PageField {
    enum class Kind {
        List,   // a drop-down of an enumeration's page texts
        Number, // an integer field of the number engine with a minimum and maximum
        Check,  // a check box
        Text,   // a line of text
    };

    Kind kind = Kind::Text;
    com::DispId id = 0;
    QString property; // the property's name; the field's widget is named after it
    QString label;    // the text beside the field, or of the check box
    const FenEnumeration* enumeration = nullptr; // List
    std::int32_t minimum = 0;                    // Number
    std::int32_t maximum = 0;
    int maxLength = 0; // Text; 0 for no limit
    QString refusalText = QStringLiteral("Invalid property value");
};

struct PageDescription {
    QString title;
    std::vector<PageField> fields;
};

// A page's link to the selected controls: it reads the first one and writes every value to
// all of them.
class PageBinding {
public:
    void setObjects(const std::vector<com::ComPtr<com::IUnknown>>& objects);
    bool hasObjects() const { return !m_objects.empty(); }

    // The value of each field's property in the first selected control.
    std::vector<com::Variant> read(const PageDescription& page) const;
    // Puts every field's value into every selected control, in field order; answers the
    // field whose value a control refused (nothing after it is written), or none.
    std::optional<std::size_t> apply(const PageDescription& page,
                                     const std::vector<com::Variant>& values) const;

private:
    std::vector<com::ComPtr<com::IDispatch>> m_objects;
};

} // namespace tarnwick::frame
