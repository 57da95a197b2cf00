#include "battery_levels.h"

#include <array>

namespace kz {

namespace {

constexpr int kBatteryRows = (kBatteryTableHighest - kBatteryTableLowest) / kBatteryTableStep + 1;

// The table as the pager's maker fixed it: V x 256 / 4.5, cut to its whole part.
constexpr std::array<std::uint8_t, kBatteryRows> kBatteryCodes{
    184, 187, 190, 193, 196, 199, 201, 204, 207, 210, 213, 216, 219, 221, 224, 227, 230, 233, 236,
};

constexpr std::array<std::uint8_t, kAlertPeriodPositions> kAlertPeriods{255, 4, 10, 20, 60};

} // namespace

std::optional<std::uint8_t> batteryCodeOf(int hundredths) {
    if (hundredths < kBatteryTableLowest || hundredths > kBatteryTableHighest ||
        (hundredths - kBatteryTableLowest) % kBatteryTableStep != 0)
        return std::nullopt;
    return kBatteryCodes[static_cast<std::size_t>((hundredths - kBatteryTableLowest) /
                                                  kBatteryTableStep)];
}

std::optional<int> batteryVoltageOf(std::uint8_t code) {
    for (std::size_t row = 0; row < kBatteryCodes.size(); ++row)
        if (kBatteryCodes[row] == code)
            return kBatteryTableLowest + static_cast<int>(row) * kBatteryTableStep;
    return std::nullopt;
}

QString batteryText(int hundredths) {
    return QString::asprintf("%0.2fV", hundredths / 100.0);
}

std::optional<int> batteryHundredthsOf(const QString& text) {
    if (text.size() < 4 || text[1] != QLatin1Char('.') || !text[0].isDigit() ||
        !text[2].isDigit() || !text[3].isDigit())
        return std::nullopt;
    return text[0].digitValue() * 100 + text.mid(2, 2).toInt();
}

bool gaugeOrderRefused(GaugeList changed, int high, int med, int low) {
    switch (changed) {
    case GaugeList::High:
        return low >= high || med >= high;
    case GaugeList::Med:
        return med >= high || low >= med;
    case GaugeList::Low:
        return low >= med || low >= high;
    }
    return true;
}

std::uint8_t alertPeriodByteOf(int position) {
    if (position < 0 || position >= kAlertPeriodPositions)
        return kAlertPeriodFallback;
    return kAlertPeriods[static_cast<std::size_t>(position)];
}

std::optional<int> alertPeriodPositionOf(std::uint8_t byte) {
    for (std::size_t i = 0; i < kAlertPeriods.size(); ++i)
        if (kAlertPeriods[i] == byte)
            return static_cast<int>(i);
    return std::nullopt;
}

bool hasPreTableBatteryLevels(std::uint8_t major, std::uint8_t minorPatch) {
    const int version = major * 100 + (minorPatch >> 4) * 10 + (minorPatch & 0x0F);
    return version < 219 || major == 0xFF || major == 0;
}

} // namespace kz
