#include "link_frames.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace kz::frames;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

QByteArray framed(std::initializer_list<int> afterPreamble) {
    return QByteArray("Vornakelle") + bytes(afterPreamble);
}

std::array<std::uint8_t, 512> countingImage() {
    std::array<std::uint8_t, 512> image{};
    for (int i = 0; i < 512; ++i)
        image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
    return image;
}

} // namespace

TEST(LinkFrames, ReadRequestsByteForByte) {
    EXPECT_EQ(readRequest(kPagerUnit, 416, 16),
              framed({0x33, 0x52, 0x03, 0x01, 0xA0, 0x10, 0x01, 0x39}));
    const QByteArray probe = readRequest(kPagerUnit, 0, 0);
    EXPECT_EQ(probe, framed({0x33, 0x52, 0x03, 0x00, 0x00, 0x00, 0x00, 0x88}));
    EXPECT_EQ(probe.size(), 18);
    EXPECT_EQ(readReplySize(0), 15);
    EXPECT_EQ(readReplySize(128), 143);
}

TEST(LinkFrames, BenchCommandsByteForByte) {
    const std::array<std::uint8_t, 3> zero{};
    EXPECT_EQ(benchCommand(kBenchUnit, 1, zero),
              framed({0x3B, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0x3F}));
    EXPECT_EQ(benchCommand(kBenchUnit, 2, zero),
              framed({0x3B, 0x02, 0x03, 0x00, 0x00, 0x00, 0x00, 0x40}));
    const std::array<std::uint8_t, 3> alert{2, 11, 0};
    const QByteArray on = benchCommand(kBenchUnit, 3, alert);
    EXPECT_EQ(on, framed({0x3B, 0x03, 0x03, 0x02, 0x0B, 0x00, 0x00, 0x4E}));
    EXPECT_EQ(on.size(), kBenchFrameSize);
}

TEST(LinkFrames, WriteRequestCarriesTheImageRange) {
    const auto image = countingImage();
    const QByteArray frame = writeRequest(image, 496, 16);
    ASSERT_EQ(frame.size(), 33);
    EXPECT_EQ(frame.left(13), framed({0x33, 0x53, 0x12}));
    EXPECT_EQ(frame.mid(13, 2), bytes({0x01, 0xF0}));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(static_cast<std::uint8_t>(frame[15 + i]), image[496 + i]);
    const std::uint16_t sum = sum16(frame, 10, 31);
    EXPECT_EQ(static_cast<std::uint8_t>(frame[31]), sum >> 8);
    EXPECT_EQ(static_cast<std::uint8_t>(frame[32]), sum & 0xFF);

    const QByteArray largest = writeRequest(image, 384, 128);
    EXPECT_EQ(largest.size(), 145);
    EXPECT_EQ(static_cast<std::uint8_t>(largest[12]), 130);
}

TEST(LinkFrames, SumWrapsAtSixteenBits) {
    const std::vector<std::uint8_t> many(300, 0xFF); // 300 * 255 = 76500
    EXPECT_EQ(sum16(many), 76500 % 65536);
}

TEST(LinkFrames, WriteAcknowledgementIsExact) {
    const QByteArray ack = framed({0x33, 0x53, 0x01, 0x06, 0x00, 0x8D});
    EXPECT_EQ(writeAcknowledgement(), ack);
    EXPECT_TRUE(isWriteAcknowledgement(ack));
    // Any single changed byte is refused, even one that keeps the sum right.
    for (int i = 0; i < ack.size(); ++i) {
        QByteArray changed = ack;
        changed[i] = static_cast<char>(changed[i] ^ 0x01);
        EXPECT_FALSE(isWriteAcknowledgement(changed)) << "byte " << i;
    }
    EXPECT_FALSE(isWriteAcknowledgement(framed({0x33, 0x53, 0x01, 0x15, 0x00, 0x9C})));
    EXPECT_FALSE(isWriteAcknowledgement(ack.left(15)));
}

TEST(LinkFrames, ReadReplyChecksOnlyTheSum) {
    // Header bytes are not examined: any unit, command and length pass with a right sum.
    const QByteArray empty =
        bytes({'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 0x10, 0x20, 0x30, 0x00, 0x60});
    EXPECT_TRUE(readReplySumOk(empty, 0));

    const QByteArray data = bytes({1, 2, 3, 250});
    const QByteArray reply = buildFrame(0x33, 0x52, 4, data);
    ASSERT_TRUE(readReplySumOk(reply, 4));
    EXPECT_EQ(readReplyData(reply, 4), data);
    for (int i = 10; i < reply.size(); ++i) {
        QByteArray changed = reply;
        changed[i] = static_cast<char>(changed[i] + 1);
        EXPECT_FALSE(readReplySumOk(changed, 4)) << "byte " << i;
    }
    EXPECT_FALSE(readReplySumOk(reply.left(reply.size() - 1), 4));
}

TEST(LinkFrames, ReadBackComparesEveryByte) {
    const auto image = countingImage();
    const QByteArray block(reinterpret_cast<const char*>(image.data()) + 128, 32);
    const QByteArray reply = buildFrame(0x33, 0x52, 32, block);
    EXPECT_TRUE(readBackMatches(reply, image, 128, 32));
    EXPECT_FALSE(readBackMatches(reply, image, 129, 32));
    QByteArray differing = block;
    differing[31] = static_cast<char>(differing[31] ^ 0x80);
    EXPECT_FALSE(readBackMatches(buildFrame(0x33, 0x52, 32, differing), image, 128, 32));
}

TEST(LinkFrames, TraceListsEveryByteWithAComma) {
    EXPECT_EQ(traceText(bytes({0x33, 0x52})), QStringLiteral("0x33,0x52,"));
    EXPECT_EQ(traceText(bytes({0x00, 0xAB, 0xff})), QStringLiteral("0x00,0xAB,0xFF,"));
    EXPECT_EQ(traceText({}), QString());
}

TEST(LinkFrames, TakeRequestWaitsForWholeFramesAndSkipsJunk) {
    const QByteArray first = readRequest(kPagerUnit, 416, 16);
    const std::array<std::uint8_t, 3> zero{};
    const QByteArray second = benchCommand(kBenchUnit, 4, zero);
    QByteArray buffer = bytes({0x00, 0x56}) + first.left(14);
    EXPECT_FALSE(takeRequest(buffer));
    buffer += first.mid(14) + second;
    auto request = takeRequest(buffer);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->unit, kPagerUnit);
    EXPECT_EQ(request->command, kReadCommand);
    EXPECT_EQ(request->body, bytes({0x01, 0xA0, 0x10}));
    EXPECT_TRUE(request->sumOk);
    EXPECT_EQ(request->frame, first);
    request = takeRequest(buffer);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->frame, second);
    EXPECT_TRUE(buffer.isEmpty());

    QByteArray corrupted = first;
    corrupted[15] = 0x11;
    request = takeRequest(corrupted);
    ASSERT_TRUE(request);
    EXPECT_FALSE(request->sumOk);
}
