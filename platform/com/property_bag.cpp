#include "property_bag.h"

#include "com_error.h"

#include <algorithm>

namespace tarnwick::com {

const PropertyBag::Entry* PropertyBag::find(const QString& name) const {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&name](const Entry& e) {
        return e.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found != m_entries.end() ? &*found : nullptr;
}

void PropertyBag::store(Entry entry) {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&entry](const Entry& e) {
        return e.name.compare(entry.name, Qt::CaseInsensitive) == 0;
    });
    if (found != m_entries.end()) {
        *found = std::move(entry);
    } else {
        m_entries.push_back(std::move(entry));
    }
}

std::optional<Variant> PropertyBag::Read(const QString& name) {
    const Entry* entry = find(name);
    if (entry == nullptr) {
        return std::nullopt;
    }
    if (entry->isObject) {
        throw ComError::standard(ErrorNumber::TypeMismatch);
    }
    return entry->value;
}

std::optional<ComPtr<IUnknown>> PropertyBag::ReadObject(const QString& name,
                                                        const ObjectCreator& creator) {
    const Entry* entry = find(name);
    if (entry == nullptr) {
        return std::nullopt;
    }
    if (!entry->isObject) {
        throw ComError::standard(ErrorNumber::TypeMismatch);
    }
    if (entry->clsid.isNull()) {
        return ComPtr<IUnknown>();
    }
    const ComPtr<IUnknown> object = creator ? creator(entry->clsid) : ComPtr<IUnknown>();
    if (!object) {
        throw ComError::standard(REGDB_E_CLASSNOTREG);
    }
    const ComPtr<IPersistPropertyBag> persist = object.query<IPersistPropertyBag>();
    if (!persist) {
        throw ComError::standard(E_NOINTERFACE);
    }
    // Held by its own reference: `entry` points into this bag's storage.
    const ComPtr<PropertyBag> nested = entry->nested ? entry->nested : makeObject<PropertyBag>();
    persist->Load(*nested);
    return object;
}

void PropertyBag::Write(const QString& name, const Variant& value) {
    Entry entry{name, {}, false, {}, {}};
    if (value.type() != VariantType::Object) {
        entry.value = value.dereferenced();
        store(std::move(entry));
        return;
    }
    entry.isObject = true;
    if (const ComPtr<IUnknown> object = value.toObject()) {
        const ComPtr<IPersistPropertyBag> persist = object.query<IPersistPropertyBag>();
        if (!persist) {
            throw ComError::standard(E_NOINTERFACE);
        }
        entry.clsid = persist->GetClassID();
        entry.nested = makeObject<PropertyBag>(module());
        persist->Save(*entry.nested, true, true);
    }
    store(std::move(entry));
}

} // namespace tarnwick::com
