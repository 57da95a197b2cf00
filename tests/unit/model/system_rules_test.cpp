#include "entry_keys.h"
#include "pager_fields.h"
#include "setting_keys.h"
#include "system_rules.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(VoltageCodes, TypedVoltsBecomeCodesAndShowAgain) {
    struct Case {
        int hundredths;
        int code;
        const char* shown;
    };
    const Case cases[] = {
        {15, 12, "0.14"}, {20, 17, "0.20"},  {60, 51, "0.60"},   {75, 64, "0.75"},
        {95, 81, "0.95"}, {100, 85, "1.00"}, {255, 217, "2.54"}, {0, 0, "0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(voltageCodeOf(c.hundredths), c.code) << c.hundredths;
        EXPECT_EQ(voltageText(static_cast<std::uint8_t>(c.code)), QString::fromLatin1(c.shown))
            << c.code;
    }
}

TEST(VoltageCodes, HalfHundredthsRoundUp) {
    EXPECT_EQ(voltageText(32), QStringLiteral("0.38"));
    EXPECT_EQ(voltageText(96), QStringLiteral("1.13"));
    EXPECT_EQ(voltageText(160), QStringLiteral("1.88"));
    EXPECT_EQ(voltageText(224), QStringLiteral("2.63"));
    EXPECT_EQ(voltageText(255), QStringLiteral("2.99"));
}

TEST(DecoderReset, WorksOnAHalfSecondGrid) {
    using Outcome = DecoderResetEntry::Outcome;
    struct Case {
        const char* typed;
        Outcome outcome;
        const char* shown;
        int byte;
    };
    const Case cases[] = {
        {"30", Outcome::Accepted, "30.0", 60},
        {"0", Outcome::Accepted, "0.0", 0},
        {"127.5", Outcome::Accepted, "127.5", 255},
        {"30.5", Outcome::Accepted, "30.5", 61},
        {"30.46", Outcome::Accepted, "30.5", 61},
        {"30.3", Outcome::BadInterval, "", 0},
        {"128", Outcome::OutOfRange, "128", 0},
        {"abc", Outcome::OutOfRange, "abc", 0},
        {"99999999999999999999999", Outcome::OutOfRange, "99999999999999999999999", 0},
        {"", Outcome::Empty, "", 0},
    };
    for (const auto& c : cases) {
        const DecoderResetEntry e = checkDecoderReset(QString::fromLatin1(c.typed));
        EXPECT_EQ(e.outcome, c.outcome) << c.typed;
        EXPECT_EQ(e.shownText, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(e.byte, c.byte) << c.typed;
    }
    EXPECT_EQ(decoderResetText(61), QStringLiteral("30.5"));
}

TEST(WholeNumbers, OnlyDigitsWithinTheRange) {
    EXPECT_EQ(wholeNumberIn(QStringLiteral("255"), 0, 255), 255);
    EXPECT_EQ(wholeNumberIn(QStringLiteral("1"), 1, 255), 1);
    EXPECT_EQ(wholeNumberIn(QStringLiteral("65535"), 0, 65535), 65535);
    for (const char* bad : {"256", "0", "-1", "1.5", "12a", "+3", "", "123456789012345678901234"})
        EXPECT_FALSE(wholeNumberIn(QString::fromLatin1(bad), 1, 255)) << bad;
}

TEST(PriorityScan, TheCycleStaysBelowThirtySeconds) {
    EXPECT_TRUE(priorityScanFits(119, 25));  // 29750 ms
    EXPECT_FALSE(priorityScanFits(120, 25)); // 30000 ms
    EXPECT_FALSE(priorityScanFits(12, 255)); // 30600 ms
    EXPECT_TRUE(priorityScanFits(255, 0));
}

TEST(ToneTiming, RowsAndTheTone2Copies) {
    EXPECT_EQ(toneDurationOffset(0), 371);
    EXPECT_EQ(toneDurationOffset(1), 375);
    EXPECT_EQ(toneDurationOffset(2), 379);
    EXPECT_EQ(toneLimitOffset(0), 369);
    EXPECT_EQ(toneLimitOffset(1), 373);
    EXPECT_EQ(tone2DurationCopyOffset(ToneSystem::Standard), 411);
    EXPECT_EQ(tone2DurationCopyOffset(ToneSystem::User), 411);
    EXPECT_EQ(tone2DurationCopyOffset(ToneSystem::Plectron), 412);
}

TEST(VoltageFields, RangeAndOrderInEachFieldsOwnOrder) {
    using Outcome = VoltageEntry::Outcome;
    const QString wbOrder = voltageOrderMessage(VoltageGroup::Wb);
    const QString nbOrder = voltageOrderMessage(VoltageGroup::Nb);
    const VoltageGroupShown state{95, 60, 20};
    struct Case {
        VoltageGroup group;
        VoltageRole role;
        const char* typed;
        Outcome outcome;
        QString message;
        const char* shown;
        int code;
    };
    using G = VoltageGroup;
    using R = VoltageRole;
    const Case cases[] = {
        {G::Wb, R::SpeakerOn, "0.95", Outcome::Accepted, {}, "0.95", 81},
        {G::Wb, R::SpeakerOn, ".5", Outcome::Refused, wbOrder, "0.50", 0},
        {G::Wb, R::SpeakerOn, "2.6", Outcome::Refused, kSpeakerRangeMessage, "2.60", 0},
        {G::Wb, R::SpeakerOff, "3", Outcome::Refused, wbOrder, "3.00", 0},
        {G::Nb, R::SpeakerOff, "3", Outcome::Refused, kSpeakerRangeMessage, "3.00", 0},
        {G::Nb, R::SpeakerOff, "0.1", Outcome::Refused, nbOrder, "0.10", 0},
        {G::Wb, R::Rssi, "1.01", Outcome::Refused, kRssiRangeMessage, "1.01", 0},
        {G::Wb, R::Rssi, "0.6", Outcome::Accepted, {}, "0.60", 51},
        {G::Nb, R::Rssi, "0.7", Outcome::Refused, nbOrder, "0.70", 0},
        {G::Wb, R::SpeakerOn, "abc", Outcome::Refused, kSpeakerRangeMessage, "abc", 0},
        {G::Wb, R::Rssi, "", Outcome::Empty, {}, "", 0},
    };
    for (const auto& c : cases) {
        const VoltageEntry e = checkVoltage(c.group, c.role, QString::fromLatin1(c.typed), state);
        EXPECT_EQ(e.outcome, c.outcome) << c.typed;
        EXPECT_EQ(e.message, c.message) << c.typed;
        EXPECT_EQ(e.shownText, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(e.code, c.code) << c.typed;
    }
}

TEST(VoltageFields, SquelchLevelOfTheRssiShown) {
    EXPECT_EQ(squelchLevelOfSpeakerOn(96), 0);
    EXPECT_EQ(squelchLevelOfSpeakerOn(93), 2);
    EXPECT_EQ(squelchLevelOfSpeakerOn(91), 4);
    EXPECT_EQ(squelchLevelOfSpeakerOn(20), -1);
}

TEST(AuxDb, BitsThreeAndFourOnly) {
    EXPECT_EQ(auxDbPositionOf(0b0001'1000), 3);
    EXPECT_EQ(auxDbPositionOf(0b1110'0111), 0);
    EXPECT_EQ(auxFlagsWithAuxDb(0xFF, 1), 0b1110'1111);
    EXPECT_EQ(auxFlagsWithAuxDb(0x00, 2), 0b0001'0000);
}

TEST(SettingKeys, TwoDecimalFieldsTakeTwoDecimals) {
    EXPECT_TRUE(twoDecimalKeyPasses(QStringLiteral("0.9"), u'5'));
    EXPECT_FALSE(twoDecimalKeyPasses(QStringLiteral("0.95"), u'1'));
    EXPECT_TRUE(twoDecimalKeyPasses(QStringLiteral("0.95"), kBackspaceKey));
    EXPECT_FALSE(twoDecimalKeyPasses(QString(), u'.'));
    EXPECT_TRUE(twoDecimalKeyPasses(QStringLiteral("1"), u'.'));
}

} // namespace
