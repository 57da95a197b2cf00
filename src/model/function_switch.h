#pragma once

#include <cstdint>
#include <optional>

// The function switch byte of SW-A..SW-D (functionSwitches, one byte per switch):
//   bits 0-1 mode class (0 monitor, 1 selective call, 2 scan), bit 2 channel of a monitor or
//   selective-call mode (0 F1, 1 F2), bits 3-4 scan kind (0 normal, 1 silent, 2 priority F1),
//   bits 5-6 alert type (1 tone, 2 vibrate, 3 both), bit 7 push to listen.
// The Setting page offers the modes as list positions: seven on a two-channel pager, two
// (Monitor F1, Selective Call F1) on a single-channel one.
namespace kz {

inline constexpr int kFunctionSwitchCount = 4;
inline constexpr int kTwoChannelModeCount = 7;
inline constexpr int kOneChannelModeCount = 2;
inline constexpr int kAlertTypeCount = 3;
// The alert type push to listen forces: "Vibrate".
inline constexpr int kPushToListenAlertPosition = 1;

// Byte of switch s in the image.
int functionSwitchOffset(int sw);

// Two-channel "Mode" position m (0..6) into bits 0-4; bits 5-7 of `byte` stay. A position
// outside the list writes monitor F1.
std::uint8_t withTwoChannelMode(std::uint8_t byte, int position);
// One-channel position m (0 Monitor F1, 1 Selective Call F1) into bits 0-4; bits 5-7 stay.
std::uint8_t withOneChannelMode(std::uint8_t byte, int position);
// Push to listen is offered only for a mode that receives calls: the selective calls and
// Silent Scan on a two-channel pager, Selective Call F1 on a single-channel one.
bool twoChannelModeAllowsPushToListen(int position);
bool oneChannelModeAllowsPushToListen(int position);

// The list position that shows a byte's mode; nullopt leaves the list where it is (class 3, or
// a scan of kind 3; on a single-channel pager every scan as well).
std::optional<int> twoChannelModeOf(std::uint8_t byte);
std::optional<int> oneChannelModeOf(std::uint8_t byte);

// "Alert Type" position 0..2 (Tone, Vibrate, Tone & Vibrate) into bits 5-6: position + 1.
std::uint8_t withAlertType(std::uint8_t byte, int position);
// The position of a stored alert type 1..3; nullopt for 0.
std::optional<int> alertTypePositionOf(std::uint8_t byte);

bool pushToListenOf(std::uint8_t byte);
std::uint8_t withPushToListen(std::uint8_t byte, bool on);

} // namespace kz
