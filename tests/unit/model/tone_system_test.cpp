#include "tone_system.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(ToneSystem, ByteMapping) {
    EXPECT_EQ(toneSystemOfByte(255), ToneSystem::Standard);
    EXPECT_EQ(toneSystemOfByte(254), ToneSystem::User);
    EXPECT_EQ(toneSystemOfByte(253), ToneSystem::Plectron);
    for (int other : {0, 1, 100, 252})
        EXPECT_EQ(toneSystemOfByte(static_cast<std::uint8_t>(other)), ToneSystem::Standard);
    for (auto system : {ToneSystem::Standard, ToneSystem::User, ToneSystem::Plectron})
        EXPECT_EQ(toneSystemOfByte(byteOfToneSystem(system)), system);
    EXPECT_EQ(byteOfToneSystem(ToneSystem::Plectron), 253);
}

TEST(ToneSystem, RangesAcceptBothEnds) {
    struct Case {
        ToneSystem system;
        int low, high;
        const char* message;
    };
    const Case cases[] = {
        {ToneSystem::Standard, 2885, 24682, "Please insert a number between 288.5 to 2468.2"},
        {ToneSystem::User, 2800, 35000, "Please insert a number between 280 to 3500.0"},
        {ToneSystem::Plectron, 2822, 34870, "Please insert a number between 282.2 to 3487.0"},
    };
    for (const auto& c : cases) {
        const ToneRange range = acceptedToneRange(c.system);
        EXPECT_EQ(range.message, QString::fromLatin1(c.message));
        EXPECT_TRUE(range.contains(c.low));
        EXPECT_TRUE(range.contains(c.high));
        EXPECT_FALSE(range.contains(c.low - 1));
        EXPECT_FALSE(range.contains(c.high + 1));
    }
}

TEST(ToneText, ParseRoundsToOneDecimalAndFormats) {
    struct Case {
        const char* typed;
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"1285.7", "1285.7", 12857},
        {"1285", "1285.0", 12850},
        {"1285.", "1285.0", 12850},
        {"5", "05.0", 50},
        {"0", "00.0", 0},
        {"3500.0", "3500.0", 35000},
        {"288.46", "288.5", 2885},
        {"100000", "100000.0", 1000000},
    };
    for (const auto& c : cases) {
        const auto parsed = parseToneText(QString::fromLatin1(c.typed));
        ASSERT_TRUE(parsed.has_value()) << c.typed;
        EXPECT_EQ(parsed->text, QString::fromLatin1(c.text)) << c.typed;
        EXPECT_EQ(parsed->value, c.value) << c.typed;
    }
    // an over-long entry is not wrapped into 16 bits: it stays out of every range
    EXPECT_FALSE(acceptedToneRange(ToneSystem::User).contains(parseToneText("100000")->value));
}

TEST(ToneText, NotANumberIsRefused) {
    for (const char* text : {"", ".", "abc", "12a", "inf", "nan", "1e300"})
        EXPECT_FALSE(parseToneText(QString::fromLatin1(text)).has_value()) << text;
}

TEST(ToneText, StoredValueShownWithOneDecimal) {
    EXPECT_EQ(toneText(12858), "1285.8");
    EXPECT_EQ(toneText(8790), "879.0");
    EXPECT_EQ(toneText(0), "00.0");
    EXPECT_EQ(toneText(35000), "3500.0");
}

TEST(NearestTone, Standard) {
    const std::pair<int, int> cases[] = {
        {12857, 12858}, // 1285.7 -> 1285.8
        {7674, 7674},   // listed twice, stays
        {24346, 24682}, // halfway between 2401.0 and 2468.2 takes the higher one
        {2885, 2885},   {24682, 24682}, {10000, 10069}, {8320, 8325},
    };
    for (auto [typed, snapped] : cases)
        EXPECT_EQ(nearestTone(ToneSystem::Standard, typed), snapped) << typed;
}

TEST(NearestTone, Plectron) {
    EXPECT_EQ(nearestTone(ToneSystem::Plectron, 34000), 33390); // 61.0 Hz against 87.0 Hz
    EXPECT_EQ(nearestTone(ToneSystem::Plectron, 2822), 2822);
    EXPECT_EQ(nearestTone(ToneSystem::Plectron, 10000), 9920);
    EXPECT_EQ(nearestTone(ToneSystem::Plectron, 10140), 10360); // halfway 9920/10360 goes up
    EXPECT_EQ(nearestTone(ToneSystem::Plectron, 34870), 34870);
}

TEST(NearestTone, UserKeepsTheTone) {
    EXPECT_EQ(nearestTone(ToneSystem::User, 12857), 12857);
    EXPECT_EQ(nearestTone(ToneSystem::User, 35000), 35000);
}

} // namespace
