#pragma once

#include "sum16.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// Link frames spoken with the programmer cradle, built and checked byte for byte.
//
// Layout: the preamble "Vornakelle", unit byte, command byte, length byte, body, and the 16-bit
// sum (big-endian) of every byte after the preamble. The programmer answers a read request with
// the requested bytes and a write request with a fixed acknowledgement; bench commands get no
// reply. Of a read reply only the sum is examined.
namespace kz::frames {

inline constexpr char kPreamble[] = "Vornakelle";
inline constexpr int kPreambleSize = 10;
inline constexpr int kHeaderSize = 13; // preamble, unit, command, length
inline constexpr int kSumSize = 2;

inline constexpr std::uint8_t kPagerUnit = 0x33;
inline constexpr std::uint8_t kBenchUnit = 0x3B;
inline constexpr std::uint8_t kReadCommand = 0x52;  // "R"
inline constexpr std::uint8_t kWriteCommand = 0x53; // "S"
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr int kWriteAckSize = 16;
inline constexpr int kBenchFrameSize = 18;

// Sum of the bytes, each unsigned, modulo 65536 (the pager's one 16-bit sum).
using kz::sum16;
std::uint16_t sum16(const QByteArray& bytes, int from, int to); // bytes [from, to)

// Preamble, unit, command, length byte, body, then the sum of positions 10 .. end of body.
QByteArray buildFrame(std::uint8_t unit, std::uint8_t command, std::uint8_t length,
                      const QByteArray& body);
QByteArray readRequest(std::uint8_t unit, int address, int count);
// Body: address and image bytes address .. address + count - 1.
QByteArray writeRequest(std::span<const std::uint8_t> image, int address, int count);
// Length byte 3 whatever the parameter count.
QByteArray benchCommand(std::uint8_t unit, std::uint8_t command,
                        std::span<const std::uint8_t> parameters);
const QByteArray& writeAcknowledgement();

// A read reply of `count` data bytes is count + 15 bytes long.
inline constexpr int readReplySize(int count) {
    return count + kHeaderSize + kSumSize;
}
// The sum of positions 10 .. count + 12 equals the two bytes after them.
bool readReplySumOk(const QByteArray& reply, int count);
QByteArray readReplyData(const QByteArray& reply, int count);
bool isWriteAcknowledgement(const QByteArray& reply);
// Sum right and every data byte equal to image byte address + i.
bool readBackMatches(const QByteArray& reply, std::span<const std::uint8_t> image, int address,
                     int count);

// "0x33,0x52," : every byte as 0x and two upper-case hex digits, each followed by a comma.
QString traceText(const QByteArray& bytes);

// A frame taken apart by the programmer side (the simulated cradle).
struct Request {
    std::uint8_t unit = 0;
    std::uint8_t command = 0;
    std::uint8_t length = 0;
    QByteArray body;
    bool sumOk = false;
    QByteArray frame; // all its bytes, as received
};
// Looks for a complete frame at the start of `buffer`. Bytes before the next preamble are junk
// and dropped. Returns the frame and removes it from the buffer once all its bytes are there;
// nothing while it is incomplete. The frame's size follows from its length byte.
std::optional<Request> takeRequest(QByteArray& buffer);

} // namespace kz::frames
