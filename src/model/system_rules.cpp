#include "system_rules.h"

#include "pager_fields.h"
#include "squelch_presets.h"

#include <cmath>

namespace kz {

namespace {

constexpr int kPriorityScanLimitMs = 30000;
constexpr int kBatterySaveUnitMs = 10;
constexpr int kSpeakerHighest = 255; // hundredths of a volt
constexpr int kRssiHighest = 100;
constexpr int kAuxDbShift = 3;
constexpr std::uint8_t kAuxDbMask = 0x3 << kAuxDbShift;

bool isDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

std::optional<int> wholeNumberIn(const QString& typed, int low, int high) {
    const QString text = typed.trimmed();
    if (!isDigits(text))
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return static_cast<int>(value);
}

DecoderResetEntry checkDecoderReset(const QString& typed) {
    using Outcome = DecoderResetEntry::Outcome;
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {Outcome::Empty, {}, 0};
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0.0 || v > 127.5)
        return {Outcome::OutOfRange, typed, 0};
    const double whole = std::floor(v);
    if (v != whole && std::round(v * 10.0) / 10.0 != whole + 0.5)
        return {Outcome::BadInterval, {}, 0};
    const QString shown = QString::asprintf("%01.1f", v);
    return {Outcome::Accepted, shown, static_cast<std::uint8_t>(std::lround(2 * shown.toDouble()))};
}

QString decoderResetText(std::uint8_t byte) {
    return QString::asprintf("%01.1f", byte * 0.5);
}

bool priorityScanFits(int count, int batterySave2) {
    return static_cast<long long>(count) * batterySave2 * kBatterySaveUnitMs < kPriorityScanLimitMs;
}

int toneDurationOffset(int row) {
    constexpr int offsets[kToneDurationRows] = {
        PagerField::tone1Duration, PagerField::tone2Duration, PagerField::groupCallDuration};
    return offsets[row];
}

int toneLimitOffset(int row) {
    return row == 0 ? PagerField::tone1Limit : PagerField::tone2Limit;
}

int tone2DurationCopyOffset(ToneSystem system) {
    return system == ToneSystem::Plectron ? PagerField::tone2DurationPlectron
                                          : PagerField::tone2DurationStd;
}

QString voltageText(std::uint8_t code) {
    // Whole arithmetic, so that the codes that fall exactly on a half hundredth (32 = 0.375 V)
    // round up as the pager's tables expect.
    const int hundredths = (code * 300 + 128) / 256;
    return QString::asprintf("%d.%02d", hundredths / 100, hundredths % 100);
}

std::uint8_t voltageCodeOf(int hundredths) {
    if (hundredths <= 0)
        return 0;
    const long long code = (2560LL * hundredths + 150) / 3000;
    return static_cast<std::uint8_t>(code > 255 ? 255 : code);
}

std::optional<int> hundredthsOf(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > 1e6)
        return std::nullopt;
    return static_cast<int>(std::lround(v * 100.0));
}

QString voltageOrderMessage(VoltageGroup group) {
    return group == VoltageGroup::Wb
               ? QStringLiteral("You must let WB_NRSSI > WB_Speaker OFF > WB_Speaker ON !")
               : QStringLiteral("You must let NB_NRSSI > NB_Speaker OFF > NB_Speaker ON !");
}

VoltageEntry checkVoltage(VoltageGroup group, VoltageRole role, const QString& typed,
                          VoltageGroupShown shown) {
    using Outcome = VoltageEntry::Outcome;
    const bool rssi = role == VoltageRole::Rssi;
    const QString rangeMessage = rssi ? kRssiRangeMessage : kSpeakerRangeMessage;
    if (typed.trimmed().isEmpty())
        return {Outcome::Empty, {}, {}, 0};
    // A text that is no number (pasted) is refused like a number out of range, and kept.
    const auto typedValue = hundredthsOf(typed);
    if (!typedValue)
        return {Outcome::Refused, typed, rangeMessage, 0};
    const QString text = QString::asprintf("%1.2f", typed.trimmed().toDouble());
    const int value = *hundredthsOf(text);

    switch (role) {
    case VoltageRole::SpeakerOn:
        shown.speakerOn = value;
        break;
    case VoltageRole::SpeakerOff:
        shown.speakerOff = value;
        break;
    case VoltageRole::Rssi:
        shown.rssi = value;
        break;
    }
    const bool inOrder = [&] {
        switch (role) {
        case VoltageRole::SpeakerOn:
            return shown.speakerOn >= shown.speakerOff && shown.speakerOn >= shown.rssi;
        case VoltageRole::SpeakerOff:
            return shown.speakerOn >= shown.speakerOff && shown.speakerOff >= shown.rssi;
        case VoltageRole::Rssi:
            return shown.speakerOn >= shown.rssi && shown.speakerOff >= shown.rssi;
        }
        return false;
    }();
    const bool inItsRange = inRange(value, 0, rssi ? kRssiHighest : kSpeakerHighest);
    // WB Speaker OFF looks at the order first; every other field at its range first.
    const bool orderFirst = group == VoltageGroup::Wb && role == VoltageRole::SpeakerOff;
    if (orderFirst && !inOrder)
        return {Outcome::Refused, text, voltageOrderMessage(group), 0};
    if (!inItsRange)
        return {Outcome::Refused, text, rangeMessage, 0};
    if (!inOrder)
        return {Outcome::Refused, text, voltageOrderMessage(group), 0};
    return {Outcome::Accepted, text, {}, voltageCodeOf(value)};
}

int squelchLevelOfSpeakerOn(int hundredths) {
    for (int level = 0; level < static_cast<int>(kSquelchTableA.size()); ++level)
        if (kSquelchTableA[static_cast<std::size_t>(level)].on == hundredths)
            return level;
    return -1;
}

int auxDbPositionOf(std::uint8_t auxFlags) {
    return (auxFlags & kAuxDbMask) >> kAuxDbShift;
}

std::uint8_t auxFlagsWithAuxDb(std::uint8_t auxFlags, int position) {
    return static_cast<std::uint8_t>((auxFlags & ~kAuxDbMask) |
                                     ((position << kAuxDbShift) & kAuxDbMask));
}

} // namespace kz
