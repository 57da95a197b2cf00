#pragma once

#include <cstdint>

namespace kz {

// The 16-bit word the pager's decoder uses for a tone, stored beside every tone value.
// Bit 15 is set, bits 14..7 hold the coarse count v and bits 6..0 the fine count w, both derived
// from the decoder's 3.579545 MHz clock. Exact integer form of
//   v = trunc(f x 118920 / 3579545), w = trunc((29730 / 3579545 - v / (4 f)) x 119318.1667)
// with f = value / 10 Hz; valid for tone values 2800..35000.
std::uint16_t toneCode(int value);

} // namespace kz
