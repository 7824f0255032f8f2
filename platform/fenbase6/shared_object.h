#pragma once

#include "com/com_error.h"
#include "com/com_object.h"
#include "com/connection_point.h"
#include "com/member_dispatch.h"
#include "com/persist.h"
#include "com/property_notify.h"
#include "property_table.h"

namespace tarnwick::fenbase6 {

// What the Caption, Key and Spin objects have in common: automation over a property table,
// property-change signalling (every accepted put; a sink may refuse the edit), and both
// persistence forms. A stream holds a 2-byte format version, then the object's nested
// objects, then the plain properties; a property bag the nested objects and then the plain
// properties under their names.
//
// `Disp` is the automation interface (the identity), `Extra` the object's other interfaces.
template <typename Disp, typename... Extra>
class SharedObject : public com::ComObject<Disp, Extra..., com::IConnectionPointContainer,
                                           com::IPersistStreamInit, com::IPersistPropertyBag> {
    using ObjectBase = com::ComObject<Disp, Extra..., com::IConnectionPointContainer,
                                      com::IPersistStreamInit, com::IPersistPropertyBag>;

public:
    static constexpr std::int16_t kStreamVersion = 1;

    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override {
        return com::dispatchMember(this->GetTypeInfo(), m_source, id, how, args,
                                   [&](const com::MemberInfo&) {
                                       if (how == com::InvokeKind::Get) {
                                           return getProperty(id);
                                       }
                                       putProperty(id, args.back());
                                       return com::Variant();
                                   });
    }

    std::vector<com::ComPtr<com::IConnectionPoint>> EnumConnectionPoints() const override {
        return m_points.all();
    }
    com::HRESULT FindConnectionPoint(const com::Guid& iid,
                                     com::IConnectionPoint** point) override {
        return m_points.find(iid, point);
    }

    bool IsDirty() const override { return m_notifier.isDirty(); }

    void InitNew() override {
        m_properties.resetToDefaults();
        resetNested();
        m_notifier.setDirty(false);
    }

    void Load(com::IStream& stream) override {
        com::StreamReader reader(stream);
        if (reader.readInt16() != kStreamVersion) {
            throw com::ComError(com::STG_E_READFAULT, QStringLiteral("Unknown data version"),
                                m_source);
        }
        loadNested(stream);
        m_properties.load(reader);
        loaded();
    }

    void Save(com::IStream& stream, bool clearDirty) override {
        com::StreamWriter writer(stream);
        writer.writeInt16(kStreamVersion);
        saveNested(stream);
        m_properties.save(writer);
        if (clearDirty) {
            m_notifier.setDirty(false);
        }
    }

    void Load(com::IPropertyBag& bag) override {
        loadNested(bag);
        m_properties.load(bag);
        loaded();
    }

    void Save(com::IPropertyBag& bag, bool clearDirty, bool) override {
        saveNested(bag);
        m_properties.save(bag);
        if (clearDirty) {
            m_notifier.setDirty(false);
        }
    }

protected:
    SharedObject(const std::vector<PropertyDefinition>& definitions, QString source, com::ComModule* module)
        : ObjectBase(module), m_source(std::move(source)), m_properties(definitions), m_notifier(module),
          m_points{m_notifier.point()} {}

    virtual com::Variant getProperty(com::DispId id) { return m_properties.value(id); }

    virtual void putProperty(com::DispId id, const com::Variant& value) {
        com::Variant accepted = m_properties.checked(id, value);
        if (!m_notifier.requestEdit(id)) {
            return;
        }
        m_properties.set(id, std::move(accepted));
        m_notifier.changed(id);
    }

    // The nested objects of a class that has some (both forms), and their new state.
    virtual void saveNested(com::IStream&) {}
    virtual void loadNested(com::IStream&) {}
    virtual void saveNested(com::IPropertyBag&) {}
    virtual void loadNested(com::IPropertyBag&) {}
    virtual void resetNested() {}

    const PropertyTable& properties() const { return m_properties; }
    // Stores a valid value without signalling: a value the owner sets up, not a change.
    void setQuietly(com::DispId id, com::Variant value) { m_properties.set(id, std::move(value)); }
    com::PropertyNotifier& notifier() { return m_notifier; }
    const QString& source() const { return m_source; }

private:
    // Whoever holds the object learns that all its values may have changed.
    void loaded() {
        m_notifier.changed(com::DispIds::Unknown);
        m_notifier.setDirty(false);
    }

    QString m_source;
    PropertyTable m_properties;
    com::PropertyNotifier m_notifier;
    com::ConnectionPointList m_points;
};

} // namespace tarnwick::fenbase6
