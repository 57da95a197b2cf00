#include "cradle_fixture.h"

namespace {

const QString kBoardText = "The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !";

class PagerWriteTest : public CradleFixture {
protected:
    // The editor's image differs from the pager's everywhere a Write may touch.
    void SetUp() override {
        CradleFixture::SetUp();
        for (int i = 16; i < 512; ++i)
            host.image.setByte(i, static_cast<std::uint8_t>(i * 13 + 5));
    }

    void expectEndedCleanly() {
        EXPECT_TRUE(host.enabled);
        EXPECT_FALSE(host.progressShown);
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(operations.busy());
    }
};

} // namespace

TEST_F(PagerWriteTest, WritesEverythingButTheSerialBlock) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setFirmware(memory, 3, 1, 4);
    kz::sim::setSerialNumber(memory, "948GH3d0012001");
    startCradle(memory);
    host.image.setText(416, "SHOULD-NOT-GO!");

    operations.Write1Click();

    expectEndedCleanly();
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(host.states,
              QStringList({"Read Version ...", "Read Version ...", "Read Serial No. ...",
                           "Write Now ......", " Write Success !"}));
    EXPECT_EQ(host.statuses, QStringList({"  Target board testing ......", "  Read Version ......",
                                          "  Read Version ......", "  Read Serial No. ......",
                                          "  Write Now ......", "  Ready ......"}));
    EXPECT_EQ(host.firmwareText, "FirmVer. 3.1.4");
    EXPECT_TRUE(host.firmwareVisible);
    // The intake took the pager's serial number over, so pager and image agree everywhere.
    EXPECT_EQ(host.serialText, "948GH3d0012001");
    EXPECT_TRUE(operations.serialPrefixFlag());
    EXPECT_EQ(host.squelchPresets, 1);
    EXPECT_EQ(host.image.byte(510), 1);
    EXPECT_EQ(host.image.byte(511), 0x08);
    EXPECT_TRUE(host.image.imageSumMatches());
    EXPECT_EQ(pager(), host.image);
    std::vector<int> plan;
    for (int a = 0; a < 416; a += 32)
        plan.push_back(a);
    plan.push_back(432);
    plan.push_back(496);
    EXPECT_EQ(cradle->model().writtenAddresses(), plan);
    EXPECT_EQ(host.eventsStartingWith("enabled:"), QStringList({"enabled:0", "enabled:1"}));
}

TEST_F(PagerWriteTest, NeverTouchesThePagersSerialBlock) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory(); // serial block all 0xFF
    startCradle(memory);
    host.image.setText(416, "ABCDEFGHIJKLMN");
    host.serialText = "untouched";

    operations.Write1Click();

    EXPECT_EQ(host.states.last(), " Write Success !");
    const kz::TPagerImage written = pager();
    for (int i = 416; i < 432; ++i)
        EXPECT_EQ(written.byte(i), 0xFF) << i;
    EXPECT_EQ(host.image.text(416, 14), "ABCDEFGHIJKLMN");
    EXPECT_EQ(host.serialText, "untouched");
    EXPECT_EQ(host.squelchPresets, 0);
    // Header from the pager, the rest from the editor.
    EXPECT_TRUE(std::equal(written.bytes().begin(), written.bytes().begin() + 16,
                           host.image.bytes().begin()));
    EXPECT_TRUE(std::equal(written.bytes().begin() + 432, written.bytes().end(),
                           host.image.bytes().begin() + 432));
}

TEST_F(PagerWriteTest, RefusedThirdBlockLeavesTheRestUnwritten) {
    kz::sim::CradleFaults faults;
    faults.refuseWriteAt = 64;
    const kz::TPagerImage before = kz::sim::defaultCradleMemory();
    startCradle(before, faults);

    operations.Write1Click();

    expectEndedCleanly();
    EXPECT_EQ(host.states.last(), " Write Fail !");
    EXPECT_EQ(host.statuses.last(), "  Ready ......");
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(cradle->model().writtenAddresses(), std::vector<int>({0, 32, 64}));
    const kz::TPagerImage after = pager();
    EXPECT_TRUE(std::equal(after.bytes().begin() + 16, after.bytes().begin() + 64,
                           host.image.bytes().begin() + 16));
    EXPECT_TRUE(
        std::equal(after.bytes().begin() + 64, after.bytes().end(), before.bytes().begin() + 64));
}

TEST_F(PagerWriteTest, ReadBackDifferenceIsAVerifyFailure) {
    kz::sim::CradleFaults faults;
    faults.misstoreAt = 432;
    startCradle(kz::sim::defaultCradleMemory(), faults);
    operations.Write1Click();
    expectEndedCleanly();
    EXPECT_EQ(host.states.last(), " Verify Fail !");
    EXPECT_EQ(cradle->model().writtenAddresses().back(), 432);
}

TEST_F(PagerWriteTest, FailurePathsEndWithMessageAndFiveDots) {
    struct Case {
        const char* name;
        kz::sim::CradleFaults faults;
        bool badSerialSum;
        QString message;
    };
    kz::sim::CradleFaults version, header, serial;
    version.badSumAt = 496;
    header.silentAfter = 2; // board check and version block answered
    serial.badSumAt = 416;
    const Case cases[] = {
        {"version", version, false, "Read Software Version Fail !"},
        {"header", header, false, "Read Firmware Version Fail !"},
        {"serial read", serial, false, "Read Serial No. Fail !"},
        {"serial sum", {}, true, "Serial No. Checksum Error !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kz::TPagerImage memory = kz::sim::defaultCradleMemory();
        if (c.badSerialSum)
            kz::sim::setSerialNumber(memory, "948GH3d0012001", false);
        startCradle(memory, c.faults);
        host.events.clear();
        recorder.clear();
        const kz::TPagerImage imageBefore = host.image;

        operations.Write1Click();

        expectEndedCleanly();
        EXPECT_EQ(recorder.texts(), QStringList({c.message}));
        EXPECT_EQ(recorder.messages().front().title, "KZ904");
        EXPECT_EQ(host.statuses.last(), "  Ready .....");
        EXPECT_TRUE(cradle->model().writtenAddresses().empty());
        // Close the port, message, status, gauge to 0, close the window, enable: in this order.
        const QStringList tail = host.events.mid(host.events.size() - 5);
        EXPECT_EQ(tail, QStringList({"message(port closed):" + c.message, "status:  Ready .....",
                                     "gauge:0", "closeProgress", "enabled:1"}));
        EXPECT_EQ(host.image.text(416, 14), imageBefore.text(416, 14));
    }
}

TEST_F(PagerWriteTest, SilentProgrammerEndsWithSixDots) {
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    operations.Write1Click();
    expectEndedCleanly();
    EXPECT_EQ(recorder.texts(), QStringList({kBoardText}));
    EXPECT_EQ(host.statuses, QStringList({"  Target board testing ......", "  Ready ......"}));
    EXPECT_TRUE(host.states.isEmpty());
    // Before the progress window: close the port, message, status line, enable.
    EXPECT_EQ(
        host.events.mid(host.events.size() - 3),
        QStringList({"message(port closed):" + kBoardText, "status:  Ready ......", "enabled:1"}));
    EXPECT_TRUE(host.eventsStartingWith("closeProgress").isEmpty());
}

TEST_F(PagerWriteTest, CutLineMidTransferLeavesWindowEnabledAndPortClosed) {
    kz::sim::CradleFaults faults;
    faults.disconnectAfter = 6; // board check, version, header, serial, block 0 written, read back
    startCradle(kz::sim::defaultCradleMemory(), faults);
    operations.Write1Click();
    expectEndedCleanly();
    EXPECT_TRUE(cradle->disconnected());
    EXPECT_EQ(host.states.last(), " Write Fail !");
    EXPECT_EQ(host.statuses.last(), "  Ready ......");
}
