// Unix only where signals exist: the handler may only write to a socket, which the event loop
// then reads.
#include "termination_signals.h"

#include <QTimer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace kz {

#ifdef Q_OS_UNIX

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
int wakeSockets[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeSockets[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeSockets) != 0)
        return; // the program then ends on these signals as any program does
    notifier_ = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(wakeSockets[1], &byte, 1);
        requested();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_)
        return;
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    ::close(wakeSockets[0]);
    ::close(wakeSockets[1]);
    wakeSockets[0] = wakeSockets[1] = -1;
}

#else

TerminationSignals::TerminationSignals() = default;
TerminationSignals::~TerminationSignals() = default;

#endif

void TerminationSignals::closeOnRequest(QWidget& window) {
    window_ = &window;
    if (requested_)
        QTimer::singleShot(0, window_, &QWidget::close);
}

void TerminationSignals::requested() {
    requested_ = true;
    if (window_)
        window_->close();
}

} // namespace kz
