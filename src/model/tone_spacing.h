#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The spacing rule of the User tone system: a tone must keep a distance proportional to the
// decoder bandwidth from the tone of every enabled call of its channel, or the decoder could
// answer the wrong call.
namespace kz {

// Decoder bandwidth value (tenths of a percent) of a decoderBandwidth index: the list runs from
// 0.1 % to 3.1 % in steps of 0.2 %, so index i gives 1 + 2i. An index beyond the list names no
// bandwidth.
std::optional<int> decoderBandwidthValueOfIndex(int index);

// One channel's tones as last shown: 0..7 Tone 1 of CALL #1..#8, 8..15 Tone 2 of CALL #1..#8,
// 16..19 the tones of Group Call #1..#4.
inline constexpr int kToneCacheSize = 20;
using ToneCache = std::array<std::uint16_t, kToneCacheSize>;
// Whether the call owning each cache entry is enabled (same indexes as the cache).
using ToneCacheEnables = std::array<bool, kToneCacheSize>;

// The row (call row for entries 0..15, group row for 16..19) a cache entry belongs to.
int rowOfToneCacheEntry(int index);

// Checks candidate tone value `candidate` for the field whose own cache entry is `ownIndex`,
// with decoder bandwidth value `bandwidth` (tenths of a percent, 1..31). Entries are taken in
// ascending order: an enabled entry with exactly the candidate's tone passes at once; an enabled
// entry within its spacing refuses. Returns the row of the refusing entry, or nothing on a pass.
std::optional<int> spacingConflict(const ToneCache& cache, const ToneCacheEnables& enables,
                                   int bandwidth, int ownIndex, int candidate);

// The message of a refused spacing, and the one for two equal tones in the same call.
QString spacingMessage(int bandwidth);
QString sameCallMessage(int bandwidth);

} // namespace kz
