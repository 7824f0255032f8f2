#pragma once

#include "com/variant.h"
#include "engine_link.h"
#include "fenbase6/fenbase6_api.h"

class QWidget;

namespace tarnwick::frame {

// A numeric field of a property page: a window of the number engine class set up as an
// integer field from `minimum` to `maximum`, without spin buttons.
class NumberField {
public:
    NumberField(const fenbase6::FenBase6Api& api, QWidget* parent, std::int32_t minimum,
                std::int32_t maximum);

    QWidget* widget() const { return m_widget; }
    // The field's value as a 32-bit integer; Null when the field is empty.
    com::Variant value() const;
    void setValue(const com::Variant& value);
    // Selects the whole text.
    void selectAll();

private:
    QWidget* m_widget = nullptr;
    EngineLink m_engine;
};

} // namespace tarnwick::frame
