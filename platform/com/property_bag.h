#pragma once

#include "com_object.h"
#include "persist.h"

#include <vector>

namespace tarnwick::com {

// A host's property bag in memory: named values in the order they were first written, and
// nested objects as their class identity with a bag of their own values.
class PropertyBag : public ComObject<IPropertyBag> {
public:
    struct Entry {
        QString name;
        Variant value;              // a plain value (when !isObject)
        bool isObject = false;      // a nested object
        Guid clsid;                 // its class; null for an absent object
        ComPtr<PropertyBag> nested; // its values (null for an absent object)
    };

    explicit PropertyBag(ComModule* module = nullptr) : ComObject(module) {}

    std::optional<Variant> Read(const QString& name) override;
    std::optional<ComPtr<IUnknown>> ReadObject(const QString& name,
                                               const ObjectCreator& creator) override;
    void Write(const QString& name, const Variant& value) override;

    const std::vector<Entry>& entries() const { return m_entries; }
    // Stores an entry as it is, replacing one of the same name (a bag read from a file).
    void store(Entry entry);

private:
    const Entry* find(const QString& name) const;

    std::vector<Entry> m_entries;
};

} // namespace tarnwick::com
