#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The fixed tone tables of the pager. Tones are tone values: tenths of a hertz (12858 = 1285.8 Hz).
namespace kz {

// One column of the standard tone table: a tone group with its ten tones, digits 0..9.
struct StandardToneGroup {
    std::string_view name;
    std::array<std::uint16_t, 10> tones;
};

inline constexpr int kStandardToneGroupCount = 14;
inline constexpr int kStandardToneCount = 140;
inline constexpr int kPlectronToneCount = 59;

// The standard paging tones by group and digit, as the standard tone picker shows them.
extern const std::array<StandardToneGroup, kStandardToneGroupCount> kStandardToneGroups;

// The same 140 tones sorted ascending, repeats kept (767.4 and 832.5 Hz appear in two groups).
// The nearest-tone rule snaps to this list. It is kept as a table of its own, not derived from
// the grid at run time, so that each can be checked against the other.
extern const std::array<std::uint16_t, kStandardToneCount> kStandardSnapList;

// The Plectron tones, ascending: both the Plectron snap list and the Plectron picker's content.
extern const std::array<std::uint16_t, kPlectronToneCount> kPlectronTones;

} // namespace kz
