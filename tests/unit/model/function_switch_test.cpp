#include "function_switch.h"
#include "function_switch_defaults.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(FunctionSwitch, TwoChannelModesEncodeReadBackAndKeepTheUpperBits) {
    struct Case {
        int position;
        int bits;
        bool pushToListen;
    };
    const Case cases[] = {
        {0, 0x00, false}, {1, 0x04, false}, {2, 0x01, true}, {3, 0x05, true},
        {4, 0x02, false}, {5, 0x12, false}, {6, 0x0A, true},
    };
    for (const auto& c : cases) {
        for (std::uint8_t upper : {0x00, 0xE0, 0x40}) {
            const std::uint8_t byte = withTwoChannelMode(upper | 0x1F, c.position);
            EXPECT_EQ(byte, upper | c.bits) << c.position;
            EXPECT_EQ(twoChannelModeOf(byte), c.position) << c.position;
        }
        EXPECT_EQ(twoChannelModeAllowsPushToListen(c.position), c.pushToListen) << c.position;
    }
    // a position outside the list writes monitor F1
    EXPECT_EQ(withTwoChannelMode(0xFF, -1), 0xE0);
    EXPECT_EQ(withTwoChannelMode(0xFF, 7), 0xE0);
    EXPECT_FALSE(twoChannelModeAllowsPushToListen(-1));
}

TEST(FunctionSwitch, ModesTheListsCannotShowLeaveThemAlone) {
    // class 3, and a scan of kind 3
    EXPECT_EQ(twoChannelModeOf(0x03), std::nullopt);
    EXPECT_EQ(twoChannelModeOf(0x1A), std::nullopt);
    // the channel bit of a scan is not looked at
    EXPECT_EQ(twoChannelModeOf(0x06), 4);
    // one channel: monitor and selective call (whatever their channel bit), nothing else
    EXPECT_EQ(oneChannelModeOf(0x44), 0);
    EXPECT_EQ(oneChannelModeOf(0x25), 1);
    EXPECT_EQ(oneChannelModeOf(0x22), std::nullopt);
    EXPECT_EQ(oneChannelModeOf(0x03), std::nullopt);
}

TEST(FunctionSwitch, OneChannelModes) {
    EXPECT_EQ(withOneChannelMode(0xDF, 0), 0xC0);
    EXPECT_EQ(withOneChannelMode(0x52, 1), 0x41);
    EXPECT_FALSE(oneChannelModeAllowsPushToListen(0));
    EXPECT_TRUE(oneChannelModeAllowsPushToListen(1));
}

TEST(FunctionSwitch, AlertTypeAndPushToListen) {
    struct Case {
        int position;
        int bits;
    };
    for (const Case& c : {Case{0, 0x20}, Case{1, 0x40}, Case{2, 0x60}}) {
        const std::uint8_t byte = withAlertType(0x9F, c.position);
        EXPECT_EQ(byte, 0x9F | c.bits) << c.position;
        EXPECT_EQ(alertTypePositionOf(byte), c.position);
    }
    // no selection stores type 0, which shows nothing
    EXPECT_EQ(withAlertType(0xFF, -1), 0x9F);
    EXPECT_EQ(alertTypePositionOf(0x9F), std::nullopt);

    EXPECT_EQ(withPushToListen(0x25, true), 0xA5);
    EXPECT_EQ(withPushToListen(0xA5, false), 0x25);
    EXPECT_TRUE(pushToListenOf(0x80));
    EXPECT_FALSE(pushToListenOf(0x7F));
}

TEST(FunctionSwitch, FactoryBytesShowTheRememberedPositions) {
    for (bool oneChannel : {false, true}) {
        const auto& defaults = functionSwitchDefaults(oneChannel);
        for (int sw = 0; sw < kFunctionSwitchCount; ++sw) {
            const std::uint8_t byte = defaults.bytes[static_cast<std::size_t>(sw)];
            EXPECT_EQ(oneChannel ? oneChannelModeOf(byte) : twoChannelModeOf(byte),
                      defaults.modePositions[static_cast<std::size_t>(sw)])
                << oneChannel << " SW " << sw;
        }
    }
}

} // namespace
