// Replies from the programmer cradle (and, on the cradle's side, requests from the PC) are bytes
// off a serial line: anything may arrive. The checks below must judge every byte string the way
// the frame layout promises.
#include "fuzz_support.h"

#include "link_frames.h"

#include <array>
#include <optional>

using namespace kz::frames;

namespace {

const QByteArray kPreambleBytes(kPreamble, kPreambleSize);

std::uint8_t at(const QByteArray& bytes, qsizetype i) {
    return static_cast<std::uint8_t>(bytes.at(i));
}

// A read reply as the link receives it for `count` data bytes: exactly count + 15 bytes.
void checkReadReply(const QByteArray& reply, int count, const std::array<std::uint8_t, 512>& image,
                    int address) {
    const bool sumOk = readReplySumOk(reply, count);
    const qsizetype size = readReplySize(count);
    if (reply.size() < size) {
        FUZZ_CHECK(!sumOk, "a short reply is never accepted");
        return;
    }
    const QByteArray exact = reply.left(size);
    FUZZ_CHECK(readReplySumOk(exact, count) == sumOk,
               "bytes after the reply play no part in its check");

    QByteArray otherPreamble = exact;
    for (int i = 0; i < kPreambleSize; ++i)
        otherPreamble[i] = static_cast<char>(~exact[i]);
    FUZZ_CHECK(readReplySumOk(otherPreamble, count) == sumOk, "the preamble is not examined");

    const QByteArray data = readReplyData(exact, count);
    FUZZ_CHECK(data.size() == count, "the data of a whole reply are count bytes");
    if (sumOk) {
        // An accepted reply is exactly the frame its own header and data make.
        const QByteArray rebuilt = buildFrame(at(exact, 10), at(exact, 11), at(exact, 12), data);
        FUZZ_CHECK(rebuilt.mid(kPreambleSize) == exact.mid(kPreambleSize),
                   "an accepted reply is the frame of its header and data");
        // Any one byte changed under the sum is caught.
        for (qsizetype i = kPreambleSize; i < size - kSumSize; ++i) {
            QByteArray damaged = exact;
            damaged[i] = static_cast<char>(exact[i] ^ 0x5A);
            FUZZ_CHECK(!readReplySumOk(damaged, count), "one changed byte fails the sum");
        }
    }

    bool same = true;
    for (int i = 0; i < count; ++i)
        same = same && at(data, i) == image[static_cast<std::size_t>(address + i)];
    FUZZ_CHECK(readBackMatches(exact, image, address, count) == (sumOk && same),
               "a read-back passes exactly when the sum is right and every byte matches");
}

void checkTakeRequest(QByteArray buffer) {
    // Take frames until none is complete; each one must be a whole frame of the buffer.
    const qsizetype received = buffer.size();
    for (int taken = 0;; ++taken) {
        FUZZ_CHECK(taken * (kHeaderSize + kSumSize) <= received, "every frame takes its bytes");
        const qsizetype before = buffer.size();
        const QByteArray copy = buffer;
        const std::optional<Request> request = takeRequest(buffer);
        if (!request) {
            FUZZ_CHECK(buffer.size() <= before, "an incomplete frame adds nothing");
            FUZZ_CHECK(copy.endsWith(buffer), "only leading bytes are dropped");
            if (buffer.startsWith(kPreambleBytes)) {
                const bool headerMissing = buffer.size() < kHeaderSize;
                FUZZ_CHECK(headerMissing || buffer.size() < kHeaderSize + at(buffer, 12) + kSumSize,
                           "a kept frame is one still incomplete");
            } else {
                FUZZ_CHECK(buffer.size() < kPreambleSize, "junk keeps at most a preamble's tail");
            }
            return;
        }
        const QByteArray& frame = request->frame;
        FUZZ_CHECK(frame.startsWith(kPreambleBytes), "a frame starts with the preamble");
        FUZZ_CHECK(frame.size() == kHeaderSize + request->length + kSumSize,
                   "the length byte decides the frame's size");
        FUZZ_CHECK(request->unit == at(frame, 10) && request->command == at(frame, 11) &&
                       request->length == at(frame, 12) &&
                       request->body == frame.mid(kHeaderSize, request->length),
                   "the fields are the frame's bytes");
        const qsizetype start = copy.indexOf(kPreambleBytes);
        FUZZ_CHECK(copy.mid(start, frame.size()) == frame, "the frame is the first one received");
        FUZZ_CHECK(buffer == copy.mid(start + frame.size()), "the rest waits for the next frame");
        const QByteArray rebuilt =
            buildFrame(request->unit, request->command, request->length, request->body);
        FUZZ_CHECK(request->sumOk == (rebuilt == frame), "the sum is right exactly when the "
                                                         "frame is the one its fields make");
    }
}

// A frame the PC builds must come out of the cradle's receive buffer whole, after junk and in
// two pieces.
void checkRoundTrip(const QByteArray& junk, std::uint8_t unit, std::uint8_t command,
                    const QByteArray& body, qsizetype split) {
    const QByteArray frame =
        buildFrame(unit, command, static_cast<std::uint8_t>(body.size()), body);
    const QByteArray received = junk + frame;
    if (received.indexOf(kPreambleBytes) != junk.size())
        return; // the junk holds a preamble of its own
    split = split % (received.size() + 1);
    QByteArray buffer = received.left(split);
    std::optional<Request> request = takeRequest(buffer);
    if (split < received.size()) {
        FUZZ_CHECK(!request, "a frame is not taken before its last byte");
        buffer += received.mid(split);
        request = takeRequest(buffer);
    }
    FUZZ_CHECK(request.has_value(), "a whole frame is taken");
    FUZZ_CHECK(request->unit == unit && request->command == command &&
                   request->length == body.size() && request->body == body && request->sumOk &&
                   request->frame == frame,
               "a frame comes back as it was built");
    FUZZ_CHECK(buffer.isEmpty(), "nothing of the frame stays behind");
}

void checkTrace(const QByteArray& bytes) {
    const QString trace = traceText(bytes);
    FUZZ_CHECK(trace.size() == bytes.size() * 5, "five characters per byte");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const QString item = trace.mid(i * 5, 5);
        bool ok = false;
        const int value = item.mid(2, 2).toInt(&ok, 16);
        FUZZ_CHECK(item.startsWith(QLatin1String("0x")) && item.endsWith(QLatin1Char(',')) &&
                       item.mid(2, 2) == item.mid(2, 2).toUpper() && ok && value == at(bytes, i),
                   "every byte reads back from its trace");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const QByteArray input = kz::fuzz::bytesOf(data + 4, size - 4);

    // Callers ask for 0..128 bytes at an address inside the 512-byte memory.
    const int count = data[0] % 129;
    const int address = (data[1] << 8 | data[2]) % (512 - count + 1);
    std::array<std::uint8_t, 512> image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + data[3]);
    if (data[3] & 1) // let a read-back of the reply's data succeed
        for (int i = 0; i < count && kHeaderSize + i < input.size(); ++i)
            image[static_cast<std::size_t>(address + i)] = at(input, kHeaderSize + i);
    checkReadReply(input, count, image, address);

    const QByteArray ack("Vornakelle\x33\x53\x01\x06\x00\x8D", 16);
    FUZZ_CHECK(isWriteAcknowledgement(input) == (input == ack),
               "only the exact 16 bytes acknowledge a write");
    FUZZ_CHECK(isWriteAcknowledgement(ack), "the acknowledgement is recognised");

    checkTakeRequest(input);
    const qsizetype junkSize = data[1] % (input.size() + 1);
    checkRoundTrip(input.left(junkSize), data[0], data[3], input.mid(junkSize).left(255), data[2]);
    checkTrace(input.left(64));
    return 0;
}
