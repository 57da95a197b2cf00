#pragma once

#include <array>
#include <cstdint>

namespace kz {

// What the four function switches start as on a two-channel and on a single-channel pager: the
// four functionSwitches bytes (352..355) a factory restore writes, and the positions the
// Setting page's "Mode" lists remember for each kind of pager until the user picks others.
struct FunctionSwitchDefaults {
    std::array<std::uint8_t, 4> bytes;
    std::array<int, 4> modePositions;
};

inline constexpr FunctionSwitchDefaults kTwoChannelSwitchDefaults{{0x52, 0x22, 0x21, 0x25},
                                                                  {5, 4, 2, 3}};
inline constexpr FunctionSwitchDefaults kOneChannelSwitchDefaults{{0x40, 0x20, 0x21, 0x21},
                                                                  {0, 0, 1, 1}};

constexpr const FunctionSwitchDefaults& functionSwitchDefaults(bool oneChannel) {
    return oneChannel ? kOneChannelSwitchDefaults : kTwoChannelSwitchDefaults;
}

} // namespace kz
