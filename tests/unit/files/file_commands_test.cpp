#include "builtin_images.h"
#include "file_commands.h"
#include "message_recorder.h"
#include "program_identity.h"
#include "qstring_printer.h"
#include "table_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include "failing_disk.h"
#endif

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace {

using kz::MessageButton;

// Records what the commands do to the window and answers the file dialogs from a script.
class RecordingHost final : public kz::FileCommandHost {
public:
    kz::TPagerImage image = [] {
        kz::TPagerImage i = builtinWorkingImage();
        kz::stampIdentity(i);
        return i;
    }();
    QString windowCaption = "KZ904 V1.0.8";
    QString firmwareLabel;
    bool firmwareLabelShown = false;
    kz::TimingUnit unit = kz::TimingUnit::FiftyMs;
    bool oneChannel = false;
    int f1Step = 0, f2Step = 0;
    std::vector<bool> modeResets;
    int loadingPasses = 0;
    std::deque<std::optional<QString>> openAnswers, saveAnswers;
    std::vector<kz::FileDialogSetup> dialogs;

    kz::TPagerImage& workingImage() override { return image; }
    void runLoadingPass() override { ++loadingPasses; }
    QString caption() const override { return windowCaption; }
    void setCaption(const QString& caption) override { windowCaption = caption; }
    void showFirmwareLabel(const QString& text) override {
        firmwareLabel = text;
        firmwareLabelShown = true;
    }
    void hideFirmwareLabel() override { firmwareLabelShown = false; }
    void showTimingUnit(kz::TimingUnit u) override { unit = u; }
    bool oneChannelChecked() const override { return oneChannel; }
    void setChannelSteps(int f1, int f2) override {
        f1Step = f1;
        f2Step = f2;
    }
    void resetModeMemory(bool one) override { modeResets.push_back(one); }
    std::optional<QString> chooseFileToOpen(const kz::FileDialogSetup& setup) override {
        return next(openAnswers, setup);
    }
    std::optional<QString> chooseFileToSave(const kz::FileDialogSetup& setup) override {
        return next(saveAnswers, setup);
    }

private:
    std::optional<QString> next(std::deque<std::optional<QString>>& answers,
                                const kz::FileDialogSetup& setup) {
        dialogs.push_back(setup);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FileCommandsTest : public ::testing::Test {
protected:
    QByteArray read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        return file.readAll();
    }
    void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString defaultTbl() const { return startup.filePath("default.tbl"); }

    QTemporaryDir startup;
    QTemporaryDir elsewhere;
    MessageRecorder recorder;
    RecordingHost host;
    kz::FileCommands commands{host, startup.path(), "KZ904 V1.0.8"};
};

TEST_F(FileCommandsTest, SaveRightAfterStartAsksAndNoWritesNothing) {
    recorder.answer({MessageButton::No});
    commands.Save1Click();
    ASSERT_EQ(recorder.messages().size(), 1u);
    const auto& question = recorder.messages()[0];
    EXPECT_EQ(question.title, "KZ904");
    EXPECT_EQ(question.text, "Click OK will save all changes to the default file.\nThis will "
                             "change all the default values and automatically loaded up by "
                             "KZ904 programming software in the future.");
    EXPECT_EQ(question.buttons, kz::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, kz::MessageIcon::Warning);
    EXPECT_FALSE(QFile::exists(defaultTbl()));

    recorder.answer({MessageButton::Yes});
    commands.Save1Click();
    ASSERT_TRUE(QFile::exists(defaultTbl()));
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8") << "Save leaves the caption alone";
}

TEST_F(FileCommandsTest, SavedFileReopensWithSumAndVersionStamp) {
    host.image.setByte(PagerField::toolVersion, 0x02); // as a file from another program would
    host.image.setByte(PagerField::toolVersion + 1, 0x28);
    const QString path = elsewhere.filePath("unit7.tbl");
    host.saveAnswers.push_back(path);
    commands.SaveAs1Click();

    const QByteArray bytes = read(path);
    ASSERT_EQ(bytes.size(), 512);
    kz::TPagerImage saved;
    kz::copyTableBytes(bytes, saved);
    EXPECT_TRUE(saved.imageSumMatches());
    EXPECT_EQ(saved.storedImageSum(), 0x8638);
    EXPECT_EQ(saved.byte(510), 1);
    EXPECT_EQ(saved.byte(511), 0x08);
    EXPECT_EQ(saved, host.image) << "the working image carries the same stamps";
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8  [" + path + "]");

    // reopening gives the same 512 bytes
    host.image = kz::TPagerImage();
    host.openAnswers.push_back(path);
    commands.Open1Click();
    EXPECT_EQ(host.image, saved);
}

TEST_F(FileCommandsTest, DialogsStartInTheStartupFolderWithTheTableFilter) {
    commands.Open1Click();
    commands.SaveAs1Click();
    ASSERT_EQ(host.dialogs.size(), 2u);
    for (const auto& setup : host.dialogs) {
        EXPECT_EQ(setup.initialFolder, startup.path());
        EXPECT_EQ(setup.nameFilter, "Table files (*.tbl)");
        EXPECT_EQ(setup.defaultSuffix, "tbl");
    }
    EXPECT_EQ(host.loadingPasses, 0) << "cancelled dialogs change nothing";
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8");
}

TEST_F(FileCommandsTest, AfterSaveAsElsewhereSaveWritesThereWithoutAQuestion) {
    const QString path = elsewhere.filePath("default.tbl"); // same name, other folder
    host.saveAnswers.push_back(path);
    commands.SaveAs1Click();
    EXPECT_EQ(commands.saveTarget(), path);
    const QByteArray first = read(path);

    host.image.setByte(200, 0x42);
    commands.Save1Click();
    EXPECT_TRUE(recorder.messages().empty()) << "the full name is compared, not the file name";
    EXPECT_NE(read(path), first);
    EXPECT_EQ(static_cast<std::uint8_t>(read(path)[200]), 0x42);
    EXPECT_FALSE(QFile::exists(defaultTbl()));
    EXPECT_EQ(read(startup.filePath("default.BAK")), first)
        << "the backup lands in the startup folder";
}

TEST_F(FileCommandsTest, OpenDoesNotMoveTheSaveTarget) {
    const QString saved = elsewhere.filePath("a.tbl");
    host.saveAnswers.push_back(saved);
    commands.SaveAs1Click();
    const QString opened = elsewhere.filePath("b.tbl");
    write(opened, QByteArray(512, char(0x01)));
    host.openAnswers.push_back(opened);
    commands.Open1Click();
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8  [" + opened + "]");
    EXPECT_EQ(commands.saveTarget(), saved);
    commands.Save1Click();
    EXPECT_EQ(read(opened), QByteArray(512, char(0x01))) << "the opened file is not written";
    EXPECT_EQ(static_cast<std::uint8_t>(read(saved)[0]), 0x01) << "the save target is";
}

TEST_F(FileCommandsTest, OpenOfAShortFileReplacesOnlyItsBytes) {
    const kz::TPagerImage before = host.image;
    const QString path = elsewhere.filePath("short.tbl");
    write(path, QByteArray(100, char(0x09)));
    host.openAnswers.push_back(path);
    commands.Open1Click();
    for (int i = 0; i < 512; ++i)
        ASSERT_EQ(host.image.byte(i), i < 100 ? 0x09 : before.byte(i)) << i;
    EXPECT_EQ(host.loadingPasses, 1);
}

struct FirmwareCase {
    std::array<char, 3> digits;
    const char* label;
    kz::TimingUnit unit;
};

class OpenFirmwareTest : public FileCommandsTest,
                         public ::testing::WithParamInterface<FirmwareCase> {};

TEST_P(OpenFirmwareTest, FirmwareLabelAndTimingUnitFollowTheFile) {
    const auto& c = GetParam();
    QByteArray bytes = QByteArray(512, char(0xFF));
    bytes[12] = c.digits[0];
    bytes[13] = c.digits[1];
    bytes[14] = c.digits[2];
    const QString path = elsewhere.filePath("fw.tbl");
    write(path, bytes);
    host.unit =
        c.unit == kz::TimingUnit::FiftyMs ? kz::TimingUnit::HundredMs : kz::TimingUnit::FiftyMs;
    host.openAnswers.push_back(path);
    commands.Open1Click();
    EXPECT_TRUE(host.firmwareLabelShown);
    EXPECT_EQ(host.firmwareLabel, c.label);
    EXPECT_EQ(host.unit, c.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, OpenFirmwareTest,
    ::testing::Values(FirmwareCase{{1, 2, 0}, "FirmVer. 1.2.0", kz::TimingUnit::HundredMs},
                      FirmwareCase{{1, 2, 1}, "FirmVer. 1.2.1", kz::TimingUnit::FiftyMs},
                      FirmwareCase{{0, 0, 0}, "FirmVer. 0.0.0", kz::TimingUnit::HundredMs},
                      FirmwareCase{{4, 9, 9}, "FirmVer. 4.9.9", kz::TimingUnit::FiftyMs},
                      FirmwareCase{{5, 0, 0}, "FirmVer. 5.0.0", kz::TimingUnit::HundredMs},
                      FirmwareCase{{5, 2, 0}, "FirmVer. 5.2.0", kz::TimingUnit::HundredMs},
                      FirmwareCase{{5, 2, 1}, "FirmVer. 5.2.1", kz::TimingUnit::FiftyMs}));

TEST_F(FileCommandsTest, FailingOpenShowsFileErrorAndLeavesTheImage) {
    const kz::TPagerImage before = host.image;
    host.openAnswers.push_back(elsewhere.filePath("gone.tbl"));
    commands.Open1Click();
    ASSERT_EQ(recorder.messages().size(), 1u);
    const auto& m = recorder.messages()[0];
    EXPECT_EQ(m.title, "File Error");
    EXPECT_EQ(m.text,
              "Can't perform one of the following file operations: Open, Seek, Read, Close.");
    EXPECT_EQ(m.buttons, kz::MessageButtons::OkCancel);
    EXPECT_EQ(m.icon, kz::MessageIcon::None);
    EXPECT_EQ(host.image, before);
    EXPECT_EQ(host.loadingPasses, 0);
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8");
}

TEST_F(FileCommandsTest, FailingSaveAsReportsAndChangesNothing) {
    const QString bad = elsewhere.filePath("no-such-folder/x.tbl");
    host.saveAnswers.push_back(bad);
    commands.SaveAs1Click();
    ASSERT_EQ(recorder.messages().size(), 1u);
    const auto& m = recorder.messages()[0];
    EXPECT_EQ(m.title, "KZ904");
    EXPECT_TRUE(m.text.startsWith("Could not save the table file \"" + bad + "\": "))
        << qPrintable(m.text);
    EXPECT_GT(m.text.size(), ("Could not save the table file \"" + bad + "\": ").size())
        << "the system's reason follows";
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8");
    EXPECT_EQ(commands.saveTarget(), "default.tbl");
}

TEST_F(FileCommandsTest, RestoreAsksFirstAndNoChangesNothing) {
    host.image.setByte(300, 0);
    const kz::TPagerImage before = host.image;
    recorder.answer({MessageButton::No});
    commands.Recallfaxtorysetup1Click();
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].text, "It will restore all the settings to the "
                                           "factory-default settings and your setting will be "
                                           "lost.");
    EXPECT_EQ(recorder.messages()[0].buttons, kz::MessageButtons::YesNo);
    EXPECT_EQ(host.image, before);
    EXPECT_EQ(host.loadingPasses, 0);
}

struct RestoreCase {
    bool oneChannel;
    std::uint8_t mark;
    std::array<std::uint8_t, 4> switches;
    std::uint16_t sum;
};

class RestoreTest : public FileCommandsTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreTest, WorkingImageBecomesTheAdjustedFactoryImage) {
    const auto& c = GetParam();
    host.oneChannel = c.oneChannel;
    host.unit = kz::TimingUnit::HundredMs;
    host.firmwareLabelShown = true;
    commands.Recallfaxtorysetup1Click();

    const kz::TPagerImage& image = host.image;
    EXPECT_EQ(image.byte(11), c.mark);
    EXPECT_EQ(image.byte(397), c.mark);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image.byte(352 + i), c.switches[static_cast<std::size_t>(i)]);
    EXPECT_EQ(image.storedImageSum(), c.sum);
    EXPECT_EQ(image.text(498, 12), "KZ904   V107");
    EXPECT_EQ(image.byte(510), 0x01);
    EXPECT_EQ(image.byte(511), 0x07);
    EXPECT_EQ(commands.factoryImage(), image) << "the factory image keeps the changes";
    EXPECT_EQ(host.f1Step, 12500);
    EXPECT_EQ(host.f2Step, 12500);
    EXPECT_EQ(host.modeResets, std::vector<bool>{c.oneChannel});
    EXPECT_EQ(host.unit, kz::TimingUnit::FiftyMs);
    EXPECT_EQ(host.loadingPasses, 1);
    EXPECT_FALSE(host.firmwareLabelShown);
}

INSTANTIATE_TEST_SUITE_P(
    OneChannelBox, RestoreTest,
    ::testing::Values(RestoreCase{false, 255, {0x52, 0x22, 0x21, 0x25}, 0x8638},
                      RestoreCase{true, 254, {0x40, 0x20, 0x21, 0x21}, 0x861F}));

TEST_F(FileCommandsTest, RestoreAfterAFileCaptionGoesBackToDefaultTbl) {
    const QString path = elsewhere.filePath("c.tbl");
    host.saveAnswers.push_back(path);
    commands.SaveAs1Click();
    ASSERT_EQ(commands.saveTarget(), path);

    commands.Recallfaxtorysetup1Click();
    EXPECT_EQ(commands.saveTarget(), "default.tbl");
    EXPECT_EQ(host.windowCaption, QString::fromStdString(kz::identityField()));

    // with the plain title nothing of that happens
    host.windowCaption = "KZ904 V1.0.8";
    commands.Recallfaxtorysetup1Click();
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8");
}

TEST_F(FileCommandsTest, StartupLoadOfDefaultTbl) {
    // without the file nothing happens
    const kz::TPagerImage before = host.image;
    commands.loadDefaultTable();
    EXPECT_EQ(host.image, before);
    EXPECT_EQ(host.loadingPasses, 0);

    QByteArray bytes(512, char(0x5C));
    write(defaultTbl(), bytes);
    commands.loadDefaultTable();
    EXPECT_EQ(host.image.byte(0), 0x5C);
    EXPECT_EQ(host.image.byte(511), 0x5C);
    EXPECT_EQ(host.loadingPasses, 1);
    EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8");
    EXPECT_FALSE(host.firmwareLabelShown);
    EXPECT_TRUE(recorder.messages().empty());
}

// A default.tbl that is there but cannot be read is told once, as Open tells it, and the
// built-in image stays; the start-up goes on.
TEST_F(FileCommandsTest, UnreadableDefaultTblIsReportedAndTheImageStays) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
    };
    const std::vector<Case> cases = {
        {"a folder of that name", [](const QString& path) { QDir().mkpath(path); }},
        {"a link that leads nowhere",
         [&](const QString& path) { QFile::link(startup.filePath("gone.tbl"), path); }},
    };
    for (const Case& c : cases) {
        QDir(defaultTbl()).removeRecursively();
        QFile::remove(defaultTbl());
        c.make(defaultTbl());
        recorder.clear();
        const kz::TPagerImage before = host.image;

        commands.loadDefaultTable();

        ASSERT_EQ(recorder.messages().size(), 1u) << c.what;
        const kz::Message& box = recorder.messages()[0];
        EXPECT_EQ(box.title, "File Error") << c.what;
        EXPECT_EQ(box.text, kz::FileCommands::openFailure()) << c.what;
        EXPECT_EQ(box.icon, kz::MessageIcon::None) << c.what;
        EXPECT_EQ(box.buttons, kz::MessageButtons::OkCancel) << c.what;
        EXPECT_FALSE(box.detail.isEmpty()) << c.what << ": the system's reason";
        EXPECT_EQ(host.image, before) << c.what;
        EXPECT_EQ(host.windowCaption, "KZ904 V1.0.8") << c.what;
    }
}

#ifdef Q_OS_UNIX

// Save and Save As when the disk takes no more data: each says which file could not be saved and
// why, and the file, its backup, the caption and the save target stay as they were.
class FileCommandsOnAFullDisk : public FileCommandsTest,
                                public ::testing::WithParamInterface<DiskFault> {};

TEST_P(FileCommandsOnAFullDisk, SaveAndSaveAsReportAndKeepEverything) {
    FailingDisk disk(GetParam());
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(disk.unavailable());
    const QString path = disk.filePath("unit7.tbl");
    const QString backup = startup.filePath("unit7.BAK");
    write(path, QByteArray(512, char(0x11)));
    write(backup, QByteArray(512, char(0x22)));
    host.saveAnswers.push_back(path);
    commands.SaveAs1Click(); // while the disk still takes data
    ASSERT_TRUE(recorder.messages().empty());
    const QByteArray saved = read(path);
    ASSERT_EQ(saved, QByteArray(reinterpret_cast<const char*>(host.image.data()), 512));
    const QString caption = host.windowCaption;

    host.image.setByte(300, 0x33);
    const QString other = disk.filePath("unit8.tbl");
    host.saveAnswers.push_back(other);
    disk.startFailing();
    commands.Save1Click();
    commands.SaveAs1Click();
    disk.stopFailing();

    EXPECT_EQ(recorder.texts(),
              QStringList({"Could not save the table file \"" + path + "\": " + disk.reason(),
                           "Could not save the table file \"" + other + "\": " + disk.reason()}));
    for (const auto& m : recorder.messages()) {
        EXPECT_EQ(m.title, "KZ904");
        EXPECT_EQ(m.icon, kz::MessageIcon::Warning);
        EXPECT_EQ(m.buttons, kz::MessageButtons::Ok);
    }
    EXPECT_EQ(read(path), saved) << "the saved file is as it was";
    EXPECT_EQ(read(backup), QByteArray(512, char(0x22))) << "and so is its older backup";
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_FALSE(QFile::exists(startup.filePath("unit8.BAK")));
    EXPECT_EQ(host.windowCaption, caption);
    EXPECT_EQ(commands.saveTarget(), path);
}

INSTANTIATE_TEST_SUITE_P(Faults, FileCommandsOnAFullDisk,
                         ::testing::Values(DiskFault::FullTmpfs, DiskFault::NoRoomLeft,
                                           DiskFault::SomeRoomLeft),
                         [](const auto& info) { return std::string(faultName(info.param)); });

#endif

} // namespace
