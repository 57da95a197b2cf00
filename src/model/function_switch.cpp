#include "function_switch.h"

#include "pager_fields.h"

#include <array>

namespace kz {

namespace {

constexpr std::uint8_t kModeMask = 0x1F;
constexpr std::uint8_t kAlertMask = 0x60;
constexpr int kAlertShift = 5;
constexpr std::uint8_t kPushToListenBit = 0x80;

struct ModeBits {
    int modeClass;
    int channel;
    int scanKind;
    bool pushToListen;
};

// Monitor F1, Monitor F2, Selective Call F1, Selective Call F2, Normal Scan, Priority Scan F1,
// Silent Scan.
constexpr std::array<ModeBits, kTwoChannelModeCount> kTwoChannelModes{{
    {0, 0, 0, false},
    {0, 1, 0, false},
    {1, 0, 0, true},
    {1, 1, 0, true},
    {2, 0, 0, false},
    {2, 0, 2, false},
    {2, 0, 1, true},
}};

constexpr std::uint8_t encode(const ModeBits& m) {
    return static_cast<std::uint8_t>(m.modeClass | m.channel << 2 | m.scanKind << 3);
}

} // namespace

int functionSwitchOffset(int sw) {
    return PagerField::functionSwitches + sw;
}

std::uint8_t withTwoChannelMode(std::uint8_t byte, int position) {
    std::uint8_t mode = 0;
    if (position >= 0 && position < kTwoChannelModeCount)
        mode = encode(kTwoChannelModes[static_cast<std::size_t>(position)]);
    return static_cast<std::uint8_t>((byte & ~kModeMask) | mode);
}

std::uint8_t withOneChannelMode(std::uint8_t byte, int position) {
    const int mode = position >= 0 && position < kOneChannelModeCount ? position : 0;
    return static_cast<std::uint8_t>((byte & ~kModeMask) | mode);
}

bool twoChannelModeAllowsPushToListen(int position) {
    return position >= 0 && position < kTwoChannelModeCount &&
           kTwoChannelModes[static_cast<std::size_t>(position)].pushToListen;
}

bool oneChannelModeAllowsPushToListen(int position) {
    return position == 1;
}

std::optional<int> twoChannelModeOf(std::uint8_t byte) {
    const int channel = byte >> 2 & 1;
    const int scanKind = byte >> 3 & 3;
    switch (byte & 3) {
    case 0:
        return channel;
    case 1:
        return 2 + channel;
    case 2:
        if (scanKind == 0)
            return 4;
        if (scanKind == 1)
            return 6;
        if (scanKind == 2)
            return 5;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::optional<int> oneChannelModeOf(std::uint8_t byte) {
    const int modeClass = byte & 3;
    if (modeClass <= 1)
        return modeClass;
    return std::nullopt;
}

std::uint8_t withAlertType(std::uint8_t byte, int position) {
    const int type = (position + 1) & 3;
    return static_cast<std::uint8_t>((byte & ~kAlertMask) | type << kAlertShift);
}

std::optional<int> alertTypePositionOf(std::uint8_t byte) {
    const int type = (byte & kAlertMask) >> kAlertShift;
    if (type == 0)
        return std::nullopt;
    return type - 1;
}

bool pushToListenOf(std::uint8_t byte) {
    return (byte & kPushToListenBit) != 0;
}

std::uint8_t withPushToListen(std::uint8_t byte, bool on) {
    return static_cast<std::uint8_t>(on ? byte | kPushToListenBit : byte & ~kPushToListenBit);
}

} // namespace kz
