#pragma once

#include <array>

// Where the fields of each call row of a channel lie in the pager image.
//
// A channel holds eight calls (two tones each) and four group calls (one tone each). The F2 call
// block repeats the F1 block 144 bytes further on; the call attributes of F2 lie 32 bytes after
// those of F1.
namespace kz {

enum class Channel { F1 = 0, F2 = 1 };
enum class CallFamily { Calls, Groups };
// The three kinds of tone field: Tone 1 and Tone 2 of a call, the tone of a group call.
enum class ToneKind { Tone1 = 0, Tone2 = 1, Group = 2 };
// Both channels and both row families, in the order the editor walks them.
inline constexpr std::array kChannels{Channel::F1, Channel::F2};
inline constexpr std::array kCallFamilies{CallFamily::Calls, CallFamily::Groups};
// Function switches SW-A..SW-D.
inline constexpr int kSwitchCount = 4;

struct BitPlace {
    int offset;
    int bit;
};

inline constexpr int kCallRows = 8;
inline constexpr int kGroupRows = 4;
int rowCount(CallFamily family);
CallFamily familyOfToneKind(ToneKind kind);

// Call row enabled (1) or not.
BitPlace enableBit(Channel channel, CallFamily family, int row);
// First of the row's four alert pattern bytes.
int patternOffset(Channel channel, CallFamily family, int row);
// Attribute byte (bits 0..1 tone type, bit 7 priority alert); the alert time byte follows it.
int attributeOffset(Channel channel, CallFamily family, int row);
int alertTimeOffset(Channel channel, CallFamily family, int row);
// Whether the row operates function switch `sw` (0..3 = A..D). Group calls share two bytes:
// AB holds A in bits 0..3 and B in bits 4..7, CD holds C and D the same way.
BitPlace switchBit(Channel channel, CallFamily family, int row, int sw);
// dutyDisableFlags bit that turns switch `sw` off for every call of the channel (1 = off).
BitPlace dutyDisableBit(Channel channel, int sw);

// Tone value and tone code of a tone field, both 16-bit big-endian.
int toneOffset(Channel channel, ToneKind kind, int row);
int toneCodeOffset(Channel channel, ToneKind kind, int row);
// The field's entry in its channel's tone cache: Tone 1 r, Tone 2 8 + r, group 16 + g.
int toneCacheIndex(ToneKind kind, int row);

// Attribute byte layout.
inline constexpr int kToneTypeFirstBit = 0;
inline constexpr int kToneTypeWidth = 2;
inline constexpr int kPriorityBit = 7;
// Tone type items: Standard, Continuous, User define (only the last has an alert pattern).
inline constexpr int kToneTypeUserDefine = 2;

} // namespace kz
