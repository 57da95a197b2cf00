// The serial-number run against the simulated cradle: what reaches the pager, what the day's
// production log holds, and how every failure ends.
#include "cradle_fixture.h"
#include "pager_fields.h"
#include "production_log.h"
#include "serial_run_host.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <functional>
#include <vector>

namespace {

const QString kBoardText = "The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !";
const QString kReady = "  Ready ......";
const QString kReadyAfterFailure = "  Ready .....";
const QString kSerial = "948GH3d0012001";

// The window's side of the run: the serial field and One Channel, noted among the host's events.
class RecordingRunHost final : public kz::SerialRunHost {
public:
    explicit RecordingRunHost(RecordingHost& host) : host_(host) {}
    void focusSerialField() override { host_.events << "focusSerialField"; }
    void checkOneChannel() override {
        host_.events << "checkOneChannel";
        // What the One Channel click does to the image.
        host_.image.setByte(PagerField::oneChannelMark, PagerValue::oneChannelPager);
        host_.image.setByte(PagerField::oneChannelMark2, PagerValue::oneChannelPager);
    }

private:
    RecordingHost& host_;
};

class SerialRunTest : public CradleFixture {
protected:
    void run(const QString& serial = kSerial) { operations.programSerialNumber(serial, runHost); }
    QString logPath() const {
        return QDir(dir.path()).filePath(kz::ProductionLog::fileNameFor(QDate::currentDate()));
    }
    QByteArray log() const {
        QFile file(logPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The lines of the log after its banner, each without its time stamp.
    QStringList loggedRuns() const {
        QStringList runs;
        const QList<QByteArray> lines = log().split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            if (!lines[i].isEmpty())
                runs << QString::fromLatin1(lines[i].mid(21)); // past "yyyy-mm-dd hh:mm:ss  "
        return runs;
    }
    int count(const QString& event) const { return static_cast<int>(host.events.count(event)); }

    RecordingRunHost runHost{host};
};

TEST_F(SerialRunTest, WritesTheWholeImageWithTheSerialNumberAndLogsThePager) {
    startCradle();
    kz::TPagerImage image = host.image;
    image.setByte(PagerField::squelchLevelSelect, 0x5A); // a change the run must carry
    host.image = image;
    run();

    const kz::TPagerImage written = pager();
    EXPECT_EQ(written, host.image) << "the pager holds the whole working image";
    EXPECT_EQ(written.byte(PagerField::squelchLevelSelect), 0x5A);
    EXPECT_EQ(written.text(PagerField::serialNumber, 14), kSerial.toStdString());
    EXPECT_TRUE(written.serialSumMatches());
    EXPECT_TRUE(written.imageSumMatches());
    EXPECT_EQ(written.byte(PagerField::toolVersion), 1);
    EXPECT_EQ(written.byte(PagerField::toolVersion + 1), 0x08);
    EXPECT_EQ(cradle->model().writtenAddresses(), (std::vector<int>{0, 128, 256, 384}));

    EXPECT_EQ(host.states.last(), " Write Success !");
    EXPECT_EQ(host.statuses.last(), kReady);
    EXPECT_EQ(host.lastOutcome, "Write Success !");
    EXPECT_FALSE(host.lastOutcomeFailed);
    EXPECT_EQ(host.gaugeMax, 1728);
    EXPECT_TRUE(host.enabled);
    EXPECT_FALSE(host.progressShown);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(count("focusSerialField"), 1);
    EXPECT_EQ(host.eventsStartingWith("squelchPresets").size(), 1);
    EXPECT_FALSE(operations.serialPrefixFlag());
    EXPECT_TRUE(recorder.messages().empty());

    EXPECT_TRUE(log().startsWith("-------  TQ615 Programming (Barcode) Start ------- \r\n"));
    EXPECT_EQ(loggedRuns(), QStringList{"Serial No. = 948GH3d0012001  Write Success !\r"});
    EXPECT_EQ(log().count("\r\n"), log().count('\n')) << "every line ends with CR LF";
}

TEST_F(SerialRunTest, AShortSerialIsFollowedByZeroBytesBeforeItsSumAndLaterRunsAppend) {
    startCradle();
    run("SHORT-SERIAL"); // 12 characters
    run("ANOTHER-PAGER-1");
    const kz::TPagerImage written = pager();
    EXPECT_EQ(written.text(PagerField::serialNumber, 14), std::string("ANOTHER-PAGER-", 14))
        << "the field holds at most 14 characters";

    startCradle();
    run("SHORT-SERIAL");
    const kz::TPagerImage shortOne = pager();
    EXPECT_EQ(shortOne.text(PagerField::serialNumber, 14), std::string("SHORT-SERIAL\0\0", 14));
    EXPECT_TRUE(shortOne.serialSumMatches());
    EXPECT_EQ(log().count("Programming (Barcode) Start"), 1) << "one banner a day";
    EXPECT_EQ(loggedRuns().size(), 3);
}

TEST_F(SerialRunTest, PagersWrittenByToolsBefore219GetTheProductionBatteryLevels) {
    struct Case {
        std::uint8_t major;
        std::uint8_t minorPatch;
        bool levelsSet;
    };
    for (const Case c : {Case{0x02, 0x18, true}, Case{0x02, 0x19, false}}) {
        kz::TPagerImage memory = kz::sim::defaultCradleMemory();
        memory.setByte(PagerField::toolVersion, c.major);
        memory.setByte(PagerField::toolVersion + 1, c.minorPatch);
        startCradle(memory);
        host.image = kz::sim::defaultCradleMemory();
        host.image.setByte(PagerField::batteryGaugeLow, 190);
        host.image.setByte(PagerField::batteryGaugeMedium, 201);
        host.image.setByte(PagerField::batteryGaugeHigh, 233);
        run();
        const kz::TPagerImage written = pager();
        const std::vector<int> levels = {written.byte(PagerField::batteryGaugeLow),
                                         written.byte(PagerField::batteryGaugeMedium),
                                         written.byte(PagerField::batteryGaugeHigh)};
        const std::vector<int> expected =
            c.levelsSet ? std::vector<int>{199, 216, 224} : std::vector<int>{190, 201, 233};
        EXPECT_EQ(levels, expected) << std::hex << int(c.major) << int(c.minorPatch);
    }
}

struct SingleChannelCase {
    const char* name;
    bool markedSingle; // header byte 11 is 0xFE
    int firmwareMajor; // 5: firmware 5.0.0
    bool imageSingle;  // working image byte 397 is 0xFE
    bool refused;
};

class SingleChannelCheck : public SerialRunTest,
                           public ::testing::WithParamInterface<SingleChannelCase> {};

TEST_P(SingleChannelCheck, ASingleChannelPagerIsNeverMadeTwoChannel) {
    const SingleChannelCase& c = GetParam();
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    if (c.markedSingle)
        kz::sim::setSingleChannel(memory);
    kz::sim::setFirmware(memory, c.firmwareMajor, 0, 0);
    startCradle(memory);
    host.image.setByte(PagerField::oneChannelMark2,
                       c.imageSingle ? PagerValue::oneChannelPager : PagerValue::twoChannelPager);
    const kz::TPagerImage before = pager();
    run();
    if (c.refused) {
        EXPECT_EQ(recorder.texts(),
                  QStringList{"You cannot turn your single channel pager into a 2-channel "
                              "scan-capable model!"});
        EXPECT_EQ(host.statuses.last(), kReadyAfterFailure);
        EXPECT_EQ(pager(), before) << "nothing written";
        EXPECT_TRUE(cradle->model().writtenAddresses().empty());
        // One Channel is checked, then the field gets the focus.
        EXPECT_EQ(host.events.mid(host.events.size() - 2),
                  QStringList({"checkOneChannel", "focusSerialField"}));
        EXPECT_TRUE(loggedRuns().isEmpty());
        EXPECT_FALSE(host.progressShown);
        EXPECT_TRUE(host.enabled);
    } else {
        EXPECT_TRUE(recorder.messages().empty());
        EXPECT_EQ(count("checkOneChannel"), 0);
        EXPECT_EQ(pager(), host.image);
        EXPECT_EQ(loggedRuns().size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pagers, SingleChannelCheck,
    ::testing::Values(SingleChannelCase{"markedSingleTwoChannelImage", true, 2, false, true},
                      SingleChannelCase{"markedSingleOneChannelImage", true, 2, true, false},
                      SingleChannelCase{"firmware500TwoChannelImage", false, 5, false, true},
                      SingleChannelCase{"twoChannelPager", false, 2, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    kz::sim::CradleFaults faults;
    QString message; // empty: none
    QString status;
    bool focus;
    QString logged; // empty: no line
    std::vector<int> written;
};

kz::sim::CradleFaults faults(std::optional<int> silentAfter, std::optional<int> badSumAt,
                             std::optional<int> refuseAt, std::optional<int> misstoreAt) {
    kz::sim::CradleFaults f;
    f.silentAfter = silentAfter;
    f.badSumAt = badSumAt;
    f.refuseWriteAt = refuseAt;
    f.misstoreAt = misstoreAt;
    return f;
}

class SerialRunFailure : public SerialRunTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SerialRunFailure, EndsAsTheOperatorNeedsToKnow) {
    const FailureCase& c = GetParam();
    startCradle(kz::sim::defaultCradleMemory(), c.faults);
    run();
    EXPECT_EQ(recorder.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    EXPECT_EQ(host.statuses.last(), c.status);
    EXPECT_EQ(count("focusSerialField"), c.focus ? 1 : 0);
    EXPECT_EQ(loggedRuns(), c.logged.isEmpty()
                                ? QStringList()
                                : QStringList{"Serial No. = " + kSerial + "  " + c.logged + "\r"});
    EXPECT_EQ(cradle->model().writtenAddresses(), c.written);
    EXPECT_TRUE(host.lastOutcomeFailed);
    EXPECT_TRUE(host.enabled);
    EXPECT_FALSE(host.progressShown);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(host.image.text(PagerField::serialNumber, 14), kSerial.toStdString())
        << "the serial number stays in the working image";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SerialRunFailure,
    ::testing::Values(
        FailureCase{"boardSilent", faults(0, {}, {}, {}), kBoardText, kReady, true, {}, {}},
        FailureCase{"versionBlockNotRead",
                    faults({}, 496, {}, {}),
                    "Read Software Version Fail !",
                    kReadyAfterFailure,
                    false,
                    {},
                    {}},
        FailureCase{"headerBlockNotRead",
                    faults({}, 0, {}, {}),
                    "Read Firmware Version Fail !",
                    kReadyAfterFailure,
                    true,
                    {},
                    {}},
        FailureCase{"thirdBlockRefused",
                    faults({}, {}, 256, {}),
                    {},
                    kReady,
                    true,
                    "Write Fail !",
                    {0, 128, 256}},
        FailureCase{"secondBlockReadBackDiffers",
                    faults({}, {}, {}, 128),
                    {},
                    kReady,
                    true,
                    "Verify Fail !",
                    {0, 128}}),
    [](const auto& info) { return std::string(info.param.name); });

// The day's file cannot be created (its folder is gone) or cannot be opened (a folder stands in
// its place): either way the pager is programmed, and once the run has ended the operator is
// told that its line is missing, with the file and the reason.
TEST_F(SerialRunTest, ALineThatCannotBeLoggedIsToldAfterThePagerIsProgrammed) {
    const std::function<void()> blockers[] = {
        [this] { host.directory = dir.filePath("no-such-folder"); },
        [this] {
            ASSERT_TRUE(
                QDir(dir.path()).mkdir(kz::ProductionLog::fileNameFor(QDate::currentDate())));
        },
    };
    for (const auto& block : blockers) {
        host.directory = dir.path();
        host.events.clear();
        recorder.clear();
        startCradle();
        block();
        run();
        EXPECT_EQ(pager(), host.image) << "the pager is programmed all the same";
        EXPECT_EQ(host.states.last(), " Write Success !");
        ASSERT_EQ(recorder.messages().size(), 1u);
        const QString text = recorder.messages().front().text;
        EXPECT_TRUE(
            text.startsWith("The production log has no line for Serial No. 948GH3d0012001.\n"))
            << text.toStdString();
        EXPECT_TRUE(text.contains(
            QDir(host.directory).filePath(kz::ProductionLog::fileNameFor(QDate::currentDate()))))
            << text.toStdString();
        // Told once the run has ended: the window is usable and the field has had the focus.
        const qsizetype told =
            host.events.indexOf(QRegularExpression("^message\\(port closed\\):The production log.*",
                                                   QRegularExpression::DotMatchesEverythingOption));
        EXPECT_GT(told, host.events.lastIndexOf("focusSerialField"));
    }
}

} // namespace
