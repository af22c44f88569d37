#include "process/QuitSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop
volatile sig_atomic_t g_deliver = 0;
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnSignal(int number) {
    if (!g_deliver || g_pipe[0] < 0) { // ended by the signal itself, as without a handler
        ::signal(number, SIG_DFL);
        ::raise(number);
        return;
    }
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1); // async-signal-safe
}

} // namespace

QuitSignals::QuitSignals(std::function<void(int)> onSignal) : m_onSignal(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(g_pipe[1], &byte, 1) == 1 && m_onSignal) m_onSignal(byte);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : Signals)
        ::sigaction(s, &action, nullptr);
}

void QuitSignals::DeliverToEventLoop() {
    g_deliver = 1;
}

QuitSignals::~QuitSignals() {
    g_deliver = 0;
    for (const int s : Signals)
        ::signal(s, SIG_DFL);
    delete m_notifier;
    m_notifier = nullptr;
    for (int& fd : g_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}
