#pragma once

#include "com_error.h"
#include "type_info.h"

#include <span>

namespace tarnwick::com {

// The common frame of an Invoke: checks the call against the member table (errors 438, 383,
// 394, 449, 450), runs `body(member)` and names `source` in any error that names nobody yet.
template <typename Body>
Variant dispatchMember(const TypeInfo& info, const QString& source, DispId id, InvokeKind how,
                       std::span<const Variant> args, Body&& body) {
    try {
        return body(info.memberForInvoke(id, how, args.size()));
    } catch (ComError& error) {
        error.setSourceIfEmpty(source);
        throw;
    }
}

} // namespace tarnwick::com
