#include "link_frames.h"

namespace kz::frames {

namespace {

std::uint8_t at(const QByteArray& bytes, int i) {
    return static_cast<std::uint8_t>(bytes.at(i));
}

void appendWord(QByteArray& frame, int value) {
    frame.append(static_cast<char>((value >> 8) & 0xFF));
    frame.append(static_cast<char>(value & 0xFF));
}

} // namespace

std::uint16_t sum16(const QByteArray& bytes, int from, int to) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return kz::sum16(std::span(data + from, static_cast<std::size_t>(to - from)));
}

QByteArray buildFrame(std::uint8_t unit, std::uint8_t command, std::uint8_t length,
                      const QByteArray& body) {
    QByteArray frame(kPreamble, kPreambleSize);
    frame.append(static_cast<char>(unit));
    frame.append(static_cast<char>(command));
    frame.append(static_cast<char>(length));
    frame.append(body);
    appendWord(frame, sum16(frame, kPreambleSize, static_cast<int>(frame.size())));
    return frame;
}

QByteArray readRequest(std::uint8_t unit, int address, int count) {
    QByteArray body;
    appendWord(body, address);
    body.append(static_cast<char>(count));
    return buildFrame(unit, kReadCommand, 3, body);
}

QByteArray writeRequest(std::span<const std::uint8_t> image, int address, int count) {
    QByteArray body;
    appendWord(body, address);
    body.append(reinterpret_cast<const char*>(image.data()) + address, count);
    return buildFrame(kPagerUnit, kWriteCommand, static_cast<std::uint8_t>(count + 2), body);
}

QByteArray benchCommand(std::uint8_t unit, std::uint8_t command,
                        std::span<const std::uint8_t> parameters) {
    const QByteArray body(reinterpret_cast<const char*>(parameters.data()),
                          static_cast<qsizetype>(parameters.size()));
    return buildFrame(unit, command, 3, body);
}

const QByteArray& writeAcknowledgement() {
    static const QByteArray ack = buildFrame(kPagerUnit, kWriteCommand, 1, QByteArray(1, kAck));
    return ack;
}

bool readReplySumOk(const QByteArray& reply, int count) {
    const int end = kHeaderSize + count; // first sum byte
    if (reply.size() < end + kSumSize)
        return false;
    const int stored = at(reply, end) << 8 | at(reply, end + 1);
    return sum16(reply, kPreambleSize, end) == stored;
}

QByteArray readReplyData(const QByteArray& reply, int count) {
    return reply.mid(kHeaderSize, count);
}

bool isWriteAcknowledgement(const QByteArray& reply) {
    return reply == writeAcknowledgement();
}

bool readBackMatches(const QByteArray& reply, std::span<const std::uint8_t> image, int address,
                     int count) {
    if (!readReplySumOk(reply, count))
        return false;
    for (int i = 0; i < count; ++i)
        if (at(reply, kHeaderSize + i) != image[static_cast<std::size_t>(address + i)])
            return false;
    return true;
}

QString traceText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() * 5);
    for (char c : bytes)
        text += QString::asprintf("0x%02X,", static_cast<unsigned>(static_cast<std::uint8_t>(c)));
    return text;
}

std::optional<Request> takeRequest(QByteArray& buffer) {
    const QByteArray preamble(kPreamble, kPreambleSize);
    const qsizetype start = buffer.indexOf(preamble);
    if (start < 0) {
        // Keep a tail that may be the beginning of the next preamble.
        if (buffer.size() > kPreambleSize - 1)
            buffer.remove(0, buffer.size() - (kPreambleSize - 1));
        return std::nullopt;
    }
    buffer.remove(0, start);
    if (buffer.size() < kHeaderSize)
        return std::nullopt;
    const std::uint8_t length = at(buffer, 12);
    const int size = kHeaderSize + length + kSumSize;
    if (buffer.size() < size)
        return std::nullopt;
    Request request;
    request.unit = at(buffer, 10);
    request.command = at(buffer, 11);
    request.length = length;
    request.body = buffer.mid(kHeaderSize, length);
    const int stored = at(buffer, size - 2) << 8 | at(buffer, size - 1);
    request.sumOk = sum16(buffer, kPreambleSize, size - kSumSize) == stored;
    request.frame = buffer.left(size);
    buffer.remove(0, size);
    return request;
}

} // namespace kz::frames
