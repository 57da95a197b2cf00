#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The pager measures its battery with an 8-bit converter over a 4.5 V range: the code of a
// voltage V is V x 256 / 4.5, cut to its whole part. The three gauge levels, the low-battery
// alert level and the shutdown level are stored as such codes, but only the voltages of the
// battery table (3.25 V to 4.15 V in steps of 50 mV) are ever offered.
namespace kz {

// Voltages are handled in hundredths of a volt (4.15 V is 415).
inline constexpr int kBatteryTableLowest = 325;
inline constexpr int kBatteryTableHighest = 415;
inline constexpr int kBatteryTableStep = 5;

// The code of a table voltage; nothing for a voltage the table does not hold.
std::optional<std::uint8_t> batteryCodeOf(int hundredths);
// The table voltage whose code is `code`; nothing for a code the table does not hold.
std::optional<int> batteryVoltageOf(std::uint8_t code);
// "4.15V" for 415: how the battery lists spell a voltage.
QString batteryText(int hundredths);
// A list text such as "4.15V" read as hundredths: the first character counts volts, the two
// digits after the point hundredths. Nothing for a text of another shape.
std::optional<int> batteryHundredthsOf(const QString& text);

// The gauge needs High > Med > Low, strictly. Only the comparisons the changed list takes part
// in are made: a list changed on its own cannot be blamed for an order the other two break.
enum class GaugeList { High, Med, Low };
bool gaugeOrderRefused(GaugeList changed, int high, int med, int low);
inline const QString kGaugeOrderMessage =
    QStringLiteral("You must let Level-High > Level-Med > Level-Low !");

// Images written by a tool older than 2.1.9, or never stamped by one (major digit 0 or 0xFF),
// hold gauge levels from before the battery table. The serial-number run gives such pagers the
// production levels Low 3.50 V, Med 3.80 V, High 3.95 V. `major` and `minorPatch` are the two
// bytes of the tool version (minor digit in the high nibble, patch digit in the low one).
bool hasPreTableBatteryLevels(std::uint8_t major, std::uint8_t minorPatch);
inline constexpr std::uint8_t kProductionGaugeLow = 199;
inline constexpr std::uint8_t kProductionGaugeMed = 216;
inline constexpr std::uint8_t kProductionGaugeHigh = 224;

// Low-battery alert period, in 30 s units; 255 switches the alert off. The list offers
// "Disable", "2 min", "5 min", "10 min" and "30 min" (positions 0..4).
inline constexpr int kAlertPeriodPositions = 5;
std::uint8_t alertPeriodByteOf(int position);
// The position that shows a stored period; nothing for a value the list does not offer (the
// page then falls back to 2 minutes).
std::optional<int> alertPeriodPositionOf(std::uint8_t byte);
// What an unknown stored period becomes: 2 minutes.
inline constexpr std::uint8_t kAlertPeriodFallback = 4;
// What an unset shutdown level becomes: 3.45 V.
inline constexpr std::uint8_t kShutdownLevelFallback = 196;

} // namespace kz
