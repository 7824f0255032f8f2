#pragma once

#include "com_ptr.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <variant>

namespace tarnwick::com {

// Type tags, with the classic numbers (they are persisted, e.g. as a numeric value's tag).
enum class VariantType : std::uint16_t {
    Empty = 0,
    Null = 1,
    Int16 = 2,
    Int32 = 3,
    Double = 5,
    String = 8,
    Object = 9,
    Error = 10,
    Boolean = 11,
    ByteArray = 0x2011,
};

// The type with the persisted tag `tag`; none for a tag that is no type of ours.
std::optional<VariantType> variantTypeFromTag(std::int32_t tag);

// A tagged value as automation passes it: arguments, results, property-bag values, events.
//
// A boolean is stored as the 16-bit value -1 (true) or 0. An object holds an interface
// reference; an object variant with no object is "Nothing".
//
// A reference variant (Variant::reference) stands for another variant for the length of a
// call: an event argument the sink may change, such as `KeyAscii`. Reading a reference reads
// its target; assignThroughReference() changes the target. Copies of a reference refer to the
// same target, so a reference must not outlive the call it was made for.
//
// Conversions (the to...() functions and convertedTo()) follow the automation rules and throw
// ComError on failure:
//  - Empty converts to 0, False and "". Null converts to nothing but Null or Empty (error 94).
//  - To a number: integers and doubles by value, a boolean as -1 or 0. A double is rounded to
//    the nearest integer, halves to even; a result outside the target's range is error 6
//    (overflow). A string is read in the C locale after trimming blanks ("12", "-3.5",
//    "1e3"); "True" and "False" (any case) read as -1 and 0; any other text is error 13.
//  - To a boolean: a number is true when not zero; a string as for numbers.
//  - To a string: integers in decimal, a double with up to 15 significant digits ("0.5",
//    "1E+20"), a boolean as "True" or "False".
//  - To a number, boolean or string, an object converts by its default member (id 0), read
//    as a property; an object without dispatch interface is error 13, Nothing error 91.
//  - Byte arrays and errors convert to nothing but their own type (error 13), and only an
//    object converts to an object.
class Variant {
public:
    Variant() = default;
    explicit Variant(std::int16_t value);
    explicit Variant(std::int32_t value);
    explicit Variant(double value);
    explicit Variant(bool value);
    explicit Variant(QString value);
    explicit Variant(QByteArray bytes);
    explicit Variant(ComPtr<IUnknown> object);
    template <typename Interface>
    requires std::is_convertible_v<Interface*, IUnknown*>
    explicit Variant(Interface* object) : Variant(ComPtr<IUnknown>(object)) {}
    // Any other pointer (text included) would silently become a boolean.
    template <typename T> Variant(T*) = delete;
    Variant(std::nullptr_t) = delete;

    static Variant null();
    static Variant error(std::int32_t code);
    static Variant reference(Variant& target);

    VariantType type() const { return target().m_type; }
    bool isEmpty() const { return type() == VariantType::Empty; }
    bool isNull() const { return type() == VariantType::Null; }
    bool isReference() const { return std::holds_alternative<Variant*>(m_value); }

    // The value itself, or the target of a reference.
    const Variant& dereferenced() const { return target(); }

    std::int16_t toInt16() const;
    std::int32_t toInt32() const;
    double toDouble() const;
    bool toBool() const;
    QString toString() const;
    QByteArray toBytes() const;
    // The object held (null for Nothing); error 13 for any other type.
    ComPtr<IUnknown> toObject() const;
    // The code of an Error variant; error 13 for any other type.
    std::int32_t errorCode() const;
    Variant convertedTo(VariantType type) const;

    // Sets the target of this reference to `value`, converted to the target's type when the
    // target holds a number, boolean or string, so a sink cannot change an argument's type.
    // Error 5 when this variant is no reference.
    void assignThroughReference(const Variant& value) const;

    // Same type and same value; objects compare by pointer, references by their targets.
    friend bool operator==(const Variant& left, const Variant& right);

private:
    using Payload = std::variant<std::monostate, std::int32_t, double, QString, QByteArray,
                                 ComPtr<IUnknown>, Variant*>;

    Variant(VariantType type, Payload value);

    const Variant& target() const {
        const auto* referenced = std::get_if<Variant*>(&m_value);
        return referenced != nullptr ? **referenced : *this;
    }
    std::int32_t storedInteger() const { return std::get<std::int32_t>(m_value); }
    double numberForConversion() const;

    VariantType m_type = VariantType::Empty;
    Payload m_value;
};

} // namespace tarnwick::com
