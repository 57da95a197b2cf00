#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The pager-wide settings of the Setting page that are plain numbers or list positions: the
// reset control with its delay, the reminder, the carrier-off delay and the priority-scan period.
namespace kz {

// --- reset control ------------------------------------------------------------------------------
// The pager knows six reset methods (resetMode 0..5); "Manual RESET" comes in two variants told
// apart by bit 1 of controlFlags (0 = the call stays until Reset is pressed).
inline constexpr int kResetUntilPressBit = 1;
inline constexpr int kResetPositionCount = 7;

struct ResetChoice {
    std::uint8_t mode;
    bool untilPressFlag; // bit 1 of controlFlags
};

// What the list position 0..6 stores; nullopt for a position outside the list.
std::optional<ResetChoice> resetChoiceOfPosition(int position);
// The list position that shows a stored method; -1 (no item) for a method the list does not
// know (6 or more).
int resetPositionOf(std::uint8_t mode, bool untilPressFlag);
// Whether the method waits a delay (Delay N sec Auto Reset, Time-Out RESET, Delay AUTO N with
// Revert): only then is the Delay Time row shown.
bool resetModeUsesDelay(std::uint8_t mode);

// --- delay time (half seconds) ------------------------------------------------------------------
inline const QString kDelayRangeMessage =
    QStringLiteral("Please insert a number between 1 to 127.5");
inline const QString kDelayIntervalMessage = QStringLiteral("The interval is 0.5 second.");
// The shortest delay taken: 1 s, the lowest value the refusal names. A delay reset with no delay
// is what "Auto Reset" is for.
inline constexpr double kDelayLowest = 1.0;
inline constexpr double kDelayHighest = 127.5;

struct DelayEntry {
    enum class Outcome {
        Empty,       // nothing typed: show the stored delay
        OutOfRange,  // kDelayRangeMessage, focus back, typed text kept (also for a non-number)
        BadInterval, // kDelayIntervalMessage, stored delay shown again
        Accepted,
    };
    Outcome outcome;
    QString shownText;     // "%01.1f" of the accepted value
    std::uint8_t byte = 0; // resetDelay to store
};
DelayEntry checkDelay(const QString& typed);
// "%01.1f" of byte x 0.5 s (16 shows "8.0").
QString delayText(std::uint8_t byte);

// --- reminder -----------------------------------------------------------------------------------
// reminderInterval holds twice the reminder time in seconds; the list offers Disable, 30, 60 and
// 120 seconds. Position 0..3 -> 0, 60, 120, 240.
std::uint8_t reminderByteOfPosition(int position);
// Band of a stored interval: 0 -> 0, 1..89 -> 1, 90..179 -> 2, 180..255 -> 3.
int reminderPositionOf(std::uint8_t interval);

// --- carrier-off delay (100 ms units) ----------------------------------------------------------
inline const QString kByteRangeMessage = QStringLiteral("Please insert a number between 0 to 255");
// A whole number 0..255; nullopt for anything else (out of range, no number, a fraction).
std::optional<std::uint8_t> byteOfTypedNumber(const QString& typed);

// --- one channel --------------------------------------------------------------------------------
// Pagers with firmware 5.0.0 or later are single-channel whatever their marks say.
inline constexpr int kOneChannelFirmware = 500;
// Whether a pager's header block is one of a single-channel pager: its mark (oneChannelMark)
// says so, or its firmware is 5.0.0 or later.
bool isSingleChannelHeader(std::uint8_t mark, int firmwareValue);
// Whether an image is one of a single-channel pager: either mark (oneChannelMark,
// oneChannelMark2) says so, or the firmware (major x 100 + minor x 10 + patch) is 5.0.0 or later.
bool isOneChannelPager(std::uint8_t mark, std::uint8_t mark2, int firmwareValue);

// --- priority-scan period -----------------------------------------------------------------------
// The pager counts battery-save cycles (batterySave2, 10 ms units) between two looks at the
// priority channel; the list offers 0.5, 1 and 2 seconds (positions 0..2).
inline constexpr int kPeriodPositionCount = 3;
// The count for a period: period / (10 ms x batterySave2), truncated, at least 1. nullopt when
// Battery Save2 is 0 (no cycle to count) or the position names no period: the count is kept.
std::optional<std::uint8_t> priorityScanCountOf(int position, std::uint8_t batterySave2);
// The list position that shows a stored count: count x batterySave2 x 10 / 1000, truncated;
// -1 (no item) when that is 3 or more.
int periodPositionOf(std::uint8_t count, std::uint8_t batterySave2);

} // namespace kz
