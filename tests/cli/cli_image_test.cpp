// The dump and diff of table files: the listing of an image, its values, its reference listing.
#include "builtin_images.h"
#include "cli.h"
#include "exit_status.h"
#include "image_listing.h"
#include "image_text.h"
#include "pager_fields.h"
#include "progress_display.h"
#include "qstring_printer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <functional>

using kz::TPagerImage;
namespace cli = kz::cli;
namespace F = PagerField;

namespace {

QByteArray bytesOf(const TPagerImage& image) {
    return {reinterpret_cast<const char*>(image.data()), TPagerImage::kSize};
}

const cli::ListedField* entryNamed(const std::vector<cli::ListedField>& listing,
                                   const QString& name) {
    for (const cli::ListedField& field : listing)
        if (field.name == name)
            return &field;
    return nullptr;
}

struct CliRun {
    int status;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments) {
    CliRun result{};
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    cli::Console console{out, err, false};
    result.status = cli::run(arguments, console);
    return result;
}

class CliFiles : public ::testing::Test {
protected:
    QString save(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST(ImageListing, CoversEveryByteOnceInOrderAndNamesEveryField) {
    const std::vector<cli::ListedField> listing = cli::listImage(builtinWorkingImage());
    int next = 0;
    for (const cli::ListedField& field : listing) {
        ASSERT_EQ(field.offset, next) << field.name.toStdString();
        ASSERT_GT(field.width, 0);
        next += field.width;
    }
    EXPECT_EQ(next, TPagerImage::kSize);
    // Every field of the memory map appears, whole or entry by entry.
    for (const PagerFieldInfo& info : kPagerFields) {
        const QString name = QString::fromLatin1(info.name.data(), info.name.size());
        const bool listed =
            std::any_of(listing.begin(), listing.end(), [&](const cli::ListedField& field) {
                return field.name == name || field.name.startsWith(name + u'[');
            });
        EXPECT_TRUE(listed) << name.toStdString();
    }
}

TEST(ImageListing, ShowsValuesAsTheEditorDoes) {
    struct Case {
        const char* entry;
        std::function<void(TPagerImage&)> change;
        const char* value;
    };
    const Case cases[] = {
        {"f1FreqDigits", [](TPagerImage& i) { i.setByte(F::f1FreqDigits + 6, 5); },
         "1520005 x 100 Hz"},
        {"f2StepCode", [](TPagerImage& i) { i.setByte(F::f2StepCode, 0x21); }, "6.25 K"},
        {"f1CallTones[3]", [](TPagerImage& i) { i.setWord16(F::f1CallTones + 6, 12858); },
         "1285.8 Hz"},
        {"f2GroupTones[1]", [](TPagerImage& i) { i.setWord16(F::f2GroupTones + 2, 6700); },
         "670.0 Hz"},
        {"f1CallPatterns[2]",
         [](TPagerImage& i) { i.setWord32(F::f1CallPatterns + 8, 0x1234500F); },
         "ABCD"}, // ends before the first nibble above 4
        {"f2CallAttributes[1]",
         [](TPagerImage& i) {
             i.setByte(F::f2CallAttributes + 2, 0x82);
             i.setByte(F::f2CallAttributes + 3, 21);
         },
         "User define, alert time 10.5 s, priority alert on"},
        {"f1CallEnable", [](TPagerImage& i) { i.setByte(F::f1CallEnable, 0x81); },
         "#1 on, #2 off, #3 off, #4 off, #5 off, #6 off, #7 off, #8 on"},
        {"toneSystem", [](TPagerImage& i) { i.setByte(F::toneSystem, 253); }, "Plectron"},
        {"toneSystem", [](TPagerImage& i) { i.setByte(F::toneSystem, 7); }, "Standard"},
        {"toneTiming[1]",
         [](TPagerImage& i) {
             i.replace(std::array<std::uint8_t, 3>{1, 2, 1}, F::firmwareVersion);
         },
         "3 x 50 ms"},
        {"toneTiming[1]",
         [](TPagerImage& i) {
             i.replace(std::array<std::uint8_t, 3>{1, 2, 0}, F::firmwareVersion);
         },
         "3 x 100 ms"}, // firmware up to 1.2.0 counts in 100 ms
        {"toneTiming[5]",
         [](TPagerImage& i) {
             i.replace(std::array<std::uint8_t, 3>{1, 2, 1}, F::firmwareVersion);
         },
         "50 x 100 ms"}, // the Group Call Duration always does
        {"wbSpeakerOn", [](TPagerImage& i) { i.setByte(F::wbSpeakerOn, 0x51); }, "0.95 V"},
        {"batteryLevels[3]", [](TPagerImage& i) { i.setByte(F::batteryGaugeHigh, 0xE0); }, "3.95V"},
        {"shutdownBatteryLevel", [](TPagerImage& i) { i.setByte(F::shutdownBatteryLevel, 255); },
         "unset (loaded as 3.45V)"},
        {"wbSquelchLevels[4]", [](TPagerImage&) {}, "Speaker OFF 0.80 V, Speaker ON 0.60 V"},
        {"resetMode",
         [](TPagerImage& i) {
             i.setByte(F::resetMode, 3);
             i.setBits(F::controlFlags, 1, 0, 1);
         },
         "Manual RESET Until Press Reset"},
        {"functionSwitches[3]", [](TPagerImage& i) { i.setByte(F::functionSwitches + 3, 0xC5); },
         "Selective Call F2, Vibrate, Push To Listen on"},
        {"functionSwitches[3]",
         [](TPagerImage& i) {
             i.setByte(F::functionSwitches + 3, 0xC5);
             i.setByte(F::oneChannelMark, PagerValue::oneChannelPager);
         },
         "Selective Call F1, Vibrate, Push To Listen on"}, // the single-channel list has no F2
        {"serialNumber",
         [](TPagerImage& i) {
             i.setText(F::serialNumber, "ABCDEFGHIJKLMN");
             i.storeSerialSum();
         },
         "\"ABCDEFGHIJKLMN\""},
        {"serialSum",
         [](TPagerImage& i) {
             i.setText(F::serialNumber, "ABCDEFGHIJKLMN");
             i.storeSerialSum();
         },
         "0x03E9 ok"},
        {"imageSum", [](TPagerImage& i) { i.storeImageSum(); }, "0x8638 ok"},
        {"imageSum", [](TPagerImage&) {}, "0xFFFF wrong (the bytes sum to 0x8638)"},
        {"toolVersion", [](TPagerImage& i) { i.stampVersion(1, 0, 8); }, "1.0.8"},
    };
    for (const Case& c : cases) {
        TPagerImage image = builtinWorkingImage();
        c.change(image);
        const auto listing = cli::listImage(image);
        const cli::ListedField* entry = entryNamed(listing, QString::fromLatin1(c.entry));
        ASSERT_NE(entry, nullptr) << c.entry;
        EXPECT_EQ(entry->value, QString::fromUtf8(c.value)) << c.entry;
    }
}

TEST(ImageDiff, NamesOnlyTheEntriesThatDiffer) {
    const TPagerImage a = builtinWorkingImage();
    TPagerImage b = a;
    EXPECT_TRUE(cli::differences(a, b).empty());
    b.setWord16(F::f2CallTones + 2, 10000); // F2 CALL #1 Tone 2
    b.setByte(F::spare395, 0);
    const auto found = cli::differences(a, b);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].a.name, "f2CallTones[1]");
    EXPECT_EQ(found[0].a.value, "879.0 Hz");
    EXPECT_EQ(found[0].b.value, "1000.0 Hz");
    EXPECT_EQ(found[1].a.name, "spare395");
}

TEST_F(CliFiles, DumpOfTheBuiltInImageMatchesTheReviewedListing) {
    const QString path = save("builtin.tbl", bytesOf(builtinWorkingImage()));
    const CliRun dump = runCli({"dump", path});
    ASSERT_EQ(dump.status, cli::kSuccess) << dump.err.toStdString();
    QFile reference(QStringLiteral(KZ904_DUMP_REFERENCE));
    ASSERT_TRUE(reference.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(dump.out, QString::fromUtf8(reference.readAll()));
}

TEST_F(CliFiles, JsonDumpCarriesTheSameEntries) {
    const TPagerImage image = builtinWorkingImage();
    const CliRun dump = runCli({"dump", "--json", save("builtin.tbl", bytesOf(image))});
    ASSERT_EQ(dump.status, cli::kSuccess);
    const QJsonArray fields = QJsonDocument::fromJson(dump.out.toUtf8())["fields"].toArray();
    const auto listing = cli::listImage(image);
    ASSERT_EQ(fields.size(), static_cast<qsizetype>(listing.size()));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QJsonObject field = fields[i].toObject();
        const cli::ListedField& entry = listing[static_cast<std::size_t>(i)];
        EXPECT_EQ(field["name"].toString(), entry.name);
        EXPECT_EQ(field["offset"].toInt(), entry.offset);
        EXPECT_EQ(field["bytes"].toString(), cli::rawBytesText(image, entry));
        EXPECT_EQ(field["value"].toString(), entry.value);
    }
}

TEST_F(CliFiles, DiffOfTwoFilesNamesTheToneWithBothValues) {
    TPagerImage image = builtinWorkingImage();
    const QString a = save("a.tbl", bytesOf(image));
    image.setWord16(F::f1GroupTones + 4, 15000); // F1 Group Call #3
    const QString b = save("b.tbl", bytesOf(image));

    const CliRun equal = runCli({"diff", a, a});
    EXPECT_EQ(equal.status, cli::kSuccess);
    EXPECT_TRUE(equal.out.isEmpty());

    const CliRun text = runCli({"diff", a, b});
    EXPECT_EQ(text.status, cli::kDifferent);
    EXPECT_EQ(text.out, QStringLiteral("132  f1GroupTones[2] (F1 Group Call #3)\n"
                                       "     - %1: 32 3A  = 1285.8 Hz\n"
                                       "     + %2: 3A 98  = 1500.0 Hz\n")
                            .arg(a, b));

    const CliRun json = runCli({"diff", "--json", a, b});
    EXPECT_EQ(json.status, cli::kDifferent);
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_FALSE(root["equal"].toBool());
    const QJsonArray list = root["differences"].toArray();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0]["name"].toString(), "f1GroupTones[2]");
    EXPECT_EQ(list[0]["a"]["value"].toString(), "1285.8 Hz");
    EXPECT_EQ(list[0]["b"]["value"].toString(), "1500.0 Hz");
}

TEST_F(CliFiles, UsageAndFileErrorsHaveTheirStatusAndOneLine) {
    const QString shortFile = save("short.tbl", QByteArray(100, '\0'));
    const QString dump = save("errtbl.tbl", QByteArray(1024, '\x11'));
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } cases[] = {
        {{}, cli::kUsage, "no command"},
        {{"frobnicate"}, cli::kUsage, "unknown command 'frobnicate'"},
        {{"dump"}, cli::kUsage, "missing argument"},
        {{"dump", "a", "b"}, cli::kUsage, "unexpected argument 'b'"},
        {{"dump", "--colour", shortFile}, cli::kUsage, "Unknown option 'colour'"},
        {{"read", "--simulate"}, cli::kUsage, "no output file"},
        {{"read", "--simulate", "-p", "ttyS0", "-o", "x.tbl"}, cli::kUsage, "exclude each other"},
        {{"dump", shortFile}, cli::kFileError, "100 bytes"},
        {{"diff", shortFile, dump}, cli::kFileError, "100 bytes"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("kz904-cli: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.says))) << run.err.toStdString();
    }
    // The dump of a damaged read (1024 bytes) is listed by its first 512.
    EXPECT_EQ(runCli({"dump", dump}).status, cli::kSuccess);
}

TEST(CliHelp, EveryCommandHasItsHelp) {
    for (const char* command : {"ports", "read", "write", "verify", "dump", "diff"}) {
        const CliRun help = runCli({command, "--help"});
        EXPECT_EQ(help.status, cli::kSuccess) << command;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: kz904-cli %1").arg(command)))
            << help.out.toStdString();
        EXPECT_EQ(runCli({"help", command}).out, help.out);
    }
    EXPECT_TRUE(runCli({"help"}).out.contains("Exit status"));
}

TEST(ProgressDisplay, BarLinesAndQuiet) {
    EXPECT_EQ(cli::ProgressDisplay::barText(2, 4, 256, 512, 1.24, "Read Now ......"),
              "[############............] 2/4 blocks 256/512 bytes  1.2 s  Read Now ......");
    EXPECT_EQ(cli::ProgressDisplay::barText(15, 15, 496, 496, 3, "x").left(26),
              "[########################]");

    for (const auto mode : {cli::ProgressMode::Quiet, cli::ProgressMode::Lines}) {
        QString text;
        QTextStream stream(&text);
        cli::ProgressDisplay display(mode, stream);
        display.step(" Read Now ......");
        display.step("Read Now ......"); // the same step again: no second line
        display.transfer(1, 4, 128, 512);
        display.step("Read Success !");
        display.finish();
        if (mode == cli::ProgressMode::Quiet) {
            EXPECT_TRUE(text.isEmpty());
        } else {
            const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
            ASSERT_EQ(lines.size(), 2) << text.toStdString();
            EXPECT_TRUE(lines[0].endsWith("  Read Now ......"));
            EXPECT_TRUE(lines[1].endsWith("  Read Success !"));
        }
    }
}

} // namespace
