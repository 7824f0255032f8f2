#include "interrupt_notifier.h"

#include "shell/app_error.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tarnwick::cli {

namespace {

int g_pipe[2] = {-1, -1}; // written by the signal handler, read by the event loop

constexpr int kSignals[] = {SIGINT, SIGTERM};

extern "C" void onSignal(int signal) {
    const auto byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t ignored = ::write(g_pipe[1], &byte, 1);
}

} // namespace

InterruptNotifier::InterruptNotifier() {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        throw AppError::standard(ErrorNumber::PathFileAccess, QStringLiteral("signal pipe"));
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { deliver(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

InterruptNotifier::~InterruptNotifier() {
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

int InterruptNotifier::pendingFd() const {
    return g_pipe[0];
}

void InterruptNotifier::deliver() {
    char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) {
        if (m_handler) {
            m_handler(byte);
        }
    }
}

} // namespace tarnwick::cli
