#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>

namespace kz {

class TCommPort;

// What the link reports while it works: the trace of every frame and the running progress
// total after each request.
class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    virtual void frameSent(const QByteArray& frame) = 0;
    virtual void replyReceived(const QByteArray& reply) = 0;
    virtual void progressTotalChanged(int total) = 0;
};

// How long the link waits for each reply byte: `pollsPerByte` polls of one slot each. The
// programmer gets 101 x 20 ms = 2.02 s per byte while it is being probed and 101 x 50 ms =
// 5.05 s otherwise. Tests may shorten the slots; the program always runs with the defaults.
struct LinkTiming {
    int boardCheckSlotMs = 20;
    int normalSlotMs = 50;
    int pollsPerByte = 101;
};

// Requests to the programmer over the serial port, one frame each.
//
// Each request sends its frame and waits for the reply; a reply byte is read as soon as it
// arrives (the wait is waitForReadyRead bounded by the slot, with window messages processed
// between polls). A time-out purges the port and leaves it open; a port error closes it. Both
// fail the request.
class ProgrammerLink {
public:
    ProgrammerLink(TCommPort& port, LinkObserver& observer);

    bool boardCheckMode() const { return boardCheckMode_; }
    void setBoardCheckMode(bool on) { boardCheckMode_ = on; }
    int progressTotal() const { return progressTotal_; }
    void setProgressTotal(int total) { progressTotal_ = total; }
    const LinkTiming& timing() const { return timing_; }
    void setTiming(const LinkTiming& timing) { timing_ = timing; }

    // Reads `count` bytes at `address`; on success copies them to `destination`.
    bool read(std::uint8_t unit, int address, int count, std::uint8_t* destination);
    // Writes image bytes address .. address + count - 1; succeeds on the exact acknowledgement.
    bool write(std::span<const std::uint8_t> image, int address, int count);
    // Reads the range again and compares it with the image.
    bool readBack(std::span<const std::uint8_t> image, int address, int count);
    // Sends a bench command frame on an open port (the caller opens it); no reply is read. The
    // frame is traced even when the port is closed; it is then not sent and false is returned.
    bool command(std::uint8_t unit, std::uint8_t command, std::span<const std::uint8_t> params);

    // Waits `ms` milliseconds while processing window messages, without spinning a core.
    static void pause(int ms);

private:
    void advanceProgress(int address);
    // Writes the frame when the port is open; a closed port sends nothing.
    void send(const QByteArray& frame);
    // Receives `count` bytes; empty on time-out or port error.
    QByteArray receive(int count, int slotMs);
    // One poll: waits up to a slot for input; true when some is waiting.
    bool waitOneSlot(int slotMs);

    TCommPort& port_;
    LinkObserver& observer_;
    LinkTiming timing_;
    bool boardCheckMode_ = false;
    int progressTotal_ = 0;
};

} // namespace kz
