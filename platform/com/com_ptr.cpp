#include "com_ptr.h"

namespace tarnwick::com {

bool isSameObject(IUnknown* first, IUnknown* second) {
    if (first == nullptr || second == nullptr) {
        return first == second;
    }
    return queryInterface<IUnknown>(first) == queryInterface<IUnknown>(second);
}

} // namespace tarnwick::com
