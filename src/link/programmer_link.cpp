#include "programmer_link.h"

#include "comm_port.h"
#include "link_frames.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace kz {

ProgrammerLink::ProgrammerLink(TCommPort& port, LinkObserver& observer)
    : port_(port), observer_(observer) {}

void ProgrammerLink::advanceProgress(int address) {
    progressTotal_ += address;
    observer_.progressTotalChanged(progressTotal_);
}

void ProgrammerLink::send(const QByteArray& frame) {
    observer_.frameSent(frame);
    if (!port_.isOpen())
        return;
    try {
        port_.write(frame);
    } catch (const ECommError&) {
        // The port broke under the write: close it, the receive step then fails the request.
        port_.close();
    }
}

bool ProgrammerLink::waitOneSlot(int slotMs) {
    // Returns as soon as input arrives; a wait that ends early without input (a signal, say)
    // sleeps out the rest of its slot, so a poll never takes less than its slot.
    QElapsedTimer polled;
    polled.start();
    if (port_.waitForInput(slotMs))
        return true;
    const qint64 rest = slotMs - polled.elapsed();
    if (rest > 0)
        QThread::msleep(static_cast<unsigned long>(rest));
    return port_.bytesWaiting() > 0;
}

QByteArray ProgrammerLink::receive(int count, int slotMs) {
    QByteArray reply;
    if (!port_.isOpen())
        return reply;
    reply.reserve(count);
    try {
        while (reply.size() < count) {
            // Each byte may miss pollsPerByte polls of one slot before the request fails.
            int failedPolls = 0;
            while (port_.bytesWaiting() == 0) {
                QCoreApplication::processEvents();
                if (waitOneSlot(slotMs))
                    break;
                if (++failedPolls >= timing_.pollsPerByte) {
                    port_.purge();
                    return {};
                }
            }
            while (reply.size() < count && port_.bytesWaiting() > 0)
                reply.append(static_cast<char>(port_.readByte()));
        }
    } catch (const ECommError&) {
        port_.close();
        return {};
    }
    return reply;
}

bool ProgrammerLink::read(std::uint8_t unit, int address, int count, std::uint8_t* destination) {
    advanceProgress(address);
    send(frames::readRequest(unit, address, count));
    const int slot = boardCheckMode_ ? timing_.boardCheckSlotMs : timing_.normalSlotMs;
    const QByteArray reply = receive(frames::readReplySize(count), slot);
    if (reply.isEmpty())
        return false;
    observer_.replyReceived(reply);
    if (!frames::readReplySumOk(reply, count))
        return false;
    const QByteArray data = frames::readReplyData(reply, count);
    std::copy(data.cbegin(), data.cend(), reinterpret_cast<char*>(destination));
    return true;
}

bool ProgrammerLink::write(std::span<const std::uint8_t> image, int address, int count) {
    advanceProgress(address);
    send(frames::writeRequest(image, address, count));
    const QByteArray reply = receive(frames::kWriteAckSize, timing_.normalSlotMs);
    if (reply.isEmpty())
        return false;
    observer_.replyReceived(reply);
    return frames::isWriteAcknowledgement(reply);
}

bool ProgrammerLink::readBack(std::span<const std::uint8_t> image, int address, int count) {
    advanceProgress(address);
    send(frames::readRequest(frames::kPagerUnit, address, count));
    const QByteArray reply = receive(frames::readReplySize(count), timing_.normalSlotMs);
    if (reply.isEmpty())
        return false;
    observer_.replyReceived(reply);
    return frames::readBackMatches(reply, image, address, count);
}

bool ProgrammerLink::command(std::uint8_t unit, std::uint8_t command,
                             std::span<const std::uint8_t> params) {
    // Traced like every frame; on a closed port (it could not be opened) nothing goes out.
    const bool wasOpen = port_.isOpen();
    send(frames::benchCommand(unit, command, params));
    return wasOpen && port_.isOpen();
}

void ProgrammerLink::pause(int ms) {
    // The clock is read once; the loop sleeps in the event dispatcher between messages.
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        const auto rest = std::max<qint64>(1, deadline.remainingTime());
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(rest), &loop, &QEventLoop::quit);
        if (loop.exec() < 0) {
            // The application is quitting (its window was closed during an operation) and no
            // event loop runs any more: wait out the rest instead of spinning.
            QCoreApplication::processEvents();
            QThread::msleep(
                static_cast<unsigned long>(std::max<qint64>(0, deadline.remainingTime())));
        }
    }
}

} // namespace kz
