#pragma once

class QWidget;

namespace tarnwick {

namespace registry {
class RegistryStore;
}

// A window's size and place are kept per user between runs, in the user's hive of the
// registry store under the window's object name, so that a run scoped to its own registry
// folder writes nothing elsewhere. A store that cannot be read or written keeps nothing.
void restoreWindowGeometry(QWidget& window, const registry::RegistryStore& store);
void saveWindowGeometry(const QWidget& window, registry::RegistryStore& store);

} // namespace tarnwick
