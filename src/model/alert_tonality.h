#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The four alert tonalities A..D: the frequency of each alert tone in whole hertz
// (alertTonality, 16 bits each, high byte first) and the timer setting the pager's 4 MHz clock
// needs to make it (tonalityTimers: a prescaler code and an 8-bit reload per tonality).
namespace kz {

inline constexpr int kTonalityCount = 4;
inline constexpr int kTonalityLowestHz = 150;
inline constexpr int kTonalityHighestHz = 6000;

inline const QString kTonalityRangeMessage =
    QStringLiteral("Please insert a number between 0.150 and 6.000 !");

int tonalityOffset(int t);      // the 16-bit frequency of tonality t
int tonalityTimerOffset(int t); // its prescaler code; the reload follows it

struct TonalityTimer {
    int divisor;         // prescaler divisor P
    std::uint8_t code;   // prescaler code C
    std::uint8_t reload; // 4 000 000 / (2 P f) - 1, truncated, kept to 8 bits
};
// The timer of a frequency the pager can make (150..6000 Hz); nullopt for any other.
std::optional<TonalityTimer> tonalityTimerOf(int hz);

// "%01.3f" of hz / 1000: 200 Hz shows "0.200".
QString tonalityText(int hz);

struct TonalityEntry {
    enum class Outcome {
        Empty,      // nothing typed: show the stored tonalities again
        OutOfRange, // kTonalityRangeMessage; the field shows `shownText`, focus back
        Accepted,
    };
    Outcome outcome;
    QString shownText; // the typed value with three decimals (the typed text if it is no number)
    int hz = 0;
};
// Judges a typed tonality in kilohertz.
TonalityEntry checkTonality(const QString& typed);

} // namespace kz
