#include "setting_rules.h"

#include "pager_fields.h"

#include <array>
#include <cmath>

namespace kz {

namespace {

constexpr std::array<ResetChoice, kResetPositionCount> kResetChoices{{
    {0, true},  // Auto Reset
    {1, true},  // Delay N sec Auto Reset
    {2, true},  // Revert SQ
    {3, true},  // Manual RESET
    {3, false}, // Manual RESET Until Press Reset
    {4, true},  // Time-Out RESET
    {5, true},  // Delay AUTO N with Revert
}};

constexpr std::uint8_t kOneChannelMark = PagerValue::oneChannelPager;

constexpr std::array<int, kPeriodPositionCount> kPeriodMs{500, 1000, 2000};

double roundToTenth(double v) {
    return std::round(v * 10.0) / 10.0;
}

} // namespace

std::optional<ResetChoice> resetChoiceOfPosition(int position) {
    if (position < 0 || position >= kResetPositionCount)
        return std::nullopt;
    return kResetChoices[static_cast<std::size_t>(position)];
}

int resetPositionOf(std::uint8_t mode, bool untilPressFlag) {
    if (mode == 3 && !untilPressFlag)
        return 4;
    const int position = mode <= 3 ? mode : mode + 1;
    return position < kResetPositionCount ? position : -1;
}

bool resetModeUsesDelay(std::uint8_t mode) {
    return mode == 1 || mode == 4 || mode == 5;
}

DelayEntry checkDelay(const QString& typed) {
    using Outcome = DelayEntry::Outcome;
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {Outcome::Empty, {}, 0};
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < kDelayLowest || v > kDelayHighest)
        return {Outcome::OutOfRange, typed, 0};
    const double whole = std::floor(v);
    if (v != whole && roundToTenth(v) != whole + 0.5)
        return {Outcome::BadInterval, {}, 0};
    const QString shown = QString::asprintf("%01.1f", v);
    return {Outcome::Accepted, shown, static_cast<std::uint8_t>(std::lround(2 * shown.toDouble()))};
}

QString delayText(std::uint8_t byte) {
    return QString::asprintf("%01.1f", byte * 0.5);
}

std::uint8_t reminderByteOfPosition(int position) {
    constexpr std::array<std::uint8_t, 4> bytes{0, 60, 120, 240};
    if (position < 0 || position >= static_cast<int>(bytes.size()))
        return 0;
    return bytes[static_cast<std::size_t>(position)];
}

int reminderPositionOf(std::uint8_t interval) {
    if (interval == 0)
        return 0;
    if (interval < 90)
        return 1;
    if (interval < 180)
        return 2;
    return 3;
}

std::optional<std::uint8_t> byteOfTypedNumber(const QString& typed) {
    bool ok = false;
    const int v = typed.trimmed().toInt(&ok);
    if (!ok || v < 0 || v > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(v);
}

bool isSingleChannelHeader(std::uint8_t mark, int firmwareValue) {
    return mark == kOneChannelMark || firmwareValue >= kOneChannelFirmware;
}

bool isOneChannelPager(std::uint8_t mark, std::uint8_t mark2, int firmwareValue) {
    return isSingleChannelHeader(mark, firmwareValue) || mark2 == kOneChannelMark;
}

std::optional<std::uint8_t> priorityScanCountOf(int position, std::uint8_t batterySave2) {
    if (position < 0 || position >= kPeriodPositionCount || batterySave2 == 0)
        return std::nullopt;
    const int count = kPeriodMs[static_cast<std::size_t>(position)] / (10 * batterySave2);
    // 2000 ms over the shortest cycle (10 ms) is 200: it always fits the byte.
    return static_cast<std::uint8_t>(count == 0 ? 1 : count);
}

int periodPositionOf(std::uint8_t count, std::uint8_t batterySave2) {
    const int position = count * batterySave2 * 10 / 1000;
    return position < kPeriodPositionCount ? position : -1;
}

} // namespace kz
