#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>

// Alert patterns: eight characters of 'A'..'D' and '-' kept as nibbles in four bytes, character
// 2k in the high nibble and 2k + 1 in the low nibble of byte k ('-' 0, 'A' 1 .. 'D' 4).
namespace kz {

inline constexpr int kAlertPatternLength = 8;
using AlertPatternBytes = std::array<std::uint8_t, 4>;

struct EncodedAlertPattern {
    QString text; // eight characters, as the field shows them
    AlertPatternBytes bytes;
};

// Encodes a typed pattern: upper case, the first eight characters laid over "--------" from the
// left. A character that is no pattern character is stored as 0 and therefore shown as '-', so
// the field always shows what the pager will play.
EncodedAlertPattern encodeAlertPattern(const QString& typed);

// The pattern text of four stored bytes, high nibble first; it ends before the first nibble
// above 4 (a value the editor never writes).
QString decodeAlertPattern(std::span<const std::uint8_t, 4> bytes);

} // namespace kz
