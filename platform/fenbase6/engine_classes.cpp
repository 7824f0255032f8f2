#include "engine_classes.h"

#include "mask_engine.h"
#include "number_engine.h"

#include <cstring>

namespace tarnwick::fenbase6 {

FenEngine* createEngineOfClass(const char* className, QWidget* parent) {
    if (className == nullptr) {
        return nullptr;
    }
    if (std::strcmp(className, kMaskEngineClass) == 0) {
        return new MaskEngine(parent);
    }
    if (std::strcmp(className, kNumberEngineClass) == 0) {
        return new NumberEngine(parent);
    }
    return nullptr;
}

} // namespace tarnwick::fenbase6
