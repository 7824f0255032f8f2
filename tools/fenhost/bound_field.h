#pragma once

#include "com/com_object.h"
#include "com/property_notify.h"

#include <QString>

namespace tarnwick::fenhost {

class BoundField;

// The field's listener on the bound control; ending it cuts the link to the field, since
// the control may hold the sink a while after Unadvise.
class BoundChangeSink : public com::ComObject<com::IPropertyNotifySink> {
public:
    explicit BoundChangeSink(BoundField* field) : m_field(field) {}

    void OnChanged(com::DispId id) override;
    bool OnRequestEdit(com::DispId) override { return true; }
    void end() { m_field = nullptr; }

private:
    BoundField* m_field;
};

// fenhost's data binding: one field of a pretend data source bound to the `DataBind`
// property of one control. The control's change notifications of that property mark the
// field dirty (the user edited it); `push` moves the field's value into the control, as a
// data source does on a new record, and `pull` takes the control's value back, as it does
// before an update. Refusals are the control's automation errors (it fires DBError first).
class BoundField {
public:
    BoundField() = default;
    ~BoundField();
    BoundField(const BoundField&) = delete;
    BoundField& operator=(const BoundField&) = delete;

    // Binds the field to `control`, replacing an earlier binding; error 438 when the control
    // has no `DataBind` member.
    void bind(const QString& name, const com::ComPtr<com::IDispatch>& control);
    void unbind();
    bool isBound() const { return static_cast<bool>(m_control); }
    const QString& controlName() const { return m_name; }

    const QString& value() const { return m_value; }
    // The data source's own value changes; the control is not told until `push`.
    void setValue(const QString& value) { m_value = value; }
    bool isDirty() const { return m_dirty; }

    // Writes the value into the control and clears the dirty mark.
    void push();
    // Reads the control's value into the field and clears the dirty mark.
    void pull();

private:
    friend class BoundChangeSink;
    void controlChanged(com::DispId id);
    com::IDispatch& boundControl() const;

    QString m_name;
    com::ComPtr<com::IDispatch> m_control;
    com::DispId m_dataBind = 0;
    com::ComPtr<BoundChangeSink> m_sink;
    std::uint32_t m_cookie = 0;
    QString m_value;
    bool m_dirty = false;
    bool m_pushing = false; // the field's own write is no edit of the user
};

} // namespace tarnwick::fenhost
