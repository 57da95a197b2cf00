#pragma once

#include "pager_image.h"

#include <QByteArray>

#include <mutex>
#include <optional>
#include <vector>

// The programmer cradle with a pager in it, as the link sees it: requests in, replies out.
// Portable and free of any port: the pseudo-terminal front end feeds it the bytes it receives
// and sends what it returns. Thread-safe, so tests may look at the memory while it serves.
namespace kz::sim {

// Failures to act out. An address selects the request for the block starting there.
struct CradleFaults {
    // Number of requests answered before the cradle falls silent for good (0: silent from the
    // start; unset: never).
    std::optional<int> silentAfter;
    // Number of requests answered before the line is cut (the pseudo-terminal closes).
    std::optional<int> disconnectAfter;
    // Replies to reads of at least one byte at this address carry a wrong sum.
    std::optional<int> badSumAt;
    // A write of the block at this address is refused (not stored, no acknowledgement).
    std::optional<int> refuseWriteAt;
    // A write of the block at this address is acknowledged but stored with its first byte
    // changed, so that the read-back differs.
    std::optional<int> misstoreAt;
};

class CradleModel {
public:
    explicit CradleModel(const TPagerImage& memory);

    void setFaults(const CradleFaults& faults);
    // Takes the received bytes; returns the reply bytes to send (empty when none is due).
    QByteArray feed(const QByteArray& bytes);
    // True once the cradle decided to cut the line.
    bool hangUp() const;

    TPagerImage memory() const;
    void setMemory(const TPagerImage& memory);
    // Every bench command frame received, whole, in order.
    std::vector<QByteArray> benchFrames() const;
    // Addresses of the write requests received, in order.
    std::vector<int> writtenAddresses() const;
    int requestCount() const;

private:
    QByteArray answer(const QByteArray& frame, std::uint8_t unit, std::uint8_t command,
                      const QByteArray& body);

    mutable std::mutex mutex_;
    TPagerImage memory_;
    CradleFaults faults_;
    QByteArray pending_;
    std::vector<QByteArray> benchFrames_;
    std::vector<int> writtenAddresses_;
    int requests_ = 0;
    bool hangUp_ = false;
};

} // namespace kz::sim
