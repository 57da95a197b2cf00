#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The three tone systems of the pager and what each accepts.
//
// A tone value is a tone in tenths of a hertz (12858 = 1285.8 Hz). The active system is one
// setting for the whole pager (byte toneSystem): it decides which tones a tone field accepts and
// how a typed tone is adjusted before it is stored.
namespace kz {

// Values are the Tags of the "Tone System" radio buttons.
enum class ToneSystem { Standard = 0, User = 1, Plectron = 2 };

// toneSystem byte: 255 Standard, 254 User, 253 Plectron; any other byte counts as Standard.
ToneSystem toneSystemOfByte(std::uint8_t byte);
std::uint8_t byteOfToneSystem(ToneSystem system);

// Accepted tone values of a system, both ends included, and the message that refuses the rest.
struct ToneRange {
    int low;
    int high;
    QString message;
    bool contains(int value) const { return value >= low && value <= high; }
};
ToneRange acceptedToneRange(ToneSystem system);

// A tone text as the pager tool reads it, so that a typed tone lands on the stored tenth the
// pager expects: the number is rounded to one
// decimal by formatting it as "%04.1f", and the tone value is integer part x 10 + tenth.
struct ParsedTone {
    QString text; // the "%04.1f" form that replaces the field's text
    int value;    // not narrowed to 16 bits, so that an over-long entry stays out of range
};
// Empty when the text is not a finite number (only pasted text can be).
std::optional<ParsedTone> parseToneText(const QString& text);

// "%04.1f" of value / 10: 12858 -> "1285.8", 0 -> "00.0".
QString toneText(int value);

// The table tone nearest to `value` (Standard and Plectron; a tone halfway between two table
// tones takes the higher one). Under User, and for a tone farther than 100 Hz from every table
// tone (the accepted ranges never let one through), the value is returned unchanged.
int nearestTone(ToneSystem system, int value);

} // namespace kz
