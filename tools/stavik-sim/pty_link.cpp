#include "pty_link.h"

#include "shell/app_error.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace tarnwick::stavikSim {

namespace {

AppError systemError(const QString& what) {
    return AppError::standard(
        ErrorNumber::PathFileAccess,
        QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno))));
}

void closeIfOpen(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

PtyLink::PtyLink(const QString& linkPath) : m_linkPath(linkPath) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        const AppError error = systemError(QStringLiteral("pseudo-terminal"));
        closeIfOpen(m_master);
        throw error;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(m_master, name.data(), name.size()) != 0) {
        const AppError error = systemError(QStringLiteral("pseudo-terminal name"));
        closeIfOpen(m_master);
        throw error;
    }
    m_slavePath = QString::fromLocal8Bit(name.data());

    m_slave = ::open(name.data(), O_RDWR | O_NOCTTY);
    termios raw{};
    if (m_slave < 0 || ::tcgetattr(m_slave, &raw) != 0) {
        const AppError error = systemError(m_slavePath);
        closeIfOpen(m_slave);
        closeIfOpen(m_master);
        throw error;
    }
    // No echo, no line editing, no translation: every byte passes as it is.
    ::cfmakeraw(&raw);
    ::cfsetspeed(&raw, B1200);
    ::tcsetattr(m_slave, TCSANOW, &raw);

    if (!m_linkPath.isEmpty()) {
        try {
            makeLink();
        } catch (const AppError&) {
            closeIfOpen(m_slave);
            closeIfOpen(m_master);
            throw;
        }
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { readAvailable(); });
}

PtyLink::~PtyLink() {
    hangUp();
}

void PtyLink::makeLink() {
    const QFileInfo existing(m_linkPath);
    if (existing.isSymLink()) {
        QFile::remove(m_linkPath);
    } else if (existing.exists()) {
        throw AppError::standard(
            ErrorNumber::PathFileAccess,
            QStringLiteral("%1 exists and is no symbolic link").arg(m_linkPath));
    }
    if (!QFile::link(m_slavePath, m_linkPath)) {
        throw AppError::standard(ErrorNumber::PathFileAccess, m_linkPath);
    }
}

void PtyLink::write(const QByteArray& bytes) {
    if (m_master < 0) {
        return;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(m_master, bytes.constData() + done,
                                        static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return; // the terminal's queue is full: the line loses these bytes
        }
        done += written;
    }
}

void PtyLink::readAvailable() {
    std::array<char, 256> buffer{};
    while (m_master >= 0) {
        const ssize_t count = ::read(m_master, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return;
        }
        deliver(QByteArray(buffer.data(), count));
    }
}

void PtyLink::hangUp() {
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_slavePath) {
        QFile::remove(m_linkPath);
    }
    m_notifier.reset();
    closeIfOpen(m_slave);
    closeIfOpen(m_master);
}

} // namespace tarnwick::stavikSim
