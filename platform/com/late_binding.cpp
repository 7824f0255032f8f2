#include "late_binding.h"

#include "type_info.h"

namespace tarnwick::com {

Variant invokeByName(IDispatch& object, QStringView name, InvokeKind how,
                     std::span<const Variant> args) {
    return object.Invoke(object.GetTypeInfo().idOfName(name), how, args);
}

} // namespace tarnwick::com
