#pragma once

#include "dispatch.h"

#include <QStringView>
#include <span>

namespace tarnwick::com {

// Calls by member name, as a script or host does: the name is looked up in the object's type
// information (error 438 when it has no such member) and the member called by identity.
Variant invokeByName(IDispatch& object, QStringView name, InvokeKind how,
                     std::span<const Variant> args = {});

inline Variant getProperty(IDispatch& object, QStringView name) {
    return invokeByName(object, name, InvokeKind::Get);
}

inline void putProperty(IDispatch& object, QStringView name, const Variant& value) {
    invokeByName(object, name, InvokeKind::Put, std::span<const Variant>(&value, 1));
}

inline void putPropertyRef(IDispatch& object, QStringView name, const Variant& value) {
    invokeByName(object, name, InvokeKind::PutRef, std::span<const Variant>(&value, 1));
}

inline Variant callMethod(IDispatch& object, QStringView name, std::span<const Variant> args = {}) {
    return invokeByName(object, name, InvokeKind::Method, args);
}

} // namespace tarnwick::com
