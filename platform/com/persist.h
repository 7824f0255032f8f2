#pragma once

#include "com_ptr.h"
#include "stream.h"
#include "variant.h"

#include <QString>
#include <functional>
#include <optional>

namespace tarnwick::com {

// Creates an object of the class `clsid` for loading (nested objects in saved data); null
// when it knows no such class. The reader of the data supplies it, because it knows the
// classes it expects (its own library's, the standard font) and where others come from.
using ObjectCreator = std::function<ComPtr<IUnknown>(const Guid& clsid)>;

struct IPersist : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x0000010C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    virtual Guid GetClassID() const = 0;
};

// Saving to and loading from a stream. Load and Save throw ComError on failure.
struct IPersistStreamInit : IPersist {
    using Base = IPersist;
    static constexpr Guid kIid{
        0x7FD52380, 0x4E07, 0x101B, {0xAE, 0x2D, 0x08, 0x00, 0x2B, 0x2E, 0xC7, 0x13}};

    // Whether the object changed since it was created, loaded or saved with `clearDirty`.
    virtual bool IsDirty() const = 0;
    virtual void Load(IStream& stream) = 0;
    virtual void Save(IStream& stream, bool clearDirty) = 0;
    // Sets up a new object (no saved state).
    virtual void InitNew() = 0;
};

// Named values of a saved object.
struct IPropertyBag : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x55272A00, 0x42CB, 0x11CE, {0x81, 0x35, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

    // The value stored under `name` (names compare without regard to case); none when there
    // is none. A nested object is read with ReadObject; reading it here is error 13.
    virtual std::optional<Variant> Read(const QString& name) = 0;
    // The nested object stored under `name`, created by `creator` and loaded: none when
    // nothing is stored under `name`, null when an absent object ("Nothing") is.
    virtual std::optional<ComPtr<IUnknown>> ReadObject(const QString& name,
                                                       const ObjectCreator& creator) = 0;
    // Stores `value` under `name`, replacing an earlier value. An object value is saved as a
    // nested object (it must be able to save itself to a property bag); Nothing as absent.
    virtual void Write(const QString& name, const Variant& value) = 0;
};

// Saving to and loading from a property bag. Load and Save throw ComError on failure.
struct IPersistPropertyBag : IPersist {
    using Base = IPersist;
    static constexpr Guid kIid{
        0x37D84F60, 0x42CB, 0x11CE, {0x81, 0x35, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

    virtual void InitNew() = 0;
    virtual void Load(IPropertyBag& bag) = 0;
    virtual void Save(IPropertyBag& bag, bool clearDirty, bool saveAllProperties) = 0;
};

} // namespace tarnwick::com
