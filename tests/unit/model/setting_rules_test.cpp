#include "setting_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(ResetControl, EveryPositionStoresItsMethodAndReadsBackToItself) {
    struct Case {
        int position;
        int mode;
        bool untilPressFlag;
        bool delayShown;
    };
    const Case cases[] = {
        {0, 0, true, false},  {1, 1, true, true}, {2, 2, true, false}, {3, 3, true, false},
        {4, 3, false, false}, {5, 4, true, true}, {6, 5, true, true},
    };
    for (const auto& c : cases) {
        const auto choice = resetChoiceOfPosition(c.position);
        ASSERT_TRUE(choice) << c.position;
        EXPECT_EQ(choice->mode, c.mode) << c.position;
        EXPECT_EQ(choice->untilPressFlag, c.untilPressFlag) << c.position;
        EXPECT_EQ(resetModeUsesDelay(choice->mode), c.delayShown) << c.position;
        EXPECT_EQ(resetPositionOf(choice->mode, choice->untilPressFlag), c.position);
    }
    EXPECT_FALSE(resetChoiceOfPosition(-1));
    EXPECT_FALSE(resetChoiceOfPosition(7));
}

TEST(ResetControl, ShowingStoredMethods) {
    struct Case {
        int mode;
        bool flag;
        int position;
    };
    const Case cases[] = {
        // the flag only matters to Manual RESET
        {0, false, 0},
        {2, false, 2},
        {3, true, 3},
        {3, false, 4},
        {4, false, 5},
        {5, true, 6},
        // methods the list does not know select nothing
        {6, true, -1},
        {255, true, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(resetPositionOf(static_cast<std::uint8_t>(c.mode), c.flag), c.position)
            << c.mode << "/" << c.flag;
}

TEST(DelayTime, EntriesOnTheHalfSecondGrid) {
    using Outcome = DelayEntry::Outcome;
    struct Case {
        const char* typed;
        Outcome outcome;
        const char* shown;
        int byte;
    };
    const Case cases[] = {
        {"2.5", Outcome::Accepted, "2.5", 5},
        {"127.5", Outcome::Accepted, "127.5", 255},
        {"1", Outcome::Accepted, "1.0", 2},
        {"8.", Outcome::Accepted, "8.0", 16},
        {"2.3", Outcome::BadInterval, "", 0},
        {"1.7", Outcome::BadInterval, "", 0},
        {"128", Outcome::OutOfRange, "128", 0},
        {"127.6", Outcome::OutOfRange, "127.6", 0},
        {"0.5", Outcome::OutOfRange, "0.5", 0},
        {"0", Outcome::OutOfRange, "0", 0},
        {"abc", Outcome::OutOfRange, "abc", 0},
        {"nan", Outcome::OutOfRange, "nan", 0},
        {"", Outcome::Empty, "", 0},
        {" ", Outcome::Empty, "", 0},
    };
    for (const auto& c : cases) {
        const DelayEntry entry = checkDelay(QString::fromLatin1(c.typed));
        EXPECT_EQ(entry.outcome, c.outcome) << c.typed;
        EXPECT_EQ(entry.shownText, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(entry.byte, c.byte) << c.typed;
    }
    EXPECT_EQ(delayText(16), QStringLiteral("8.0"));
    EXPECT_EQ(delayText(255), QStringLiteral("127.5"));
}

TEST(Reminder, BandsAndStoredValues) {
    struct Case {
        int stored;
        int position;
        int rewritten;
    };
    const Case cases[] = {{0, 0, 0},     {1, 1, 60},    {45, 1, 60},   {89, 1, 60},
                          {90, 2, 120},  {100, 2, 120}, {179, 2, 120}, {180, 3, 240},
                          {240, 3, 240}, {255, 3, 240}};
    for (const auto& c : cases) {
        const int position = reminderPositionOf(static_cast<std::uint8_t>(c.stored));
        EXPECT_EQ(position, c.position) << c.stored;
        EXPECT_EQ(reminderByteOfPosition(position), c.rewritten) << c.stored;
    }
}

TEST(CarrierOffDelay, WholeNumbersUpTo255) {
    EXPECT_EQ(byteOfTypedNumber(QStringLiteral("0")), 0);
    EXPECT_EQ(byteOfTypedNumber(QStringLiteral("255")), 255);
    for (const char* refused : {"256", "-1", "", "1.5", "abc", "99999999999"})
        EXPECT_FALSE(byteOfTypedNumber(QString::fromLatin1(refused))) << refused;
}

TEST(PriorityScanPeriod, CountsFromPeriodAndBatterySave2) {
    struct Case {
        int position;
        int batterySave2;
        std::optional<int> count;
    };
    const Case cases[] = {
        {0, 25, 2},
        {1, 25, 4},
        {2, 25, 8},
        // 500 ms over 2550 ms is 0: at least one cycle
        {0, 255, 1},
        {1, 255, 1},
        {2, 1, 200},
        // without a cycle length there is nothing to count: the stored count stays
        {0, 0, std::nullopt},
        {-1, 25, std::nullopt},
        {3, 25, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto count =
            priorityScanCountOf(c.position, static_cast<std::uint8_t>(c.batterySave2));
        EXPECT_EQ(count.has_value(), c.count.has_value()) << c.position << "/" << c.batterySave2;
        if (count && c.count) {
            EXPECT_EQ(*count, *c.count) << c.position << "/" << c.batterySave2;
        }
    }
}

TEST(PriorityScanPeriod, PositionShownForAStoredCount) {
    struct Case {
        int count;
        int batterySave2;
        int position;
    };
    const Case cases[] = {{2, 25, 0},  {4, 25, 1},   {8, 25, 2}, {12, 25, -1},
                          {1, 255, 2}, {4, 255, -1}, {7, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(periodPositionOf(static_cast<std::uint8_t>(c.count),
                                   static_cast<std::uint8_t>(c.batterySave2)),
                  c.position)
            << c.count << "/" << c.batterySave2;
}

} // namespace

namespace {

TEST(OneChannel, EitherMarkOrFirmwareFiveMakesASingleChannelPager) {
    struct Case {
        int mark;
        int mark2;
        int firmware;
        bool oneChannel;
    };
    const Case cases[] = {{255, 255, 0, false},   {254, 255, 0, true},   {255, 254, 0, true},
                          {255, 255, 499, false}, {255, 255, 500, true}, {0, 0, 220, false}};
    for (const auto& c : cases)
        EXPECT_EQ(kz::isOneChannelPager(static_cast<std::uint8_t>(c.mark),
                                        static_cast<std::uint8_t>(c.mark2), c.firmware),
                  c.oneChannel)
            << c.mark << "/" << c.mark2 << "/" << c.firmware;
}

TEST(OneChannel, APagersHeaderAloneSaysSingleChannelByItsMarkOrFirmwareFive) {
    struct Case {
        int mark;
        int firmware;
        bool single;
    };
    const Case cases[] = {{254, 220, true},  {255, 500, true}, {255, 499, false},
                          {255, 220, false}, {0, 0, false},    {254, 520, true}};
    for (const auto& c : cases)
        EXPECT_EQ(kz::isSingleChannelHeader(static_cast<std::uint8_t>(c.mark), c.firmware),
                  c.single)
            << c.mark << "/" << c.firmware;
}

} // namespace
