#include "cradle_options.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::optional<kz::sim::CradleSetup> setupFrom(QStringList args, QString* error) {
    QCommandLineParser parser;
    kz::sim::addCradleOptions(parser);
    args.prepend("tq615-sim");
    if (!parser.parse(args)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    return kz::sim::cradleSetup(parser, error);
}

} // namespace

TEST(CradleOptions, MemoryAndFaultsFromTheCommandLine) {
    QString error;
    const auto setup = setupFrom({"--paced", "--firmware", "5.0.1", "--single-channel", "--serial",
                                  "948GH3d0012001", "--bad-image-sum", "--mark-cd",
                                  "--silent-after", "3", "--disconnect-after", "9", "--bad-sum-at",
                                  "416", "--refuse-write-at", "0x40", "--misstore-at", "432"},
                                 &error);
    ASSERT_TRUE(setup) << error.toStdString();
    EXPECT_TRUE(setup->paced);
    EXPECT_EQ(setup->memory.firmwareVersionValue(), 501);
    EXPECT_EQ(setup->memory.byte(11), 0xFE);
    EXPECT_EQ(setup->memory.text(416, 14), "948GH3d0012001");
    EXPECT_TRUE(setup->memory.serialSumMatches());
    EXPECT_FALSE(setup->memory.imageSumMatches());
    EXPECT_EQ(setup->memory.byte(495), 0xCD);
    EXPECT_EQ(setup->faults.silentAfter, 3);
    EXPECT_EQ(setup->faults.disconnectAfter, 9);
    EXPECT_EQ(setup->faults.badSumAt, 416);
    EXPECT_EQ(setup->faults.refuseWriteAt, 64);
    EXPECT_EQ(setup->faults.misstoreAt, 432);
}

TEST(CradleOptions, DefaultsAndTableFile) {
    QString error;
    auto setup = setupFrom({}, &error);
    ASSERT_TRUE(setup);
    EXPECT_FALSE(setup->paced);
    EXPECT_TRUE(setup->memory.imageSumMatches());
    EXPECT_FALSE(setup->faults.silentAfter);

    // A serial number alone leaves a pager that reads back without a checksum error.
    setup = setupFrom({"--serial", "948GH3d0012001"}, &error);
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->memory.text(416, 14), "948GH3d0012001");
    EXPECT_TRUE(setup->memory.serialSumMatches());
    EXPECT_TRUE(setup->memory.imageSumMatches());

    QTemporaryDir dir;
    QFile table(dir.filePath("pager.tbl"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(QByteArray(512, char(0x11)));
    table.close();
    setup = setupFrom({"--table", table.fileName(), "--silent"}, &error);
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->memory.byte(300), 0x11);
    EXPECT_EQ(setup->faults.silentAfter, 0);
}

TEST(CradleOptions, UnusableValuesAreRefused) {
    const QStringList bad[] = {
        {"--bad-sum-at", "512"},
        {"--refuse-write-at", "x"},
        {"--firmware", "5.0"},
        {"--table", "/nonexistent/pager.tbl"},
    };
    for (const QStringList& args : bad) {
        QString error;
        EXPECT_FALSE(setupFrom(args, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}
