#include "cradle_fixture.h"
#include "failing_disk.h"

#include <QDir>
#include <QFile>

#include <cerrno>

namespace {

const QString kBoardText = "The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !";

class PagerReadVerifyTest : public CradleFixture {
protected:
    void SetUp() override {
        CradleFixture::SetUp();
        for (int i = 16; i < 512; ++i)
            host.image.setByte(i, static_cast<std::uint8_t>(i * 3 + 1));
        editorImage = host.image;
    }

    QByteArray errorDump() const {
        QFile file(QDir(dir.path()).filePath("errtbl.tbl"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void expectEndedCleanly() {
        EXPECT_TRUE(host.enabled);
        EXPECT_FALSE(host.progressShown);
        EXPECT_FALSE(port.isOpen());
        EXPECT_EQ(host.statuses.last(), "  Ready ......");
    }

    kz::TPagerImage editorImage;
};

} // namespace

TEST_F(PagerReadVerifyTest, ReadReplacesTheImageAndShowsIt) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    memory.setByte(411, 0xFF);
    memory.setByte(412, 0xFF);
    kz::sim::setSerialNumber(memory, "948GH3d0011777");
    memory.storeImageSum();
    operations.setSerialPrefixFlag(true);
    startCradle(memory);

    operations.Read1Click();

    expectEndedCleanly();
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(host.states, QStringList({"Read Version ...", "Read Serial No. ...",
                                        " Read Now ......", " Read Success !"}));
    EXPECT_EQ(host.statuses,
              QStringList({"  Target board testing ......", "  Read Version ......",
                           "  Read Serial No. ......", "  Read Now ......", "  Ready ......"}));
    kz::TPagerImage expected = memory;
    expected.setByte(411, 3);
    expected.setByte(412, 2);
    EXPECT_EQ(host.image, expected);
    EXPECT_EQ(host.loadingPasses, 1);
    EXPECT_EQ(host.serialText, "948GH3d0011777");
    EXPECT_FALSE(operations.serialPrefixFlag());
    EXPECT_EQ(host.firmwareText, "FirmVer. 2.2.0");
    EXPECT_TRUE(errorDump().isEmpty());
    // Gauge after each block: next block's address + 2, clamped to 512.
    const QStringList gauges = host.eventsStartingWith("gauge:");
    EXPECT_TRUE(gauges.contains("gauge:130"));
    EXPECT_TRUE(gauges.contains("gauge:386"));
    EXPECT_EQ(host.gaugeMax, 512);
}

TEST_F(PagerReadVerifyTest, WrongImageSumIsDumpedAndNotTaken) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setFirmware(memory, 1, 9, 9);
    kz::sim::breakImageSum(memory, false);
    startCradle(memory);

    operations.Read1Click();

    expectEndedCleanly();
    EXPECT_EQ(host.states.last(), "Checksum Error !");
    EXPECT_FALSE(host.gaugeVisible);
    EXPECT_EQ(host.loadingPasses, 0);
    // Only the header block was taken over.
    EXPECT_TRUE(std::equal(host.image.bytes().begin(), host.image.bytes().begin() + 16,
                           memory.bytes().begin()));
    EXPECT_TRUE(std::equal(host.image.bytes().begin() + 16, host.image.bytes().end(),
                           editorImage.bytes().begin() + 16));
    const QByteArray dump = errorDump();
    ASSERT_EQ(dump.size(), 1024);
    EXPECT_EQ(dump.left(512), QByteArray(reinterpret_cast<const char*>(memory.data()), 512));
    EXPECT_EQ(dump.mid(512), QByteArray(512, '\0'));
}

TEST_F(PagerReadVerifyTest, WrongImageSumMarkedCDIsAccepted) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::breakImageSum(memory, true);
    startCradle(memory);
    operations.Read1Click();
    EXPECT_EQ(host.states.last(), " Read Success !");
    EXPECT_EQ(host.image.byte(495), 0xCD);
    EXPECT_EQ(host.image.storedImageSum(), memory.storedImageSum());
    EXPECT_TRUE(errorDump().isEmpty());
}

TEST_F(PagerReadVerifyTest, FailedBlockIsDumpedWithZerosForTheRest) {
    kz::sim::CradleFaults faults;
    faults.badSumAt = 256;
    const kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    startCradle(memory, faults);

    operations.Read1Click();

    expectEndedCleanly();
    EXPECT_EQ(host.states.last(), "  Read Fail !");
    EXPECT_EQ(host.loadingPasses, 0);
    EXPECT_TRUE(std::equal(host.image.bytes().begin() + 16, host.image.bytes().end(),
                           editorImage.bytes().begin() + 16));
    const QByteArray dump = errorDump();
    ASSERT_EQ(dump.size(), 1024);
    EXPECT_EQ(dump.left(256), QByteArray(reinterpret_cast<const char*>(memory.data()), 256));
    EXPECT_EQ(dump.mid(256), QByteArray(768, '\0'));
}

TEST_F(PagerReadVerifyTest, DumpThatCannotBeWrittenIsReportedAndTheOlderOneKept) {
    // While the damaged read is dumped, no file may grow beyond 512 bytes: room for the port's
    // lock file, none for the 1024-byte dump, which fails halfway as on a full disk.
    QFile older(QDir(dir.path()).filePath("errtbl.tbl"));
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write("an older dump");
    older.close();
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::breakImageSum(memory, false);
    startCradle(memory);

    {
        FileSizeLimit noRoom(512);
        operations.Read1Click();
    }

    ASSERT_FALSE(host.states.isEmpty());
    EXPECT_EQ(host.states.last(), "Checksum Error !");
    expectEndedCleanly();
    ASSERT_EQ(recorder.messages().size(), 1u);
    const auto& m = recorder.messages()[0];
    EXPECT_EQ(m.title, "KZ904");
    EXPECT_EQ(m.text, "Save Error!");
    EXPECT_EQ(m.detail, qt_error_string(EFBIG)) << "the system's reason";
    EXPECT_EQ(m.icon, kz::MessageIcon::Warning);
    EXPECT_EQ(errorDump(), "an older dump");
}

TEST_F(PagerReadVerifyTest, ReadWithoutProgrammerEndsWithFiveDots) {
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    operations.Read1Click();
    EXPECT_EQ(recorder.texts(), QStringList({kBoardText}));
    EXPECT_EQ(host.statuses, QStringList({"  Target board testing ......", "  Ready ....."}));
    EXPECT_EQ(
        host.events.mid(host.events.size() - 3),
        QStringList({"message(port closed):" + kBoardText, "status:  Ready .....", "enabled:1"}));
    EXPECT_TRUE(host.enabled);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(host.firmwareVisible);
}

TEST_F(PagerReadVerifyTest, ReadFailurePathsEndWithMessageAndFiveDots) {
    struct Case {
        const char* name;
        kz::sim::CradleFaults faults;
        bool badSerialSum;
        QString message;
        bool firmwareShown;
    };
    kz::sim::CradleFaults header, serial;
    header.silentAfter = 1; // the board check alone is answered
    serial.badSumAt = 416;
    const Case cases[] = {
        {"header", header, false, "Read Firmware Version Fail !", false},
        {"serial read", serial, false, "Read Serial No. Fail !", true},
        {"serial sum", {}, true, "Serial No. Checksum Error !", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kz::TPagerImage memory = kz::sim::defaultCradleMemory();
        if (c.badSerialSum)
            kz::sim::setSerialNumber(memory, "948GH3d0012001", false);
        startCradle(memory, c.faults);
        host.events.clear();
        host.statuses.clear();
        recorder.clear();
        host.image = editorImage;

        operations.Read1Click();

        EXPECT_EQ(recorder.texts(), QStringList({c.message}));
        EXPECT_EQ(host.statuses.last(), "  Ready .....");
        EXPECT_EQ(host.events.mid(host.events.size() - 5),
                  QStringList({"message(port closed):" + c.message, "status:  Ready .....",
                               "gauge:0", "closeProgress", "enabled:1"}));
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(operations.busy());
        EXPECT_EQ(host.firmwareVisible, c.firmwareShown);
        EXPECT_EQ(host.loadingPasses, 0);
        // Beyond the header block nothing of the editor's image changed.
        EXPECT_TRUE(std::equal(host.image.bytes().begin() + 16, host.image.bytes().end(),
                               editorImage.bytes().begin() + 16));
        EXPECT_TRUE(errorDump().isEmpty());
    }
}

TEST_F(PagerReadVerifyTest, ReadCutMidTransfer) {
    kz::sim::CradleFaults faults;
    faults.disconnectAfter = 4; // board check, header, serial, first 128-byte block
    startCradle(kz::sim::defaultCradleMemory(), faults);
    operations.Read1Click();
    expectEndedCleanly();
    EXPECT_TRUE(cradle->disconnected());
    EXPECT_EQ(host.states.last(), "  Read Fail !");
}

TEST_F(PagerReadVerifyTest, VerifyComparesAllBytesAsTheyStand) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setSerialNumber(memory, "KZ123");
    startCradle(memory);
    host.image = memory;

    operations.Verify1Click();

    expectEndedCleanly();
    EXPECT_EQ(host.states, QStringList({"Verify Now ......", " Verify Success !"}));
    EXPECT_EQ(host.statuses, QStringList({"  Target board testing ......", "  Verify Now ......",
                                          "  Ready ......"}));
    EXPECT_EQ(host.image, memory); // Verify changes nothing
    EXPECT_TRUE(cradle->model().writtenAddresses().empty());

    // A differing serial block fails: Write keeps away from it, Verify does not.
    host.image.setByte(420, 'x');
    host.states.clear();
    operations.Verify1Click();
    expectEndedCleanly();
    EXPECT_EQ(host.states.last(), "  Verify Fail !");
    EXPECT_TRUE(host.gaugeVisible); // shown again before the window closes
}

TEST_F(PagerReadVerifyTest, VerifyAfterWriteStillSeesTheSerialBlock) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory(); // no serial number in the pager
    startCradle(memory);
    host.image.setText(416, "NOT-IN-PAGER00");
    operations.Write1Click();
    ASSERT_EQ(host.states.last(), " Write Success !");
    operations.Verify1Click();
    EXPECT_EQ(host.states.last(), "  Verify Fail !");
}

TEST_F(PagerReadVerifyTest, PagerWithoutSerialReadsBackAfterAWrite) {
    // The editor's image carries a serial number the pager does not have (a refused barcode
    // run leaves one, a table file of another pager brings one). Write leaves the pager's
    // serial-number block alone, so the image sum it stores must cover the pager's block.
    startCradle(); // serial block all 0xFF
    host.image.setText(416, "948GH3d0012999");
    host.image.storeSerialSum();

    operations.Write1Click();
    ASSERT_EQ(host.states.last(), " Write Success !");
    EXPECT_TRUE(pager().imageSumMatches());
    EXPECT_EQ(pager().storedImageSum(), host.image.storedImageSum());

    operations.Read1Click();
    EXPECT_EQ(host.states.last(), " Read Success !");
    EXPECT_TRUE(errorDump().isEmpty());
    EXPECT_EQ(host.image, pager());
}

TEST_F(PagerReadVerifyTest, VerifyWithoutProgrammerEndsWithSixDots) {
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    operations.Verify1Click();
    EXPECT_EQ(recorder.texts(), QStringList({kBoardText}));
    EXPECT_EQ(host.statuses, QStringList({"  Target board testing ......", "  Ready ......"}));
    EXPECT_TRUE(host.enabled);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PagerReadVerifyTest, NoSecondOperationWhileOneRuns) {
    startCradle();
    host.onStatus = [this](const QString& text) {
        if (text == "  Read Now ......") {
            EXPECT_TRUE(operations.busy());
            operations.Write1Click();
            operations.Verify1Click();
            operations.Read1Click();
        }
    };
    operations.Read1Click();
    host.onStatus = nullptr;
    EXPECT_EQ(host.statuses,
              QStringList({"  Target board testing ......", "  Read Version ......",
                           "  Read Serial No. ......", "  Read Now ......", "  Ready ......"}));
    EXPECT_TRUE(cradle->model().writtenAddresses().empty());
    EXPECT_FALSE(operations.busy());
}
