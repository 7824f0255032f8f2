#include "host_key_filter.h"

#include "fenbase6/virtual_keys.h"
#include "mask_key_actions.h"

#include <QKeyEvent>

namespace tarnwick::mask {

using namespace fenbase6;

bool HostKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!keepsKeyFromHost(VirtualKey::fromQt(key->key(), key->modifiers()),
                          VirtualKey::shiftStateFromQt(key->modifiers()), m_engine)) {
        return false;
    }
    event->accept();
    return true;
}

} // namespace tarnwick::mask
