#pragma once

#include <cstdint>
#include <span>

namespace kz {

// The 16-bit sum the pager uses everywhere: the bytes added as unsigned values, modulo 65536. The
// image sum, the serial-number sum and the sum of every link frame are all this sum over their
// own bytes.
std::uint16_t sum16(std::span<const std::uint8_t> bytes);

} // namespace kz
