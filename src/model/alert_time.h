#pragma once

#include <QString>

#include <cstdint>

// Alert time of a call: 0 = the pager's standard alert time (STD), otherwise a fixed time in
// half seconds, 0.5 s .. 120.0 s.
namespace kz {

inline const QString kAlertTimeRangeMessage =
    QStringLiteral("Please insert a number between 0.5 to 120.0");
inline const QString kAlertTimeIntervalMessage = QStringLiteral("The interval is 0.5 second.");

// Fixed alert time the "FIXED" item starts with: 1.0 s.
inline constexpr std::uint8_t kDefaultFixedAlertTime = 2;

struct AlertTimeEntry {
    enum class Outcome {
        Empty,       // nothing typed: show the stored times again
        OutOfRange,  // kAlertTimeRangeMessage; the typed text stays
        BadInterval, // kAlertTimeIntervalMessage; show the stored times again
        Accepted,
    };
    Outcome outcome;
    QString shownText;     // the field's text from the point of rewriting on ("%01.1f")
    std::uint8_t byte = 0; // the alert time byte to store when accepted
};

// Judges a typed alert time. `fixed` tells whether the row's list shows "FIXED"; without it the
// field is hidden and only 0 (STD) or a storable time makes sense, so anything outside
// 0..120.0 s is refused as out of range too. A text that is no number is out of range.
AlertTimeEntry checkAlertTime(const QString& typed, bool fixed);

// "%01.1f" of byte x 0.5 s.
QString alertTimeText(std::uint8_t byte);

} // namespace kz
