#include "cradle_memory.h"
#include "cradle_model.h"
#include "link_frames.h"

#include <gtest/gtest.h>

using namespace kz::frames;

TEST(CradleModel, AnswersReadsAndWritesAndRecordsBench) {
    const kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::CradleModel model(memory);
    const QByteArray request = readRequest(kPagerUnit, 496, 16);
    // Bytes may come in pieces.
    EXPECT_TRUE(model.feed(request.left(5)).isEmpty());
    const QByteArray reply = model.feed(request.mid(5));
    ASSERT_EQ(reply.size(), readReplySize(16));
    EXPECT_TRUE(readReplySumOk(reply, 16));
    EXPECT_TRUE(readBackMatches(reply, memory.bytes(), 496, 16));

    kz::TPagerImage changed = memory;
    changed.setByte(40, 0x42);
    EXPECT_EQ(model.feed(writeRequest(changed.bytes(), 32, 32)), writeAcknowledgement());
    EXPECT_EQ(model.memory(), changed);

    const std::array<std::uint8_t, 3> params{1, 2, 0};
    EXPECT_TRUE(model.feed(benchCommand(kBenchUnit, 3, params)).isEmpty());
    ASSERT_EQ(model.benchFrames().size(), 1u);
    EXPECT_EQ(model.requestCount(), 2);

    QByteArray noisy = readRequest(kPagerUnit, 0, 0);
    noisy[17] = 0x00; // wrong sum: no answer
    EXPECT_TRUE(model.feed(noisy).isEmpty());
}

TEST(CradleModel, Faults) {
    const kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::CradleModel model(memory);
    kz::sim::CradleFaults faults;
    faults.badSumAt = 0;
    faults.refuseWriteAt = 64;
    faults.silentAfter = 3;
    model.setFaults(faults);
    // A probe of 0 bytes at the bad-sum address still answers properly.
    EXPECT_TRUE(readReplySumOk(model.feed(readRequest(kPagerUnit, 0, 0)), 0));
    EXPECT_FALSE(readReplySumOk(model.feed(readRequest(kPagerUnit, 0, 16)), 16));
    kz::TPagerImage changed = memory;
    changed.setByte(64, 0x99);
    const QByteArray refused = model.feed(writeRequest(changed.bytes(), 64, 32));
    EXPECT_EQ(refused.size(), kWriteAckSize);
    EXPECT_FALSE(isWriteAcknowledgement(refused));
    EXPECT_EQ(model.memory(), memory);
    EXPECT_TRUE(model.feed(readRequest(kPagerUnit, 128, 16)).isEmpty()); // silent now
}

TEST(CradleMemory, PreparedStates) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    EXPECT_TRUE(memory.imageSumMatches());
    EXPECT_TRUE(memory.hasNoSerialNumber());
    kz::sim::setSerialNumber(memory, "948GH3d0012");
    EXPECT_EQ(memory.text(416, 11), "948GH3d0012");
    EXPECT_EQ(memory.byte(427), 0);
    EXPECT_TRUE(memory.serialSumMatches());
    kz::sim::setSerialNumber(memory, "948GH3d0012", false);
    EXPECT_FALSE(memory.serialSumMatches());
    kz::sim::breakImageSum(memory, true);
    EXPECT_FALSE(memory.imageSumMatches());
    EXPECT_EQ(memory.byte(495), 0xCD);
    kz::sim::breakImageSum(memory, false);
    EXPECT_FALSE(memory.imageSumMatches());
    EXPECT_NE(memory.byte(495), 0xCD);
}
