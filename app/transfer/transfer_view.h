#pragma once

#include <QString>

namespace tarnwick {

// What the progress window shows of a transfer. Messages and questions go through the
// Prompter instead.
class TransferView {
public:
    virtual ~TransferView() = default;

    virtual void setCaption(const QString& caption) = 0;
    // lblProgress
    virtual void setProgressText(const QString& text) = 0;
    // pbrStatus: progress within the current section or pass.
    virtual void setStatusMinimum(int value) = 0;
    virtual void setStatusMaximum(int value) = 0;
    virtual void setStatusValue(int value) = 0;
    // pbrTotal: progress over the whole transfer.
    virtual void setTotalMaximum(int value) = 0;
    virtual void setTotalValue(int value) = 0;
    // Draw pending changes now, before a step that keeps the program busy.
    virtual void repaintNow() = 0;
    // The transfer has ended: close the window.
    virtual void unload() = 0;
};

} // namespace tarnwick
