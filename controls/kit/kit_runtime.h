#pragma once

#include "com/component_loader.h"
#include "registry/registry_store.h"

#include <QString>

namespace tarnwick::kit {

// The one component loader of the process, over the user's registry hives and the kit's
// default hive, with the font every control is given. It lives until the process ends, so
// that the control libraries outlast every control.
struct KitRuntime {
    registry::RegistryStore store;
    com::ComponentLoader loader;
    com::ComPtr<com::IUnknown> font;

    static KitRuntime& instance();

private:
    KitRuntime();
};

// The folder of the default hive that registers the controls for a kit library in
// `libraryDir`: the build tree's own when it runs from there, else the one installed
// relative to it (<prefix>/share/tarnwick/registry beside <prefix>/lib).
QString kitHiveDir(const QString& libraryDir);

} // namespace tarnwick::kit
