#include "builtin_images.h"
#include "qstring_printer.h"
#include "table_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include "failing_disk.h"
#endif

#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

QByteArray imageBytes(const kz::TPagerImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), kz::TPagerImage::kSize);
}

TEST(TableFile, WriteThenReadGivesTheSame512Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("pager.tbl");
    kz::TPagerImage image = builtinWorkingImage();
    image.setByte(100, 0x5A);

    QString error;
    ASSERT_TRUE(kz::writeTableFile(path, image, dir.path(), &error)) << qPrintable(error);
    const auto read = kz::readTableFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, imageBytes(image));

    kz::TPagerImage back;
    kz::copyTableBytes(*read, back);
    EXPECT_EQ(back, image);
}

TEST(TableFile, BackupSequenceOverThreeSaves) {
    QTemporaryDir dir;
    QTemporaryDir backups; // backups land in their own folder, apart from the file
    const QString path = dir.filePath("site.tbl");
    const QString backup = backups.filePath("site.BAK");
    EXPECT_EQ(kz::backupPathFor(path, backups.path()), backup);

    kz::TPagerImage v1, v2, v3;
    v1.setByte(0, 1);
    v2.setByte(0, 2);
    v3.setByte(0, 3);

    ASSERT_TRUE(kz::writeTableFile(path, v1, backups.path()));
    EXPECT_FALSE(QFile::exists(backup)) << "nothing to back up the first time";
    ASSERT_TRUE(kz::writeTableFile(path, v2, backups.path()));
    EXPECT_EQ(fileBytes(backup), imageBytes(v1));
    EXPECT_EQ(fileBytes(path), imageBytes(v2));
    ASSERT_TRUE(kz::writeTableFile(path, v3, backups.path()));
    EXPECT_EQ(fileBytes(backup), imageBytes(v1)) << "the first backup is kept";
    EXPECT_EQ(fileBytes(path), imageBytes(v3)) << "and the file overwritten";
}

TEST(TableFile, FailedWriteKeepsThePreviousFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/pager.tbl";
    kz::TPagerImage old;
    old.setByte(0, 0x11);
    ASSERT_TRUE(kz::writeTableFile(path, old, dir.path()));

    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    kz::TPagerImage fresh;
    fresh.setByte(0, 0x22);
    QString error;
    const bool written = kz::writeTableFile(path, fresh, dir.path(), &error);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    if (written)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(path), imageBytes(old)) << "the previous file is intact";
    EXPECT_FALSE(QFile::exists(dir.filePath("pager.BAK"))) << "and was not moved aside";
}

TEST(TableFile, ShortAndLongFilesContributeWhatTheyHold) {
    kz::TPagerImage image = builtinWorkingImage();
    const kz::TPagerImage before = image;

    kz::copyTableBytes(QByteArray(100, char(0x07)), image);
    for (int i = 0; i < kz::TPagerImage::kSize; ++i)
        ASSERT_EQ(image.byte(i), i < 100 ? 0x07 : before.byte(i)) << "byte " << i;

    // a damaged-read dump: 512 bytes read from the pager, then 512 zero bytes
    QByteArray dump(512, char(0x33));
    dump.append(QByteArray(512, char(0)));
    kz::copyTableBytes(dump, image);
    for (int i = 0; i < kz::TPagerImage::kSize; ++i)
        ASSERT_EQ(image.byte(i), 0x33);

    kz::copyTableBytes(QByteArray(), image);
    EXPECT_EQ(image.byte(0), 0x33) << "an empty file changes nothing";
}

TEST(TableFile, ReadingStopsAfterTheImage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("errtbl.tbl");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(512, char(0x44)));
    file.write(QByteArray(512, char(0)));
    file.close();
    const auto bytes = kz::readTableFile(path);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, QByteArray(512, char(0x44)));
}

TEST(TableFile, ReadingAMissingFileFailsWithAReason) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(kz::readTableFile(dir.filePath("none.tbl"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

namespace {

TEST(TableFile, WriteIntoAFolderThatCannotExistFailsAndCreatesNothing) {
    // A regular file where the folder should be: fails for every user, root included.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("plain");
    QFile plain(notAFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("x");
    plain.close();

    QString error;
    EXPECT_FALSE(
        kz::writeTableFile(notAFolder + "/pager.tbl", kz::TPagerImage(), dir.path(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain"});
}

} // namespace

namespace {

TEST(TableFile, SavingThroughALinkBacksUpTheOldContentAndKeepsTheLink) {
    // A table file reached through a symbolic link (a shared folder of site tables, say): the
    // new content goes where the link points, the old content into the backup, and the link
    // stays where the user chose it.
    QTemporaryDir dir;
    QTemporaryDir shared;
    const QString real = shared.filePath("site.tbl");
    const QString link = dir.filePath("site.tbl");
    kz::TPagerImage v1, v2;
    v1.setByte(0, 1);
    v2.setByte(0, 2);
    ASSERT_TRUE(kz::writeTableFile(real, v1, shared.path()));
    if (!QFile::link(real, link) || !QFileInfo(link).isSymLink())
        GTEST_SKIP() << "no symbolic links here";

    ASSERT_TRUE(kz::writeTableFile(link, v2, dir.path()));
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the chosen name still leads to the table";
    EXPECT_EQ(fileBytes(link), imageBytes(v2));
    EXPECT_EQ(fileBytes(real), imageBytes(v2));
    EXPECT_EQ(fileBytes(dir.filePath("site.BAK")), imageBytes(v1)) << "the old content is kept";
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// A save on a disk that takes no more data, with and without an older backup beside the file:
// the file and the backup must come through byte for byte, and the system's reason is returned.
class TableFileOnAFullDisk : public ::testing::TestWithParam<std::tuple<DiskFault, bool>> {};

TEST_P(TableFileOnAFullDisk, FailedSaveKeepsTheFileAndItsBackup) {
    const auto [fault, backupExists] = GetParam();
    FailingDisk disk(fault);
    if (!disk.unavailable().isEmpty())
        GTEST_SKIP() << qPrintable(disk.unavailable());
    const QString path = disk.filePath("site.tbl");
    const QString backup = disk.filePath("site.BAK");
    kz::TPagerImage older, old, fresh;
    older.setByte(0, 1);
    old.setByte(0, 2);
    fresh.setByte(0, 3);
    ASSERT_TRUE(kz::writeTableFile(path, old, disk.folder()));
    if (backupExists) {
        ASSERT_TRUE(kz::writeTableFile(backup, older, disk.folder()));
    }

    disk.startFailing();
    QString error;
    const bool written = kz::writeTableFile(path, fresh, disk.folder(), &error);
    disk.stopFailing();

    EXPECT_FALSE(written);
    EXPECT_EQ(error, disk.reason());
    EXPECT_EQ(fileBytes(path), imageBytes(old));
    if (backupExists) {
        EXPECT_EQ(fileBytes(backup), imageBytes(older));
    } else {
        EXPECT_FALSE(QFile::exists(backup)) << "the file is moved aside only for complete content";
    }
    EXPECT_EQ(QDir(disk.folder()).entryList(QDir::Files | QDir::Hidden).size(),
              backupExists ? 2 : 1)
        << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Faults, TableFileOnAFullDisk,
                         ::testing::Combine(::testing::Values(DiskFault::FullTmpfs,
                                                              DiskFault::NoRoomLeft,
                                                              DiskFault::SomeRoomLeft),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(faultName(std::get<0>(info.param))) +
                                    (std::get<1>(info.param) ? "WithBackup" : "WithoutBackup");
                         });

} // namespace

#endif
