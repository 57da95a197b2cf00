#include "cradle_fixture.h"
#include "link_frames.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

using kz::frames::kPagerUnit;

namespace {

class ProgrammerLinkTest : public CradleFixture {
protected:
    void openCradlePort() { port.openWithSettings(9600, cradle->portPath(), 1); }
};

} // namespace

TEST_F(ProgrammerLinkTest, ShippedWaitsAreTheSpecifiedOnes) {
    const kz::LinkTiming shipped;
    EXPECT_EQ(shipped.boardCheckSlotMs, 20);
    EXPECT_EQ(shipped.normalSlotMs, 50);
    EXPECT_EQ(shipped.pollsPerByte, 101);

    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    operations.link().setTiming(shipped);
    openCradlePort();
    std::uint8_t none = 0;
    QElapsedTimer clock;

    operations.link().setBoardCheckMode(true);
    clock.start();
    EXPECT_FALSE(operations.link().read(kPagerUnit, 0, 0, &none));
    // 101 polls of 20 ms: never shorter, and not much longer even on a busy machine.
    EXPECT_GE(clock.elapsed(), 2020);
    EXPECT_LT(clock.elapsed(), 2020 + 400);
    EXPECT_TRUE(port.isOpen()); // a time-out purges and leaves the port open

    operations.link().setBoardCheckMode(false);
    clock.restart();
    EXPECT_FALSE(operations.link().read(kPagerUnit, 0, 0, &none));
    EXPECT_GE(clock.elapsed(), 5050);
    EXPECT_LT(clock.elapsed(), 5050 + 500);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(ProgrammerLinkTest, ReadsAReplyAsSoonAsItArrives) {
    startCradle();
    openCradlePort();
    std::array<std::uint8_t, 128> block{};
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(operations.link().read(kPagerUnit, 128, 128, block.data()));
    // Ten requests in well under one 50 ms poll slot each: nobody sleeps through a waiting
    // reply (a sleep-then-look loop needs at least 500 ms here).
    EXPECT_LT(clock.elapsed(), 10 * 50 / 2);
    const kz::TPagerImage memory = pager();
    EXPECT_TRUE(std::equal(block.begin(), block.end(), memory.bytes().begin() + 128));
}

TEST_F(ProgrammerLinkTest, WriteAndReadBackAgainstThePager) {
    startCradle();
    openCradlePort();
    kz::TPagerImage image = kz::sim::defaultCradleMemory();
    for (int i = 0; i < 32; ++i)
        image.setByte(64 + i, static_cast<std::uint8_t>(i));
    EXPECT_TRUE(operations.link().write(image.bytes(), 64, 32));
    EXPECT_TRUE(operations.link().readBack(image.bytes(), 64, 32));
    EXPECT_EQ(pager(), image);
    image.setByte(70, 0xAA);
    EXPECT_FALSE(operations.link().readBack(image.bytes(), 64, 32));
}

TEST_F(ProgrammerLinkTest, FailedRequests) {
    kz::sim::CradleFaults faults;
    faults.badSumAt = 16;
    faults.refuseWriteAt = 32;
    startCradle(kz::sim::defaultCradleMemory(), faults);
    openCradlePort();
    std::array<std::uint8_t, 16> block{};
    block.fill(0x77);
    EXPECT_FALSE(operations.link().read(kPagerUnit, 16, 16, block.data()));
    EXPECT_EQ(block[0], 0x77); // nothing copied from a reply with a wrong sum
    const kz::TPagerImage image = kz::sim::defaultCradleMemory();
    EXPECT_FALSE(operations.link().write(image.bytes(), 32, 32));
    EXPECT_TRUE(port.isOpen());
}

TEST_F(ProgrammerLinkTest, TraceAndProgressTotal) {
    startCradle();
    openCradlePort();
    operations.link().setProgressTotal(128);
    std::array<std::uint8_t, 16> block{};
    ASSERT_TRUE(operations.link().read(kPagerUnit, 416, 16, block.data()));
    EXPECT_EQ(operations.link().progressTotal(), 544);
    EXPECT_EQ(host.memSend, kz::frames::traceText(kz::frames::readRequest(kPagerUnit, 416, 16)));
    const QString firstReply = host.memRec;
    EXPECT_EQ(firstReply.count(','), 31);
    ASSERT_TRUE(operations.link().read(kPagerUnit, 0, 0, block.data()));
    EXPECT_EQ(host.memSend, "0x56,0x6F,0x72,0x6E,0x61,0x6B,0x65,0x6C,0x6C,0x65,0x33,0x52,0x03,"
                            "0x00,0x00,0x00,0x00,0x88,");
    EXPECT_TRUE(host.memRec.startsWith(firstReply));
    EXPECT_EQ(host.memRec.count(','), 31 + 15);
}

TEST_F(ProgrammerLinkTest, ClosedPortFailsAtOnce) {
    startCradle();
    std::uint8_t none = 0;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(operations.link().read(kPagerUnit, 0, 0, &none));
    EXPECT_LT(clock.elapsed(), 50);
    EXPECT_FALSE(host.memSend.isEmpty()); // traced, not sent
}

TEST_F(ProgrammerLinkTest, CutLineClosesThePort) {
    kz::sim::CradleFaults faults;
    faults.disconnectAfter = 1;
    startCradle(kz::sim::defaultCradleMemory(), faults);
    openCradlePort();
    std::array<std::uint8_t, 16> block{};
    ASSERT_TRUE(operations.link().read(kPagerUnit, 0, 16, block.data()));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(operations.link().read(kPagerUnit, 16, 16, block.data()));
    EXPECT_FALSE(port.isOpen());
    EXPECT_LT(clock.elapsed(), 400); // a port error ends the wait, it does not time out
}

TEST_F(ProgrammerLinkTest, PauseWaitsWithoutSpinning) {
    // Also while the application quits (its window closed during an operation): no event
    // loop runs then, and the pause must not turn into a busy wait.
    for (const bool quitting : {false, true}) {
        SCOPED_TRACE(quitting ? "quitting" : "running");
        if (quitting)
            QCoreApplication::exit(0);
        QElapsedTimer clock;
        clock.start();
        const std::clock_t cpu = std::clock();
        kz::ProgrammerLink::pause(300);
        EXPECT_GE(clock.elapsed(), 300);
        EXPECT_LT(clock.elapsed(), 600);
        EXPECT_LT(double(std::clock() - cpu) / CLOCKS_PER_SEC, 0.05);
    }
    // Run and end the application's loop once, which clears its quitting state again.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
