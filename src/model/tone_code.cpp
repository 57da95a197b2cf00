#include "tone_code.h"

#include <cassert>

namespace kz {

std::uint16_t toneCode(int value) {
    assert(value > 0);
    if (value <= 0)
        return 0x8000; // never a committed tone; avoids a division by zero
    constexpr std::int64_t kClock = 3579545;
    const std::int64_t c = value;
    const std::int64_t v = 11892 * c / kClock;
    const std::int64_t w = (11892 * c - kClock * v) / (12 * c);
    return static_cast<std::uint16_t>(0x8000 + v * 128 + w);
}

} // namespace kz
