// Unix only: pseudo-terminal and poll().
#include "pty_cradle.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace kz::sim {

namespace {

using Clock = std::chrono::steady_clock;
// One byte on the line: start bit, 8 data bits, stop bit.
constexpr auto kByteTime = std::chrono::nanoseconds(10'000'000'000LL / PtyCradle::kBaud);

} // namespace

PtyCradle::PtyCradle(const TPagerImage& memory, bool paced)
    : model_(memory), paced_(paced),
      linkDir_(QDir::tempPath() + QStringLiteral("/tq615-cradle-XXXXXX")) {}

PtyCradle::~PtyCradle() {
    stop();
}

bool PtyCradle::start() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const char* name = ptsname(master_);
    if (!name) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0 || pipe(wake_) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!linkDir_.isValid()) {
        error_ = linkDir_.errorString();
        return false;
    }
    const QString link = linkDir_.filePath(QStringLiteral("port"));
    if (::symlink(name, QFile::encodeName(link).constData()) != 0) {
        error_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    portPath_ = link;
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    thread_ = std::thread([this] { serve(); });
    return true;
}

void PtyCradle::stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        const char wake = 1;
        [[maybe_unused]] auto written = ::write(wake_[1], &wake, 1);
        thread_.join();
    }
    cutLine();
    for (int& fd : wake_) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void PtyCradle::cutLine() {
    if (!portPath_.isEmpty())
        ::unlink(QFile::encodeName(portPath_).constData());
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
}

void PtyCradle::serve() {
    // Paced: the request's bytes reach the cradle one byte time apart, and each reply byte
    // leaves one byte time after the one before, starting once the request is complete.
    Clock::time_point lineIn = Clock::now();
    Clock::time_point lineOut = Clock::now();
    std::deque<std::pair<Clock::time_point, char>> outgoing;
    char buffer[512];
    while (!stopping_) {
        int timeoutMs = -1;
        if (!outgoing.empty()) {
            const auto due = outgoing.front().first - Clock::now();
            timeoutMs = static_cast<int>(
                std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(due).count()));
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, timeoutMs) < 0 && errno != EINTR)
            break;
        if (stopping_)
            break;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                const auto now = Clock::now();
                lineIn = std::max(lineIn, now) + kByteTime * n;
                const QByteArray reply = model_.feed(QByteArray(buffer, static_cast<int>(n)));
                if (model_.hangUp()) {
                    disconnected_ = true;
                    cutLine();
                    return;
                }
                auto at = std::max(lineOut, paced_ ? lineIn : now);
                for (char c : reply) {
                    if (paced_)
                        at += kByteTime;
                    outgoing.emplace_back(at, c);
                }
                if (!outgoing.empty())
                    lineOut = outgoing.back().first;
            }
        }
        // Send every byte that is due.
        QByteArray due;
        const auto now = Clock::now();
        while (!outgoing.empty() && outgoing.front().first <= now) {
            due.append(outgoing.front().second);
            outgoing.pop_front();
        }
        if (!due.isEmpty()) {
            [[maybe_unused]] auto written =
                ::write(master_, due.constData(), static_cast<std::size_t>(due.size()));
        }
    }
}

} // namespace kz::sim
