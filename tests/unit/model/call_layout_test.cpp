#include "call_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

bool operator==(BitPlace a, BitPlace b) {
    return a.offset == b.offset && a.bit == b.bit;
}

TEST(CallLayout, EnablesPatternsAndAttributes) {
    EXPECT_TRUE((enableBit(Channel::F1, CallFamily::Calls, 2) == BitPlace{88, 2}));
    EXPECT_TRUE((enableBit(Channel::F2, CallFamily::Groups, 3) == BitPlace{233, 3}));
    EXPECT_EQ(patternOffset(Channel::F1, CallFamily::Calls, 7), 144 + 28);
    EXPECT_EQ(patternOffset(Channel::F1, CallFamily::Groups, 1), 180);
    EXPECT_EQ(patternOffset(Channel::F2, CallFamily::Calls, 0), 288);
    EXPECT_EQ(patternOffset(Channel::F2, CallFamily::Groups, 3), 332);
    EXPECT_EQ(attributeOffset(Channel::F1, CallFamily::Calls, 1), 434);
    EXPECT_EQ(alertTimeOffset(Channel::F1, CallFamily::Calls, 1), 435);
    EXPECT_EQ(attributeOffset(Channel::F1, CallFamily::Groups, 3), 454);
    EXPECT_EQ(attributeOffset(Channel::F2, CallFamily::Calls, 7), 478);
    EXPECT_EQ(alertTimeOffset(Channel::F2, CallFamily::Groups, 0), 481);
}

TEST(CallLayout, SwitchBits) {
    struct Case {
        Channel channel;
        CallFamily family;
        int row, sw;
        BitPlace place;
    };
    const Case cases[] = {
        {Channel::F1, CallFamily::Calls, 3, 0, {90, 3}},
        {Channel::F1, CallFamily::Calls, 7, 3, {93, 7}},
        {Channel::F2, CallFamily::Calls, 0, 1, {235, 0}},
        {Channel::F1, CallFamily::Groups, 0, 0, {94, 0}},
        {Channel::F1, CallFamily::Groups, 2, 1, {94, 6}},
        {Channel::F1, CallFamily::Groups, 3, 2, {95, 3}},
        {Channel::F1, CallFamily::Groups, 1, 3, {95, 5}}, // group call 2, SW-D
        {Channel::F2, CallFamily::Groups, 1, 3, {239, 5}},
        {Channel::F2, CallFamily::Groups, 3, 1, {238, 7}},
    };
    for (const auto& c : cases) {
        const BitPlace place = switchBit(c.channel, c.family, c.row, c.sw);
        EXPECT_EQ(place.offset, c.place.offset) << c.row << c.sw;
        EXPECT_EQ(place.bit, c.place.bit) << c.row << c.sw;
    }
    EXPECT_TRUE((dutyDisableBit(Channel::F1, 0) == BitPlace{365, 0}));
    EXPECT_TRUE((dutyDisableBit(Channel::F2, 1) == BitPlace{365, 5}));
    EXPECT_TRUE((dutyDisableBit(Channel::F2, 3) == BitPlace{365, 7}));
}

TEST(CallLayout, ToneFields) {
    struct Case {
        Channel channel;
        ToneKind kind;
        int row, tone, code, cache;
    };
    const Case cases[] = {
        {Channel::F1, ToneKind::Tone1, 0, 96, 48, 0},
        {Channel::F1, ToneKind::Tone2, 0, 98, 50, 8},
        {Channel::F1, ToneKind::Tone1, 7, 124, 76, 7},
        {Channel::F1, ToneKind::Group, 3, 134, 86, 19},
        {Channel::F2, ToneKind::Tone1, 2, 248, 200, 2},
        {Channel::F2, ToneKind::Tone2, 7, 270, 222, 15},
        {Channel::F2, ToneKind::Group, 0, 272, 224, 16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toneOffset(c.channel, c.kind, c.row), c.tone);
        EXPECT_EQ(toneCodeOffset(c.channel, c.kind, c.row), c.code);
        EXPECT_EQ(toneCacheIndex(c.kind, c.row), c.cache);
    }
}

} // namespace
