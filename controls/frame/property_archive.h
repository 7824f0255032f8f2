#pragma once

#include "com/persist.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick::frame {

// The saved properties of a control as one list that is walked in the same order to save and
// to load, in either form: each call saves the value under its name, or loads it into the
// variable. Saving into a property bag keeps the names; a stream holds the values one after
// the other (2, 4 or 8 bytes, strings with their byte count, nested objects in the
// object-stream form).
class PropertyArchive {
public:
    virtual ~PropertyArchive() = default;

    virtual bool isLoading() const = 0;
    virtual void int16(const QString& name, std::int16_t& value) = 0;
    virtual void int32(const QString& name, std::int32_t& value) = 0;
    virtual void real(const QString& name, double& value) = 0;
    // A string or none (a missing string, not an empty one).
    virtual void string(const QString& name, std::optional<QString>& value) = 0;
    // A nested object or none; `creator` makes the object a load finds.
    virtual void object(const QString& name, com::ComPtr<com::IUnknown>& object,
                        const com::ObjectCreator& creator) = 0;

    // A boolean, kept as a 16-bit value (true is -1).
    void boolean(const QString& name, bool& value);
    // A 32-bit colour or other unsigned 32-bit value, kept as a 4-byte integer.
    void uint32(const QString& name, std::uint32_t& value);
};

class StreamSaver : public PropertyArchive {
public:
    explicit StreamSaver(com::IStream& stream) : m_stream(stream) {}
    bool isLoading() const override { return false; }
    void int16(const QString& name, std::int16_t& value) override;
    void int32(const QString& name, std::int32_t& value) override;
    void real(const QString& name, double& value) override;
    void string(const QString& name, std::optional<QString>& value) override;
    void object(const QString& name, com::ComPtr<com::IUnknown>& object,
                const com::ObjectCreator& creator) override;

private:
    com::IStream& m_stream;
};

// Reads what StreamSaver wrote; damaged data is ComError(STG_E_READFAULT).
class StreamLoader : public PropertyArchive {
public:
    explicit StreamLoader(com::IStream& stream) : m_stream(stream) {}
    bool isLoading() const override { return true; }
    void int16(const QString& name, std::int16_t& value) override;
    void int32(const QString& name, std::int32_t& value) override;
    void real(const QString& name, double& value) override;
    void string(const QString& name, std::optional<QString>& value) override;
    void object(const QString& name, com::ComPtr<com::IUnknown>& object,
                const com::ObjectCreator& creator) override;

private:
    com::IStream& m_stream;
};

class BagSaver : public PropertyArchive {
public:
    explicit BagSaver(com::IPropertyBag& bag) : m_bag(bag) {}
    bool isLoading() const override { return false; }
    void int16(const QString& name, std::int16_t& value) override;
    void int32(const QString& name, std::int32_t& value) override;
    void real(const QString& name, double& value) override;
    void string(const QString& name, std::optional<QString>& value) override;
    void object(const QString& name, com::ComPtr<com::IUnknown>& object,
                const com::ObjectCreator& creator) override;

private:
    com::IPropertyBag& m_bag;
};

// Loads from a property bag; a name the bag lacks leaves the variable as it is (the new
// control's default), and a value of the wrong type is converted as automation does.
class BagLoader : public PropertyArchive {
public:
    explicit BagLoader(com::IPropertyBag& bag) : m_bag(bag) {}
    bool isLoading() const override { return true; }
    void int16(const QString& name, std::int16_t& value) override;
    void int32(const QString& name, std::int32_t& value) override;
    void real(const QString& name, double& value) override;
    void string(const QString& name, std::optional<QString>& value) override;
    void object(const QString& name, com::ComPtr<com::IUnknown>& object,
                const com::ObjectCreator& creator) override;

private:
    com::IPropertyBag& m_bag;
};

} // namespace tarnwick::frame
