#pragma once

#include "pager_fields.h"

#include <QString>

#include <cstdint>
#include <span>

// The serial-number block the pager keeps at 416..431: fourteen characters of serial number and
// their 16-bit sum, big-endian. A pager that never had a serial number stamped holds sixteen
// 0xFF bytes there, which carry no sum at all.
namespace kz {

inline constexpr int kSerialBlockSize = PagerField::serialBlockSize;
inline constexpr int kSerialTextSize = PagerField::serialNumberWidth;

struct SerialBlockCheck {
    enum class Kind {
        NoSerialNumber, // all sixteen bytes 0xFF: nothing to take over, no sum to check
        BadSum,         // the stored sum does not match the fourteen characters
        Valid,
    };
    Kind kind = Kind::NoSerialNumber;
    // Valid blocks only: the characters up to the first zero byte, as the serial field shows
    // them, and whether the first eleven are one of the known production prefixes.
    QString serialText;
    bool knownPrefix = false;
};

// The serial number as the serial field shows it: the characters up to the first zero byte (a
// serial number shorter than fourteen characters is stored followed by zero bytes).
QString serialNumberText(std::span<const std::uint8_t, kSerialTextSize> characters);

// Judges a serial-number block as read from the pager.
SerialBlockCheck checkSerialBlock(std::span<const std::uint8_t, kSerialBlockSize> block);

} // namespace kz
