#include "alert_pattern.h"

namespace kz {

namespace {

constexpr char kPatternChars[] = {'-', 'A', 'B', 'C', 'D'};

std::uint8_t nibbleOf(QChar c) {
    for (std::uint8_t i = 1; i < std::size(kPatternChars); ++i)
        if (c == QLatin1Char(kPatternChars[i]))
            return i;
    return 0;
}

} // namespace

EncodedAlertPattern encodeAlertPattern(const QString& typed) {
    EncodedAlertPattern result{QString(kAlertPatternLength, QLatin1Char('-')), {}};
    for (int i = 0; i < kAlertPatternLength; ++i) {
        // Character by character: upper-casing the whole text could change its length ("ß"
        // becomes "SS") and move the pattern characters after it.
        const std::uint8_t nibble = i < typed.size() ? nibbleOf(typed[i].toUpper()) : 0;
        result.text[i] = QLatin1Char(kPatternChars[nibble]);
        auto& byte = result.bytes[static_cast<std::size_t>(i / 2)];
        byte = static_cast<std::uint8_t>(i % 2 == 0 ? nibble << 4 : byte | nibble);
    }
    return result;
}

QString decodeAlertPattern(std::span<const std::uint8_t, 4> bytes) {
    QString text;
    for (int i = 0; i < kAlertPatternLength; ++i) {
        const std::uint8_t byte = bytes[static_cast<std::size_t>(i / 2)];
        const int nibble = i % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble >= static_cast<int>(std::size(kPatternChars)))
            break;
        text += QLatin1Char(kPatternChars[nibble]);
    }
    return text;
}

} // namespace kz
