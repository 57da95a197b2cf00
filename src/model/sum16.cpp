#include "sum16.h"

namespace kz {

std::uint16_t sum16(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

} // namespace kz
