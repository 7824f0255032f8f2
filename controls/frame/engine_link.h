#pragma once

#include "fenbase6/fen_engine.h"

#include <QObject>
#include <QPointer>

namespace tarnwick::frame {

// The message numbers of the settings the two engine classes spell differently.
struct EngineProfile {
    const char* engineClass = fenbase6::kMaskEngineClass;
    fenbase6::MessageId foreColor = fenbase6::MaskMsg::SetForeColor;
    bool foreColorInLong = false; // the colour goes in the long parameter, not the word
    fenbase6::MessageId getInsertMode = fenbase6::MaskMsg::GetInsertMode;
    fenbase6::MessageId setInsertMode = fenbase6::MaskMsg::SetInsertMode;
    fenbase6::MessageId setInsertToggle = fenbase6::MaskMsg::SetInsertToggle;
};

// A control's channel to its edit engine. Every message is skipped while the control has no
// window: a send then answers 0.
class EngineLink {
public:
    void attach(fenbase6::FenEngine* engine);
    void detach();

    bool hasWindow() const { return m_engine != nullptr && !m_widget.isNull(); }
    fenbase6::FenEngine* engine() const { return hasWindow() ? m_engine : nullptr; }

    fenbase6::MessageResult send(fenbase6::MessageId message, fenbase6::WordParam word = 0,
                                 fenbase6::LongParam param = 0) const;
    // Delivers the message once the current event is done (if the window still exists then).
    void post(fenbase6::MessageId message, fenbase6::WordParam word = 0,
              fenbase6::LongParam param = 0) const;

private:
    fenbase6::FenEngine* m_engine = nullptr;
    QPointer<QObject> m_widget; // tells when the engine has gone with its widget
};

} // namespace tarnwick::frame
