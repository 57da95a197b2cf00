#include "failing_disk.h"
#include "qstring_printer.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Every file in `folder`, hidden ones included: a temporary file left behind shows here.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Steps that only note when they run.
struct NotedSteps {
    QStringList events;
    kz::ReplaceSteps steps{[this] { events << "before"; }, [this] { events << "undo"; }};
};

QByteArray pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    return bytes;
}

TEST(WholeFile, ReplacesTheOldContentWithEveryByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath("errtbl.tbl");
    put(path, "an older dump");
    NotedSteps noted;
    QString error;

    ASSERT_TRUE(kz::writeWholeFile(path, pattern(1024), &error, noted.steps)) << qPrintable(error);
    EXPECT_EQ(contentOf(path), pattern(1024));
    EXPECT_EQ(noted.events, QStringList{"before"});
    EXPECT_EQ(filesIn(dir.path()), QStringList{"errtbl.tbl"}) << "no temporary file is left";

    ASSERT_TRUE(kz::writeWholeFile(path, QByteArray(), &error));
    EXPECT_EQ(QFileInfo(path).size(), 0) << "empty content is content too";
}

class WholeFileOnAFailingDisk : public ::testing::TestWithParam<DiskFault> {};

TEST_P(WholeFileOnAFailingDisk, OldFileStaysAsItWasAndTheSystemSaysWhy) {
    FailingDisk disk(GetParam());
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(disk.unavailable());
    const QString old = disk.filePath("errtbl.tbl");
    const QString fresh = disk.filePath("fresh.tbl");
    put(old, pattern(300));
    NotedSteps noted;
    QString replaceError, createError;

    disk.startFailing();
    const bool replaced =
        kz::writeWholeFile(old, QByteArray(1024, 'n'), &replaceError, noted.steps);
    const bool created = kz::writeWholeFile(fresh, QByteArray(1024, 'n'), &createError);
    disk.stopFailing();

    EXPECT_FALSE(replaced);
    EXPECT_EQ(replaceError, disk.reason());
    EXPECT_EQ(contentOf(old), pattern(300)) << "byte for byte the old content";
    EXPECT_TRUE(noted.events.isEmpty())
        << "nothing may touch the old file before the content is in";
    EXPECT_FALSE(created);
    EXPECT_EQ(createError, disk.reason());
    EXPECT_EQ(filesIn(disk.folder()), QStringList{"errtbl.tbl"})
        << "neither a new file nor a temporary one";
}

INSTANTIATE_TEST_SUITE_P(Faults, WholeFileOnAFailingDisk,
                         ::testing::Values(DiskFault::FullTmpfs, DiskFault::NoRoomLeft,
                                           DiskFault::SomeRoomLeft),
                         [](const auto& info) { return std::string(faultName(info.param)); });

TEST(WholeFile, RefusedReplacementUndoesWhatTheCallerDidBeforeIt) {
    // The content is complete, but when it is to take its place a folder stands there.
    QTemporaryDir dir;
    const QString path = dir.filePath("site.tbl");
    NotedSteps noted;
    noted.steps.beforeReplace = [&] {
        noted.events << "before";
        QDir().mkpath(path + "/inside");
    };
    QString error;

    EXPECT_FALSE(kz::writeWholeFile(path, pattern(512), &error, noted.steps));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(noted.events, QStringList({"before", "undo"}));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(filesIn(dir.path()).isEmpty()) << "the temporary file is gone";
}

} // namespace
