#include "stream.h"

#include "com_error.h"

namespace tarnwick::com {

std::int64_t seekTarget(std::int64_t offset, SeekOrigin origin, std::int64_t current,
                        std::int64_t size) {
    const std::int64_t base = origin == SeekOrigin::Begin     ? 0
                              : origin == SeekOrigin::Current ? current
                                                              : size;
    if (offset < -base) {
        throw ComError::standard(STG_E_INVALIDFUNCTION);
    }
    return base + offset;
}

} // namespace tarnwick::com
