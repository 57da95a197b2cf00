// A table file can be anything the user points the Open dialog at: a file of another program, a
// truncated copy, the 1024-byte dump of a damaged read. Whatever it holds becomes the working
// image, and every rule that shows an image must read those bytes without stepping outside them
// and with the results its format promises.
#include "fuzz_support.h"

#include "alert_pattern.h"
#include "alert_time.h"
#include "builtin_images.h"
#include "call_layout.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "table_file.h"
#include "tone_code.h"
#include "tone_spacing.h"
#include "tone_system.h"
#include "tone_tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

using namespace kz;

namespace {

std::uint16_t plainSum(const kz::TPagerImage& image, int first, int last) {
    unsigned sum = 0;
    for (int i = first; i <= last; ++i)
        sum += image.byte(i);
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

void checkSums(kz::TPagerImage image) {
    const std::uint16_t sum = image.computeImageSum();
    FUZZ_CHECK(kz::TPagerImage::imageSumOf(image.bytes()) == sum,
               "the two image-sum routines agree");
    FUZZ_CHECK(sum == plainSum(image, 16, 495), "the image sum covers bytes 16..495");
    FUZZ_CHECK(image.imageSumMatches() == (image.storedImageSum() == sum),
               "the stored sum is checked against the computed one");
    image.storeImageSum();
    FUZZ_CHECK(image.imageSumMatches() && image.computeImageSum() == sum,
               "storing the sum (outside its own range) makes it match");
    FUZZ_CHECK(image.computeSerialSum() == plainSum(image, 416, 429),
               "the serial sum covers bytes 416..429");
    image.storeSerialSum();
    FUZZ_CHECK(image.serialSumMatches(), "a stored serial sum matches");
    FUZZ_CHECK(!image.hasNoSerialNumber(),
               "fourteen 0xFF characters never carry 0xFFFF as their sum");
}

void checkToneSystem(const kz::TPagerImage& image) {
    const std::uint8_t byte = image.byte(PagerField::toneSystem);
    const ToneSystem system = toneSystemOfByte(byte);
    if (byte >= 253)
        FUZZ_CHECK(byteOfToneSystem(system) == byte, "the three system bytes round-trip");
    else
        FUZZ_CHECK(system == ToneSystem::Standard, "any other byte selects Standard");
}

void checkTone(const kz::TPagerImage& image, int offset) {
    const int value = image.word16(offset);
    // The loading pass shows a stored tone with "%04.1f"; reading that text back gives the value.
    const auto parsed = parseToneText(toneText(value));
    FUZZ_CHECK(parsed && parsed->value == value && parsed->text == toneText(value),
               "a stored tone reads back from its text");
    for (const ToneSystem system : {ToneSystem::Standard, ToneSystem::User, ToneSystem::Plectron}) {
        const ToneRange range = acceptedToneRange(system);
        if (!range.contains(value))
            continue;
        const int snapped = nearestTone(system, value);
        FUZZ_CHECK(range.contains(snapped), "an adjusted tone stays inside the system's range");
        if (system == ToneSystem::Standard)
            FUZZ_CHECK(std::find(kStandardSnapList.begin(), kStandardSnapList.end(), snapped) !=
                           kStandardSnapList.end(),
                       "a Standard tone is a table tone");
        if (system == ToneSystem::Plectron)
            FUZZ_CHECK(std::find(kPlectronTones.begin(), kPlectronTones.end(), snapped) !=
                           kPlectronTones.end(),
                       "a Plectron tone is a table tone");
        const std::uint16_t code = toneCode(snapped);
        const int coarse = (code >> 7) & 0xFF;
        const int fine = code & 0x7F;
        FUZZ_CHECK((code & 0x8000) && coarse >= 9 && coarse <= 116 && fine <= 99,
                   "the tone code of an accepted tone has its documented form");
    }
}

void checkCallRows(const kz::TPagerImage& image, Channel channel, CallFamily family) {
    for (int row = 0; row < rowCount(family); ++row) {
        const int patternAt = patternOffset(channel, family, row);
        const auto bytes = image.block(patternAt, 4);
        const QString pattern =
            decodeAlertPattern(std::span<const std::uint8_t, 4>(bytes.data(), 4));
        bool allValid = true;
        for (const std::uint8_t b : bytes)
            allValid = allValid && (b >> 4) <= 4 && (b & 0x0F) <= 4;
        FUZZ_CHECK(pattern.size() <= kAlertPatternLength && (pattern.size() == 8) == allValid,
                   "a pattern shows eight characters unless a nibble above 4 ends it");
        const EncodedAlertPattern again = encodeAlertPattern(pattern);
        if (allValid)
            FUZZ_CHECK(std::equal(bytes.begin(), bytes.end(), again.bytes.begin()),
                       "a valid stored pattern encodes back to its bytes");
        FUZZ_CHECK(again.text.startsWith(pattern) && decodeAlertPattern(again.bytes) == again.text,
                   "a shown pattern stays the same when stored again");

        const std::uint8_t alertTime = image.byte(alertTimeOffset(channel, family, row));
        const AlertTimeEntry entry = checkAlertTime(alertTimeText(alertTime), true);
        if (alertTime >= 1 && alertTime <= 240)
            FUZZ_CHECK(entry.outcome == AlertTimeEntry::Outcome::Accepted &&
                           entry.byte == alertTime && entry.shownText == alertTimeText(alertTime),
                       "a storable alert time reads back from its text");
        else if (alertTime > 240)
            FUZZ_CHECK(entry.outcome == AlertTimeEntry::Outcome::OutOfRange,
                       "an alert time beyond 120 s shown from an image is refused when left");

        const int attribute = image.getBits(attributeOffset(channel, family, row), 0, 2);
        FUZZ_CHECK(attribute >= 0 && attribute <= 3, "a tone type is two bits");
        const BitPlace enable = enableBit(channel, family, row);
        FUZZ_CHECK(image.getBits(enable.offset, enable.bit, 1) <= 1, "an enable is one bit");
        for (int sw = 0; sw < kSwitchCount; ++sw) {
            const BitPlace place = switchBit(channel, family, row, sw);
            FUZZ_CHECK(place.offset >= 0 && place.offset < kz::TPagerImage::kSize && place.bit < 8,
                       "a switch bit lies inside the image");
        }
    }
    const ToneKind kinds[] = {ToneKind::Tone1, ToneKind::Tone2, ToneKind::Group};
    for (const ToneKind kind : kinds) {
        if (familyOfToneKind(kind) != family)
            continue;
        for (int row = 0; row < rowCount(family); ++row)
            checkTone(image, toneOffset(channel, kind, row));
    }
}

// The tone cache the loading pass fills and the spacing rule reads.
void checkSpacing(const kz::TPagerImage& image, Channel channel) {
    ToneCache cache{};
    ToneCacheEnables enables{};
    const ToneKind kinds[] = {ToneKind::Tone1, ToneKind::Tone2, ToneKind::Group};
    for (const ToneKind kind : kinds) {
        const CallFamily family = familyOfToneKind(kind);
        for (int row = 0; row < rowCount(family); ++row) {
            const auto index = static_cast<std::size_t>(toneCacheIndex(kind, row));
            cache[index] = image.word16(toneOffset(channel, kind, row));
            const BitPlace enable = enableBit(channel, family, row);
            enables[index] = image.getBits(enable.offset, enable.bit, 1) == 1;
        }
    }
    const auto bandwidth = decoderBandwidthValueOfIndex(image.byte(PagerField::decoderBandwidth));
    for (int own = 0; own < kToneCacheSize; ++own) {
        const auto conflict = spacingConflict(cache, enables, bandwidth.value_or(7), own,
                                              cache[static_cast<std::size_t>(own)]);
        if (conflict) {
            bool someEnabledOther = false;
            for (int n = 0; n < kToneCacheSize; ++n)
                someEnabledOther =
                    someEnabledOther || (n != own && enables[static_cast<std::size_t>(n)] &&
                                         rowOfToneCacheEntry(n) == *conflict);
            FUZZ_CHECK(someEnabledOther, "only an enabled other call refuses a tone");
        }
    }
    ToneCacheEnables none{};
    FUZZ_CHECK(!spacingConflict(cache, none, bandwidth.value_or(7), 0, cache[0]),
               "disabled calls never refuse a tone");
}

// The file every input is written to. A memory-backed folder, where the system has one, keeps
// the fuzzer from waiting on the disk for each of its thousands of files.
const QString& tablePath() {
    static const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm")
                                    : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/kz904-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("fuzz.tbl"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file = kz::fuzz::bytesOf(data, size);
    {
        QFile out(tablePath());
        if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
            std::abort(); // the fuzzer's own temporary folder failed, not the code under test
    }
    QString error;
    const auto read = readTableFile(tablePath(), &error);
    FUZZ_CHECK(read.has_value(), "a readable file is read");
    FUZZ_CHECK(*read == file.left(kz::TPagerImage::kSize),
               "a table file contributes its first 512 bytes");

    const kz::TPagerImage before = builtinWorkingImage();
    kz::TPagerImage image = before;
    copyTableBytes(*read, image);
    for (int i = 0; i < kz::TPagerImage::kSize; ++i)
        FUZZ_CHECK(image.byte(i) ==
                       (i < file.size() ? static_cast<std::uint8_t>(file[i]) : before.byte(i)),
                   "the file's bytes replace the image's, the rest stays");
    kz::TPagerImage direct = before;
    copyTableBytes(file, direct);
    FUZZ_CHECK(direct == image, "a longer buffer contributes its first 512 bytes as well");

    checkSums(image);
    checkToneSystem(image);
    for (const Channel channel : {Channel::F1, Channel::F2}) {
        checkCallRows(image, channel, CallFamily::Calls);
        checkCallRows(image, channel, CallFamily::Groups);
        checkSpacing(image, channel);
    }
    return 0;
}
