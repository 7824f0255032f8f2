#pragma once

#include "frame/engine_link.h"

#include <QObject>

namespace tarnwick::mask {

// Sits on the engine's window and claims the keys the control keeps from the host's
// shortcuts (keepsKeyFromHost), so that they reach the engine as key presses.
class HostKeyFilter : public QObject {
public:
    HostKeyFilter(const frame::EngineLink& engine, QObject* parent)
        : QObject(parent), m_engine(engine) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const frame::EngineLink& m_engine;
};

} // namespace tarnwick::mask
