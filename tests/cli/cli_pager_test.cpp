// kz904-cli read, write, verify and diff against the simulated cradle on a real pseudo-terminal,
// run in this process exactly as main() runs them.
#include "cli.h"
#include "cradle_memory.h"
#include "exit_status.h"
#include "pager_fields.h"
#include "pty_cradle.h"
#include "qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

using kz::TPagerImage;
namespace cli = kz::cli;

namespace {

QByteArray bytesOf(const TPagerImage& image) {
    return {reinterpret_cast<const char*>(image.data()), TPagerImage::kSize};
}

// A pager that differs from the built-in configuration: a serial number, another firmware and
// some settings of its own, with a correct image sum.
TPagerImage programmedPager() {
    TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setFirmware(memory, 1, 2, 0);
    kz::sim::setSerialNumber(memory, QStringLiteral("948GH3d0012001"));
    memory.setByte(PagerField::rfDelay, 50);
    memory.setWord16(PagerField::f1CallTones + 4, 10000);
    memory.storeImageSum();
    return memory;
}

class CliPager : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDirectory = QDir::currentPath();
        // errtbl.tbl goes to the directory the program runs in.
        QDir::setCurrent(dir.path());
    }
    void TearDown() override { QDir::setCurrent(previousDirectory); }

    void startCradle(const TPagerImage& memory, const kz::sim::CradleFaults& faults = {}) {
        cradle = std::make_unique<kz::sim::PtyCradle>(memory);
        cradle->model().setFaults(faults);
        ASSERT_TRUE(cradle->start()) << cradle->errorString().toStdString();
    }

    int run(QStringList arguments, bool terminal = false) {
        outText.clear();
        errText.clear();
        QTextStream out(&outText);
        QTextStream err(&errText);
        cli::Console console{out, err, terminal};
        return cli::run(arguments, console);
    }
    // The arguments that reach the cradle.
    QStringList port() const { return {QStringLiteral("-p"), cradle->portPath()}; }

    QString path(const QString& name) const { return dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString previousDirectory;
    std::unique_ptr<kz::sim::PtyCradle> cradle;
    QString outText;
    QString errText;
};

TEST_F(CliPager, ReadSavesThePagersMemoryAndKeepsTheOldFileAsBackup) {
    const TPagerImage pager = programmedPager();
    startCradle(pager);
    writeFile("pager.tbl", QByteArray(512, 'x'));

    ASSERT_EQ(run(QStringList{"read", "-o", path("pager.tbl")} + port()), cli::kSuccess)
        << errText.toStdString();
    EXPECT_EQ(readFile("pager.tbl"), bytesOf(pager));
    EXPECT_EQ(readFile("pager.BAK"), QByteArray(512, 'x'));
    // One line per step on a stream that is no terminal.
    EXPECT_TRUE(errText.contains("FirmVer. 1.2.0\n")) << errText.toStdString();
    EXPECT_TRUE(errText.contains("Read Success !\n")) << errText.toStdString();
    EXPECT_FALSE(QFile::exists(path("errtbl.tbl")));
}

TEST_F(CliPager, QuietShowsNothingAndAReadWithAWrongSumDumpsWhatItGot) {
    TPagerImage damaged = programmedPager();
    kz::sim::breakImageSum(damaged, false);
    startCradle(damaged);

    EXPECT_EQ(run(QStringList{"read", "-q", "-o", path("pager.tbl")} + port()),
              cli::kTransferFailed);
    EXPECT_FALSE(QFile::exists(path("pager.tbl")));
    EXPECT_EQ(readFile("errtbl.tbl"), bytesOf(damaged) + QByteArray(512, '\0'));
    // One line: the port, the reason, where the bytes went.
    EXPECT_EQ(errText.count('\n'), 1) << errText.toStdString();
    EXPECT_TRUE(errText.startsWith("kz904-cli: " + cradle->portPath() + ": Checksum Error !"))
        << errText.toStdString();
    EXPECT_TRUE(errText.contains("errtbl.tbl"));
}

TEST_F(CliPager, WriteStoresTheFileAsTheWindowWould) {
    const TPagerImage pager = programmedPager();
    startCradle(pager);
    // The file: another configuration, stamped by some other tool, with a stale sum.
    TPagerImage file = kz::sim::defaultCradleMemory();
    file.setByte(PagerField::toneSystem, PagerValue::toneSystemPlectron);
    file.setByte(PagerField::batterySave1, 30);
    file.setWord16(PagerField::f2GroupTones, 15000);
    file.setByte(PagerField::toolVersion, 2);
    writeFile("new.tbl", bytesOf(file));

    ASSERT_EQ(run(QStringList{"write", path("new.tbl")} + port()), cli::kSuccess)
        << errText.toStdString();

    // The pager keeps its header and its serial number; the version and the sum are stamped.
    TPagerImage expected = file;
    expected.replace(pager.block(PagerField::headerBlock, PagerField::headerBlockSize),
                     PagerField::headerBlock);
    expected.replace(pager.block(PagerField::serialBlock, PagerField::serialBlockSize),
                     PagerField::serialBlock);
    expected.stampVersion(1, 0, 8);
    expected.storeImageSum();
    EXPECT_EQ(cradle->model().memory(), expected);
    // The file itself is left as it was.
    EXPECT_EQ(readFile("new.tbl"), bytesOf(file));
}

TEST_F(CliPager, VerifyTellsASamePagerFromAChangedOne) {
    const TPagerImage pager = programmedPager();
    startCradle(pager);
    writeFile("same.tbl", bytesOf(pager));
    TPagerImage changed = pager;
    changed.setByte(PagerField::rfDelay, 51);
    writeFile("changed.tbl", bytesOf(changed));

    EXPECT_EQ(run(QStringList{"verify", path("same.tbl")} + port()), cli::kSuccess)
        << errText.toStdString();
    EXPECT_EQ(run(QStringList{"verify", "-q", path("changed.tbl")} + port()), cli::kDifferent);
    EXPECT_TRUE(errText.contains(cradle->portPath()));
    EXPECT_TRUE(errText.contains("Verify Fail !"));
    EXPECT_TRUE(errText.contains(path("changed.tbl")));
    EXPECT_EQ(cradle->model().memory(), pager); // a Verify writes nothing
}

TEST_F(CliPager, OnATerminalTheBarCountsTheBlocksAndBytesOfTheTransfer) {
    startCradle(programmedPager());
    writeFile("new.tbl", bytesOf(kz::sim::defaultCradleMemory()));
    const struct {
        QStringList arguments;
        const char* lastBar;
    } cases[] = {
        // 13 blocks of 32 bytes up to the serial number, the 64 bytes at 432, the 16 at 496.
        {QStringList{"write", path("new.tbl")}, "15/15 blocks 496/496 bytes"},
        {QStringList{"read", "-o", path("back.tbl")}, "4/4 blocks 512/512 bytes"},
        {QStringList{"verify", path("back.tbl")}, "4/4 blocks 512/512 bytes"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(run(c.arguments + port(), true), cli::kSuccess) << errText.toStdString();
        const QStringList redraws = errText.split(u'\r');
        QString last;
        for (const QString& redraw : redraws)
            if (redraw.contains("blocks"))
                last = redraw;
        EXPECT_TRUE(last.contains(QString::fromLatin1(c.lastBar))) << last.toStdString();
        EXPECT_TRUE(errText.endsWith('\n')); // the bar's line is ended
    }
}

TEST_F(CliPager, WriteWithVerifyChecksWhatTheWriteLeft) {
    startCradle(programmedPager());
    writeFile("new.tbl", bytesOf(kz::sim::defaultCradleMemory()));
    EXPECT_EQ(run(QStringList{"write", "--verify", path("new.tbl")} + port()), cli::kSuccess)
        << errText.toStdString();
    EXPECT_TRUE(errText.contains("Verify Success !"));
}

TEST_F(CliPager, ASilentCradleIsAProgrammerThatDoesNotAnswer) {
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(programmedPager(), silent);
    writeFile("pager.tbl", bytesOf(programmedPager()));

    EXPECT_EQ(run(QStringList{"verify", "-q", path("pager.tbl")} + port()), cli::kNoAnswer);
    EXPECT_EQ(errText.count('\n'), 1) << errText.toStdString();
    EXPECT_TRUE(
        errText.startsWith("kz904-cli: " + cradle->portPath() + ": The Board is not responding !"))
        << errText.toStdString();
}

TEST_F(CliPager, AFailedWriteNamesTheFailure) {
    kz::sim::CradleFaults refuse;
    refuse.refuseWriteAt = 64;
    startCradle(programmedPager(), refuse);
    writeFile("new.tbl", bytesOf(kz::sim::defaultCradleMemory()));
    EXPECT_EQ(run(QStringList{"write", "-q", path("new.tbl")} + port()), cli::kTransferFailed);
    EXPECT_EQ(errText, "kz904-cli: " + cradle->portPath() + ": Write Fail !\n");
}

TEST_F(CliPager, WriteRefusesAFileOfAnotherSizeBeforeTouchingThePort) {
    startCradle(programmedPager());
    writeFile("short.tbl", QByteArray(100, '\0'));
    writeFile("long.tbl", QByteArray(1024, '\0'));

    EXPECT_EQ(run(QStringList{"write", path("short.tbl")} + port()), cli::kFileError);
    EXPECT_EQ(errText,
              "kz904-cli: " + path("short.tbl") + ": 100 bytes; a table file holds exactly 512\n");
    EXPECT_EQ(run(QStringList{"write", path("long.tbl")} + port()), cli::kFileError);
    EXPECT_TRUE(errText.contains("1024 bytes"));
    EXPECT_EQ(run(QStringList{"write", path("missing.tbl")} + port()), cli::kFileError);
    EXPECT_TRUE(errText.startsWith("kz904-cli: " + path("missing.tbl") + ": cannot read"));
    EXPECT_EQ(cradle->model().requestCount(), 0);
}

TEST_F(CliPager, APortThatCannotBeOpenedIsNotAMissingAnswer) {
    writeFile("pager.tbl", bytesOf(programmedPager()));
    const QString absent = path("no-such-port");
    EXPECT_EQ(run({"verify", "-q", path("pager.tbl"), "-p", absent}), cli::kPortUnusable);
    EXPECT_EQ(errText.count('\n'), 1);
    EXPECT_TRUE(errText.startsWith("kz904-cli: " + absent + ": cannot open the port"))
        << errText.toStdString();
}

TEST_F(CliPager, DiffAgainstThePagerReadsItOnce) {
    const TPagerImage pager = programmedPager();
    startCradle(pager);
    TPagerImage file = pager;
    file.setWord16(PagerField::f1CallTones + 4, 12000);
    writeFile("file.tbl", bytesOf(file));

    const int before = cradle->model().requestCount();
    EXPECT_EQ(run(QStringList{"diff", "-q", path("file.tbl"), "pager:"} + port()), cli::kDifferent);
    const int oneRead = cradle->model().requestCount() - before;
    EXPECT_TRUE(outText.contains("f1CallTones[2] (F1 CALL #2 Tone 1)")) << outText.toStdString();
    EXPECT_TRUE(outText.contains("1200.0 Hz"));
    EXPECT_TRUE(outText.contains("1000.0 Hz"));
    const int beforeBoth = cradle->model().requestCount();
    EXPECT_EQ(run(QStringList{"diff", "-q", "pager:", "pager:"} + port()), cli::kSuccess);
    EXPECT_TRUE(outText.isEmpty());
    EXPECT_EQ(cradle->model().requestCount() - beforeBoth, oneRead);
}

} // namespace
