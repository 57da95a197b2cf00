#include "cradle_options.h"

#include "cradle_memory.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace kz::sim {

namespace {

const QString kTable = QStringLiteral("table");
const QString kPaced = QStringLiteral("paced");
const QString kFirmware = QStringLiteral("firmware");
const QString kSingle = QStringLiteral("single-channel");
const QString kSerial = QStringLiteral("serial");
const QString kSerialBadSum = QStringLiteral("serial-bad-sum");
const QString kBadImageSum = QStringLiteral("bad-image-sum");
const QString kMarkCD = QStringLiteral("mark-cd");
const QString kSilent = QStringLiteral("silent");
const QString kSilentAfter = QStringLiteral("silent-after");
const QString kDisconnectAfter = QStringLiteral("disconnect-after");
const QString kBadSumAt = QStringLiteral("bad-sum-at");
const QString kRefuseWriteAt = QStringLiteral("refuse-write-at");
const QString kMisstoreAt = QStringLiteral("misstore-at");

bool number(const QCommandLineParser& parser, const QString& name, int max, std::optional<int>* out,
            QString* error) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok, 0);
    if (!ok || value < 0 || value > max) {
        *error = QStringLiteral("--%1 needs a number from 0 to %2").arg(name).arg(max);
        return false;
    }
    *out = value;
    return true;
}

} // namespace

void addCradleOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {kTable, "Serve the 512-byte image of this table file instead of the built-in one.",
         "file"},
        {kPaced, "Pace every byte at the real 9600-baud rate (10 bits a byte)."},
        {kFirmware, "Firmware version in the header block (default 2.2.0).", "x.y.z"},
        {kSingle, "Header marks a single-channel pager (byte 11 = 0xFE)."},
        {kSerial, "Serial number stored in the pager (up to 14 characters).", "text"},
        {kSerialBadSum, "Store the serial number with a wrong serial sum."},
        {kBadImageSum, "Store a wrong image sum (byte 495 becomes 0x12)."},
        {kMarkCD, "With --bad-image-sum: byte 495 becomes 0xCD, which accepts the image."},
        {kSilent, "Never answer (no programmer on the line)."},
        {kSilentAfter, "Answer n requests, then fall silent.", "n"},
        {kDisconnectAfter, "Answer n requests, then cut the line.", "n"},
        {kBadSumAt, "Replies to reads at this address carry a wrong sum.", "address"},
        {kRefuseWriteAt, "Refuse (do not acknowledge) the write of the block at this address.",
         "address"},
        {kMisstoreAt,
         "Acknowledge the write at this address but store it wrongly, so that the "
         "read-back differs.",
         "address"},
    });
}

std::optional<CradleSetup> cradleSetup(const QCommandLineParser& parser, QString* error) {
    CradleSetup setup{defaultCradleMemory(), {}, parser.isSet(kPaced)};
    if (parser.isSet(kTable)) {
        const auto memory = loadTableFile(parser.value(kTable));
        if (!memory) {
            *error = QStringLiteral("cannot read 512 bytes from %1").arg(parser.value(kTable));
            return std::nullopt;
        }
        setup.memory = *memory;
    }
    if (parser.isSet(kFirmware)) {
        static const QRegularExpression version(QStringLiteral("^(\\d+)\\.(\\d+)\\.(\\d+)$"));
        const auto match = version.match(parser.value(kFirmware));
        if (!match.hasMatch()) {
            *error = QStringLiteral("--firmware needs x.y.z");
            return std::nullopt;
        }
        setFirmware(setup.memory, match.captured(1).toInt() & 0xFF,
                    match.captured(2).toInt() & 0xFF, match.captured(3).toInt() & 0xFF);
    }
    if (parser.isSet(kSingle))
        setSingleChannel(setup.memory);
    if (parser.isSet(kSerial)) {
        // The serial number lies inside the image sum's range. A pager stamped in production
        // stores its image sum with the serial number, so a sum that was right stays right.
        const bool sumWasRight = setup.memory.imageSumMatches();
        setSerialNumber(setup.memory, parser.value(kSerial), !parser.isSet(kSerialBadSum));
        if (sumWasRight)
            setup.memory.storeImageSum();
    }
    if (parser.isSet(kBadImageSum))
        breakImageSum(setup.memory, parser.isSet(kMarkCD));
    if (parser.isSet(kSilent))
        setup.faults.silentAfter = 0;
    constexpr int kMaxAddress = TPagerImage::kSize - 1;
    if (!number(parser, kSilentAfter, 1'000'000, &setup.faults.silentAfter, error) ||
        !number(parser, kDisconnectAfter, 1'000'000, &setup.faults.disconnectAfter, error) ||
        !number(parser, kBadSumAt, kMaxAddress, &setup.faults.badSumAt, error) ||
        !number(parser, kRefuseWriteAt, kMaxAddress, &setup.faults.refuseWriteAt, error) ||
        !number(parser, kMisstoreAt, kMaxAddress, &setup.faults.misstoreAt, error))
        return std::nullopt;
    return setup;
}

} // namespace kz::sim
