#pragma once

#include "dispatch.h"
#include "guid.h"
#include "variant.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace tarnwick::com {

// The members of an enumeration, for hosts that offer them in a list.
struct EnumInfo {
    struct Member {
        QString name;
        std::int32_t value = 0;
    };
    QString name;
    std::vector<Member> members;
};

struct ParameterInfo {
    QString name;
    QString typeName;
    bool byReference = false;
    bool optional = false;
};

enum class MemberKind { Property, Method };

// One row of a member table: a property (with the ways it may be called) or a method, which in
// an events interface is an event.
struct MemberInfo {
    QString name;
    DispId id = DispIds::Unknown;
    MemberKind kind = MemberKind::Property;
    // The declared type as the host shows it ("Integer", "String", "fenAlignHConst", ...) and
    // the variant type a value of it has (Empty for a variant of any type).
    QString typeName;
    VariantType type = VariantType::Empty;
    // The InvokeKind flags this member answers.
    std::uint8_t access = invokeFlag(InvokeKind::Get) | invokeFlag(InvokeKind::Put);
    bool hidden = false;
    std::vector<ParameterInfo> parameters;
    const EnumInfo* enumeration = nullptr;

    bool allows(InvokeKind how) const { return (access & invokeFlag(how)) != 0; }
};

// Access sets of the member tables: g, g/p, g/putref, g/p/putref.
namespace Access {
constexpr std::uint8_t Get = invokeFlag(InvokeKind::Get);
constexpr std::uint8_t GetPut = Get | invokeFlag(InvokeKind::Put);
constexpr std::uint8_t GetPutRef = Get | invokeFlag(InvokeKind::PutRef);
constexpr std::uint8_t GetPutPutRef = GetPut | invokeFlag(InvokeKind::PutRef);
constexpr std::uint8_t Method = invokeFlag(InvokeKind::Method);
} // namespace Access

// The type information of one interface: its member table, written out in the code of the
// class that implements it. Names are matched without regard to case.
class TypeInfo {
public:
    TypeInfo(QString name, const Guid& iid, std::vector<MemberInfo> members);

    const QString& name() const { return m_name; }
    const Guid& iid() const { return m_iid; }
    const std::vector<MemberInfo>& members() const { return m_members; }

    const MemberInfo* findMember(DispId id) const;
    const MemberInfo* findMember(QStringView name) const;

    // The identity of the member `name`; error 438 when there is none (GetIDsOfNames).
    DispId idOfName(QStringView name) const;

    // The member `id` checked for a call of kind `how` with `argumentCount` arguments:
    // error 438 for an unknown member or a method called as a property (or the reverse),
    // 383 for a put of a property that cannot be set that way, 394 for a get of a property
    // that cannot be read, 449 for too few arguments and 450 for too many.
    const MemberInfo& memberForInvoke(DispId id, InvokeKind how, std::size_t argumentCount) const;

private:
    QString m_name;
    Guid m_iid;
    std::vector<MemberInfo> m_members;
};

// What an object tells a host about its class: identity, name, its default interface and the
// events interface it fires through its connection points (none when it fires none).
struct ClassInfo {
    Guid clsid;
    QString name;
    const TypeInfo* defaultInterface = nullptr;
    const TypeInfo* events = nullptr;
};

struct IProvideClassInfo : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0xB196B283, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    virtual const ClassInfo& GetClassInfo() const = 0;
};

} // namespace tarnwick::com
