#include "alert_time.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;
using Outcome = AlertTimeEntry::Outcome;

TEST(AlertTime, FixedEntries) {
    struct Case {
        const char* typed;
        Outcome outcome;
        const char* shown;
        int byte;
    };
    const Case cases[] = {
        {"1.0", Outcome::Accepted, "1.0", 2},    {"7.5", Outcome::Accepted, "7.5", 15},
        {"2.5", Outcome::Accepted, "2.5", 5},    {"120", Outcome::Accepted, "120.0", 240},
        {"0.5", Outcome::Accepted, "0.5", 1},    {"7", Outcome::Accepted, "7.0", 14},
        {"7.", Outcome::Accepted, "7.0", 14},    {"7.3", Outcome::BadInterval, "7.3", 0},
        {"2.3", Outcome::BadInterval, "2.3", 0}, {"0.4", Outcome::OutOfRange, "0.4", 0},
        {"121", Outcome::OutOfRange, "121", 0},  {"120.5", Outcome::OutOfRange, "120.5", 0},
        {"0", Outcome::OutOfRange, "0", 0},      {"", Outcome::Empty, "", 0},
        {"  ", Outcome::Empty, "", 0},           {"abc", Outcome::OutOfRange, "abc", 0},
    };
    for (const auto& c : cases) {
        const auto entry = checkAlertTime(QString::fromLatin1(c.typed), true);
        EXPECT_EQ(entry.outcome, c.outcome) << c.typed;
        if (c.outcome != Outcome::Empty) {
            EXPECT_EQ(entry.shownText, QString::fromLatin1(c.shown)) << c.typed;
        }
        EXPECT_EQ(entry.byte, c.byte) << c.typed;
    }
}

TEST(AlertTime, PastedDecimalsAreJudgedAsTheFieldShowsThem) {
    // "9.45" shows as 9.4, no half second, although 9.45 x 10 rounds to 95.
    const auto refused = checkAlertTime("9.45", true);
    EXPECT_EQ(refused.outcome, Outcome::BadInterval);
    EXPECT_EQ(refused.shownText, "9.4");
    const auto accepted = checkAlertTime("9.46", true);
    EXPECT_EQ(accepted.outcome, Outcome::Accepted);
    EXPECT_EQ(accepted.shownText, "9.5");
    EXPECT_EQ(accepted.byte, 19);
}

TEST(AlertTime, StandardTimeFieldStoresZero) {
    const auto entry = checkAlertTime("0", false);
    EXPECT_EQ(entry.outcome, Outcome::Accepted);
    EXPECT_EQ(entry.byte, 0);
    EXPECT_EQ(checkAlertTime("300", false).outcome, Outcome::OutOfRange) << "never wraps a byte";
}

TEST(AlertTime, Messages) {
    EXPECT_EQ(kAlertTimeRangeMessage, "Please insert a number between 0.5 to 120.0");
    EXPECT_EQ(kAlertTimeIntervalMessage, "The interval is 0.5 second.");
}

TEST(AlertTime, ShownFromByte) {
    EXPECT_EQ(alertTimeText(2), "1.0");
    EXPECT_EQ(alertTimeText(15), "7.5");
    EXPECT_EQ(alertTimeText(240), "120.0");
    EXPECT_EQ(alertTimeText(255), "127.5");
}

} // namespace
