#include "alert_tonality.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(AlertTonality, TimerOfEveryPrescalerBand) {
    struct Case {
        int hz;
        int divisor;
        int code;
        int reload;
    };
    const Case cases[] = {
        {150, 128, 5, 103}, {200, 128, 5, 77}, {249, 128, 5, 61}, {250, 64, 4, 124},
        {499, 64, 4, 61},   {500, 32, 3, 124}, {999, 32, 3, 61},  {1000, 16, 0, 124},
        {1700, 16, 0, 72},  {3999, 16, 0, 30}, {4000, 2, 2, 249}, {6000, 2, 2, 165},
    };
    for (const auto& c : cases) {
        const auto timer = tonalityTimerOf(c.hz);
        ASSERT_TRUE(timer) << c.hz;
        EXPECT_EQ(timer->divisor, c.divisor) << c.hz;
        EXPECT_EQ(timer->code, c.code) << c.hz;
        EXPECT_EQ(timer->reload, c.reload) << c.hz;
    }
    for (int outside : {0, 149, 6001, 65535})
        EXPECT_FALSE(tonalityTimerOf(outside)) << outside;
}

TEST(AlertTonality, TypedEntries) {
    using Outcome = TonalityEntry::Outcome;
    struct Case {
        const char* typed;
        Outcome outcome;
        const char* shown;
        int hz;
    };
    const Case cases[] = {
        {"0.25", Outcome::Accepted, "0.250", 250},
        {"1.7", Outcome::Accepted, "1.700", 1700},
        {"0.150", Outcome::Accepted, "0.150", 150},
        {"6", Outcome::Accepted, "6.000", 6000},
        {"2.0004", Outcome::Accepted, "2.000", 2000},
        {"0.1", Outcome::OutOfRange, "0.100", 0},
        {"6.001", Outcome::OutOfRange, "6.001", 0},
        {"0.1496", Outcome::Accepted, "0.150", 150},
        {"abc", Outcome::OutOfRange, "abc", 0},
        {"inf", Outcome::OutOfRange, "inf", 0},
        {"", Outcome::Empty, "", 0},
        {"  ", Outcome::Empty, "", 0},
    };
    for (const auto& c : cases) {
        const TonalityEntry entry = checkTonality(QString::fromLatin1(c.typed));
        EXPECT_EQ(entry.outcome, c.outcome) << c.typed;
        EXPECT_EQ(entry.shownText, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(entry.hz, c.hz) << c.typed;
    }
    EXPECT_EQ(tonalityText(200), QStringLiteral("0.200"));
    EXPECT_EQ(tonalityText(6000), QStringLiteral("6.000"));
}

} // namespace
