#include "type_info.h"

#include "com_error.h"

#include <algorithm>

namespace tarnwick::com {

TypeInfo::TypeInfo(QString name, const Guid& iid, std::vector<MemberInfo> members)
    : m_name(std::move(name)), m_iid(iid), m_members(std::move(members)) {}

const MemberInfo* TypeInfo::findMember(DispId id) const {
    const auto found = std::find_if(m_members.begin(), m_members.end(),
                                    [id](const MemberInfo& member) { return member.id == id; });
    return found != m_members.end() ? &*found : nullptr;
}

const MemberInfo* TypeInfo::findMember(QStringView name) const {
    const auto found =
        std::find_if(m_members.begin(), m_members.end(), [name](const MemberInfo& member) {
            return name.compare(member.name, Qt::CaseInsensitive) == 0;
        });
    return found != m_members.end() ? &*found : nullptr;
}

DispId TypeInfo::idOfName(QStringView name) const {
    const MemberInfo* member = findMember(name);
    if (member == nullptr) {
        throw ComError::standard(ErrorNumber::MemberNotSupported);
    }
    return member->id;
}

const MemberInfo& TypeInfo::memberForInvoke(DispId id, InvokeKind how,
                                            std::size_t argumentCount) const {
    const MemberInfo* member = findMember(id);
    const bool isMethodCall = how == InvokeKind::Method;
    if (member == nullptr || (member->kind == MemberKind::Method) != isMethodCall) {
        throw ComError::standard(ErrorNumber::MemberNotSupported);
    }
    if (!member->allows(how)) {
        switch (how) {
        case InvokeKind::Get:
            throw ComError::standard(ErrorNumber::PropertyGetNotSupported);
        case InvokeKind::Put:
        case InvokeKind::PutRef:
            // A property set only the other way is there, it just is not assigned like this.
            throw ComError::standard(member->allows(InvokeKind::Put) ||
                                             member->allows(InvokeKind::PutRef)
                                         ? ErrorNumber::MemberNotSupported
                                         : ErrorNumber::PropertyReadOnly);
        case InvokeKind::Method:
            break;
        }
        throw ComError::standard(ErrorNumber::MemberNotSupported);
    }
    const std::size_t valueCount = how == InvokeKind::Put || how == InvokeKind::PutRef ? 1 : 0;
    const std::size_t total = member->parameters.size() + valueCount;
    const std::size_t required =
        valueCount + static_cast<std::size_t>(std::count_if(
                         member->parameters.begin(), member->parameters.end(),
                         [](const ParameterInfo& parameter) { return !parameter.optional; }));
    if (argumentCount < required) {
        throw ComError::standard(ErrorNumber::ArgumentNotOptional);
    }
    if (argumentCount > total) {
        throw ComError::standard(ErrorNumber::WrongArgumentCount);
    }
    return *member;
}

} // namespace tarnwick::com
