#pragma once

#include "com/variant.h"
#include "fenbase6/fenbase6_api.h"
#include "frame/engine_link.h"

class QWidget;

namespace tarnwick::numlite {

// A field of the Value page: a window of the number engine class for numbers of up to 15
// integer places within ±999999999999999, without spin buttons. Cleared, it holds Null or 0.
class ValueField {
public:
    enum class ClearsTo { Zero, Null };

    ValueField(const fenbase6::FenBase6Api& api, QWidget* parent, ClearsTo clearsTo);

    QWidget* widget() const { return m_widget; }
    // A double, or Null.
    com::Variant value() const;
    void setValue(const com::Variant& value);
    // The places after the point the field shows (those of the control it edits).
    void setDecimalPlaces(std::int16_t places);
    void selectAll();

private:
    QWidget* m_widget = nullptr;
    frame::EngineLink m_engine;
};

} // namespace tarnwick::numlite
