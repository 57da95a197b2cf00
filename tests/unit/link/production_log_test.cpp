#include "failing_disk.h"
#include "production_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate kDay(2014, 6, 11);
const QByteArray kBanner = "-------  TQ615 Programming (Barcode) Start ------- \r\n";

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(ProductionLog, FileNameAndLineFormat) {
    EXPECT_EQ(kz::ProductionLog::fileNameFor(kDay), "2014-06-11.log");
    EXPECT_EQ(kz::ProductionLog::fileNameFor(QDate(987, 1, 2)), "0987-01-02.log");
    EXPECT_EQ(kz::ProductionLog::banner(), kBanner);
    // Serial number and result are trimmed; every line ends with CR LF.
    EXPECT_EQ(kz::ProductionLog::line(QDateTime(kDay, QTime(9, 5, 7)), " 948GH3d0012001\t",
                                      " Write Success !"),
              "2014-06-11 09:05:07  Serial No. = 948GH3d0012001  Write Success !\r\n");
    EXPECT_EQ(kz::ProductionLog::line(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)), "A1",
                                      " Verify Fail !"),
              "2026-12-31 23:59:59  Serial No. = A1  Verify Fail !\r\n");
}

TEST(ProductionLog, TheDaysFirstRunWritesTheBannerAndLaterRunsAppend) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2014-06-11.log");
    const QDateTime at(kDay, QTime(8, 0, 0));
    {
        kz::ProductionLog log(dir.path());
        ASSERT_EQ(log.open(kDay), kz::ProductionLog::Opening::Created);
        EXPECT_EQ(log.path(), path);
        ASSERT_TRUE(log.appendLine(at, "SN-ONE-000001", " Write Success !"));
    }
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther),
              QFileDevice::Permissions())
        << "the log is its owner's";
    kz::ProductionLog again(dir.path());
    ASSERT_EQ(again.open(kDay), kz::ProductionLog::Opening::Opened);
    ASSERT_TRUE(again.appendLine(at.addSecs(61), "SN-TWO-000002", " Write Fail !"));
    EXPECT_EQ(contentOf(path),
              kBanner + "2014-06-11 08:00:00  Serial No. = SN-ONE-000001  Write Success !\r\n" +
                  "2014-06-11 08:01:01  Serial No. = SN-TWO-000002  Write Fail !\r\n");
}

TEST(ProductionLog, AFileThatCannotBeCreatedOrOpenedKeepsTheReason) {
    QTemporaryDir dir;
    kz::ProductionLog missingFolder(dir.filePath("gone"));
    EXPECT_EQ(missingFolder.open(kDay), kz::ProductionLog::Opening::CreateFailed);
    EXPECT_FALSE(missingFolder.appendLine(QDateTime(kDay, QTime(8, 0)), "SN", "Write Success !"));
    EXPECT_FALSE(missingFolder.errorString().isEmpty());

    // A folder where the day's file should be: it exists, but cannot be opened for writing.
    ASSERT_TRUE(QDir(dir.path()).mkdir("2014-06-11.log"));
    kz::ProductionLog blocked(dir.path());
    EXPECT_EQ(blocked.open(kDay), kz::ProductionLog::Opening::NotWritable);
    EXPECT_FALSE(blocked.appendLine(QDateTime(kDay, QTime(8, 0)), "SN", "Write Success !"));
    EXPECT_FALSE(blocked.errorString().isEmpty()) << "the reason is kept for the operator";
}

// A full disk, as a file size limit: the write takes what fits and then fails.
TEST(ProductionLogOnAFullDisk, ALineWrittenInPartIsCutOffAndEarlierLinesStay) {
    QTemporaryDir dir;
    const QString path = dir.filePath("2014-06-11.log");
    {
        kz::ProductionLog log(dir.path());
        ASSERT_EQ(log.open(kDay), kz::ProductionLog::Opening::Created);
        ASSERT_TRUE(log.appendLine(QDateTime(kDay, QTime(8, 0)), "SN-ONE", "Write Success !"));
    }
    const QByteArray before = contentOf(path);

    kz::ProductionLog log(dir.path());
    kz::ProductionLog::Opening opening{};
    bool appended = true;
    {
        FileSizeLimit roomForHalfALine(static_cast<rlim_t>(before.size() + 30));
        opening = log.open(kDay);
        appended = log.appendLine(QDateTime(kDay, QTime(8, 1)), "SN-TWO-000002", "Write Fail !");
    }
    EXPECT_EQ(opening, kz::ProductionLog::Opening::Opened);
    EXPECT_FALSE(appended);
    EXPECT_FALSE(log.errorString().isEmpty());
    EXPECT_EQ(contentOf(path), before) << "no half line after the earlier ones";
}

TEST(ProductionLogOnAFullDisk, ANewFileWithoutItsWholeBannerIsNotLeftBehind) {
    QTemporaryDir dir;
    kz::ProductionLog log(dir.path());
    kz::ProductionLog::Opening opening{};
    {
        FileSizeLimit roomForPartOfTheBanner(20);
        opening = log.open(kDay);
    }
    EXPECT_EQ(opening, kz::ProductionLog::Opening::NotWritable);
    EXPECT_FALSE(log.errorString().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("2014-06-11.log")))
        << "the next run starts the day's file with its banner";
    EXPECT_FALSE(log.appendLine(QDateTime(kDay, QTime(8, 0)), "SN", "Write Success !"));
}

} // namespace
