#pragma once

#include "unit_link.h"

#include <QSocketNotifier>
#include <QString>
#include <memory>

namespace tarnwick::stavikSim {

// A pseudo-terminal in raw mode: the computer opens its slave side like a serial port.
// The slave side is held open here too, so the master never sees a hang-up while no program
// has the port open; bytes the unit sends meanwhile wait in the terminal's queue (or are
// dropped when it is full).
class PtyLink final : public UnitLink {
public:
    // `linkPath`, when not empty, becomes a symbolic link to the slave side; an existing
    // symbolic link there is replaced, anything else is refused. Throws AppError (75).
    explicit PtyLink(const QString& linkPath);
    ~PtyLink() override;
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    const QString& slavePath() const { return m_slavePath; }

    void write(const QByteArray& bytes) override;
    void hangUp() override;

private:
    void readAvailable();
    void makeLink();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tarnwick::stavikSim
