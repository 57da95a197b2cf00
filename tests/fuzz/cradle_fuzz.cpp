// The simulated cradle (tq615-sim) reads whatever arrives on its pseudo-terminal. Whatever it
// is fed, in whatever pieces, it may only answer with whole frames, and it must keep serving the
// program's own requests correctly afterwards.
#include "fuzz_support.h"

#include "builtin_images.h"
#include "cradle_model.h"
#include "link_frames.h"

#include <array>

using namespace kz;

namespace {

const QByteArray kPreambleBytes(frames::kPreamble, frames::kPreambleSize);

// Every reply is a run of whole frames with right sums.
void checkReplies(QByteArray replies) {
    while (!replies.isEmpty()) {
        FUZZ_CHECK(replies.startsWith(kPreambleBytes), "replies are frames, back to back");
        const auto frame = frames::takeRequest(replies);
        FUZZ_CHECK(frame && frame->sumOk, "a reply is a whole frame with its sum");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    sim::CradleModel cradle(builtinWorkingImage());
    const QByteArray input = kz::fuzz::bytesOf(data + 4, size - 4);
    // The pseudo-terminal hands over what has arrived, in pieces of any size.
    const int piece = 1 + data[0] % 64;
    for (qsizetype at = 0; at < input.size(); at += piece)
        checkReplies(cradle.feed(input.mid(at, piece)));

    // Whatever came before, the program's own requests are served again within a bounded
    // amount of traffic: a frame cut short may still swallow the next bytes as its body (its
    // length byte asks for up to 255 of them), and line noise is skipped up to the next
    // preamble. After that a write is acknowledged and reads back the same.
    const int count = 1 + data[1] % 128;
    const int address = (data[2] << 8 | data[3]) % (kz::TPagerImage::kSize - count + 1);
    std::array<std::uint8_t, kz::TPagerImage::kSize> image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(data[i % size] + i);
    const QByteArray write = frames::writeRequest(image, address, count);
    const QByteArray read = frames::readRequest(frames::kPagerUnit, address, count);
    const qsizetype longestFrame = frames::kHeaderSize + 255 + frames::kSumSize;
    const qsizetype attempts = longestFrame / (write.size() + read.size()) + 2;
    bool served = false;
    for (qsizetype i = 0; i < attempts && !served; ++i) {
        const QByteArray ack = cradle.feed(write);
        checkReplies(ack);
        const QByteArray reply = cradle.feed(read);
        checkReplies(reply);
        served = ack == frames::writeAcknowledgement() &&
                 reply.size() == frames::readReplySize(count) &&
                 frames::readBackMatches(reply, image, address, count);
    }
    FUZZ_CHECK(served, "after any noise a write is served and reads back the same");
    return 0;
}
