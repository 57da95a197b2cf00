// The kz904-cli executable itself: exit statuses and streams as a script sees them.
#include "cradle_memory.h"
#include "qstring_printer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Finished {
    int status;
    QString out;
    QString err;
};

Finished runExecutable(const QStringList& arguments, const QString& directory) {
    QProcess process;
    process.setWorkingDirectory(directory);
    process.start(QStringLiteral(KZ904_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CliExecutable, ReadFromTheSimulatedCradle) {
    QTemporaryDir dir;
    const Finished read = runExecutable({"read", "--simulate", "-o", "pager.tbl"}, dir.path());
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    QFile file(dir.filePath("pager.tbl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const kz::TPagerImage cradle = kz::sim::defaultCradleMemory();
    EXPECT_EQ(file.readAll(),
              QByteArray(reinterpret_cast<const char*>(cradle.data()), kz::TPagerImage::kSize));
    // Not a terminal: one line per step, no bar.
    EXPECT_TRUE(read.err.contains("Read Success !\n")) << read.err.toStdString();
    EXPECT_FALSE(read.err.contains('\r'));
    EXPECT_TRUE(read.out.isEmpty());
}

TEST(CliExecutable, RefusesAShortFileWithItsSize) {
    QTemporaryDir dir;
    QFile file(dir.filePath("short.tbl"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, '\0'));
    file.close();
    const Finished write = runExecutable({"write", "short.tbl", "--simulate"}, dir.path());
    EXPECT_EQ(write.status, 3);
    EXPECT_EQ(write.err, "kz904-cli: short.tbl: 100 bytes; a table file holds exactly 512\n");
    EXPECT_EQ(runExecutable({"write"}, dir.path()).status, 2);
}

} // namespace
