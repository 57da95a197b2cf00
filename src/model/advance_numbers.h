#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Plain numbers of the Advance page: the decoder bandwidth the list shows, and the 16-bit
// Group Call Duration.
namespace kz {

// Decoder bandwidth value (tenths of a percent) of a list text: the text read as a number times
// ten, truncated ("1.5" gives 15). Nothing for a text that is no number (an empty list).
std::optional<int> decoderBandwidthValueOfText(const QString& text);

inline const QString kWordRangeMessage =
    QStringLiteral("Please insert a number between 0 to 65535");
// A whole number 0..65535; nothing for anything else, a number too long to read included.
std::optional<std::uint16_t> wordOfTypedNumber(const QString& typed);

// The Group Call Duration the tone systems want (100 ms units): 5 s, or 2.5 s under Plectron.
inline constexpr int kGroupCallDurationStandard = 50;
inline constexpr int kGroupCallDurationPlectron = 25;

} // namespace kz
