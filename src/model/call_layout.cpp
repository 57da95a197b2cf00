#include "call_layout.h"

#include "pager_fields.h"

#include <cassert>

namespace kz {

namespace {

using namespace PagerField;

int callBlockShift(Channel channel) {
    return channel == Channel::F2 ? channelCallBlockStep : 0;
}
int attributeShift(Channel channel) {
    return channel == Channel::F2 ? channelAttributeStep : 0;
}

void checkRow(CallFamily family, int row) {
    assert(row >= 0 && row < rowCount(family));
    (void)family;
    (void)row;
}

} // namespace

int rowCount(CallFamily family) {
    return family == CallFamily::Calls ? kCallRows : kGroupRows;
}

CallFamily familyOfToneKind(ToneKind kind) {
    return kind == ToneKind::Group ? CallFamily::Groups : CallFamily::Calls;
}

BitPlace enableBit(Channel channel, CallFamily family, int row) {
    checkRow(family, row);
    const int offset = family == CallFamily::Calls ? f1CallEnable : f1GroupEnable;
    return {offset + callBlockShift(channel), row};
}

int patternOffset(Channel channel, CallFamily family, int row) {
    checkRow(family, row);
    const int base = family == CallFamily::Calls ? f1CallPatterns : f1GroupPatterns;
    return base + callBlockShift(channel) + 4 * row;
}

int attributeOffset(Channel channel, CallFamily family, int row) {
    checkRow(family, row);
    const int base = family == CallFamily::Calls ? f1CallAttributes : f1GroupAttributes;
    return base + attributeShift(channel) + 2 * row;
}

int alertTimeOffset(Channel channel, CallFamily family, int row) {
    return attributeOffset(channel, family, row) + 1;
}

BitPlace switchBit(Channel channel, CallFamily family, int row, int sw) {
    checkRow(family, row);
    assert(sw >= 0 && sw < kSwitchCount);
    if (family == CallFamily::Calls)
        return {f1CallSwitchA + sw + callBlockShift(channel), row};
    const int offset = (sw < 2 ? f1GroupSwitchAB : f1GroupSwitchCD) + callBlockShift(channel);
    return {offset, (sw % 2) * 4 + row};
}

BitPlace dutyDisableBit(Channel channel, int sw) {
    assert(sw >= 0 && sw < kSwitchCount);
    return {dutyDisableFlags, (channel == Channel::F2 ? 4 : 0) + sw};
}

int toneOffset(Channel channel, ToneKind kind, int row) {
    checkRow(familyOfToneKind(kind), row);
    const int shift = callBlockShift(channel);
    switch (kind) {
    case ToneKind::Tone1:
        return f1CallTones + shift + 4 * row;
    case ToneKind::Tone2:
        return f1CallTones + shift + 4 * row + 2;
    case ToneKind::Group:
        break;
    }
    return f1GroupTones + shift + 2 * row;
}

int toneCodeOffset(Channel channel, ToneKind kind, int row) {
    checkRow(familyOfToneKind(kind), row);
    const int shift = callBlockShift(channel);
    switch (kind) {
    case ToneKind::Tone1:
        return f1CallToneCodes + shift + 4 * row;
    case ToneKind::Tone2:
        return f1CallToneCodes + shift + 4 * row + 2;
    case ToneKind::Group:
        break;
    }
    return f1GroupToneCodes + shift + 2 * row;
}

int toneCacheIndex(ToneKind kind, int row) {
    checkRow(familyOfToneKind(kind), row);
    switch (kind) {
    case ToneKind::Tone1:
        return row;
    case ToneKind::Tone2:
        return 8 + row;
    case ToneKind::Group:
        break;
    }
    return 16 + row;
}

} // namespace kz
