#include "synthesizer.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using namespace kz;

TEST(Synthesizer, WordsOfFrequencyAndStep) {
    struct Case {
        const char* text;
        int stepHz;
        BandClass band;
        int multiplier;
        std::uint32_t r;
        std::uint32_t n;
    };
    const Case cases[] = {
        {"1520000", 12500, BandClass::Vhf, 1, 0x00010011, 0x00146800}, // d = 10448
        {"1620000", 12500, BandClass::Vhf, 1, 0x00010011, 0x0015F800},
        {"0400000", 12500, BandClass::Low, 1, 0x00010011, 0x00099800},   // d = 4912, IF added
        {"4500000", 12500, BandClass::Other, 2, 0x00010011, 0x00217C00}, // d = 17144, halved
        {"1520025", 2500, BandClass::Vhf, 1, 0x00050011, 0x00660880},
        {"1520000", 6250, BandClass::Vhf, 1, 0x00020011, 2 * 0x00146800},
        // band edges: 33 and 51 MHz are low band, 100 and 200 MHz the VHF band
        {"0330000", 12500, BandClass::Low, 1, 0x00010011,
         ((54400000 / 12500) / 32) * 4096 + ((54400000 / 12500) % 32) * 128},
        {"0510000", 12500, BandClass::Low, 1, 0x00010011,
         ((72400000 / 12500) / 32) * 4096 + ((72400000 / 12500) % 32) * 128},
        {"0510001", 12500, BandClass::Other, 2, 0x00010011, 0x00025000}, // d = 1184 (truncated)
        {"0999999", 12500, BandClass::Other, 2, 0x00010011,
         ((78599900 / 2 / 12500) / 32) * 4096 + ((78599900 / 2 / 12500) % 32) * 128},
        {"1000000", 12500, BandClass::Vhf, 1, 0x00010011, 0x000C4800},
        {"2000000", 12500, BandClass::Vhf, 1, 0x00010011,
         ((178600000 / 12500) / 32) * 4096 + ((178600000 / 12500) % 32) * 128},
        {"2000001", 12500, BandClass::Other, 2, 0x00010011,
         ((178600100 / 2 / 12500) / 32) * 4096 + ((178600100 / 2 / 12500) % 32) * 128},
    };
    for (const auto& c : cases) {
        const SynthesizerWords w = synthesizerWords(QString::fromLatin1(c.text), c.stepHz);
        EXPECT_EQ(w.band, c.band) << c.text;
        EXPECT_EQ(w.multiplier, c.multiplier) << c.text;
        EXPECT_EQ(w.r, c.r) << c.text;
        EXPECT_EQ(w.n, c.n) << c.text << " " << std::hex << w.n;
    }
}

TEST(Synthesizer, BelowTheIntermediateFrequencyWrapsUnsigned) {
    // A stored 0 Hz is shown as it is: the words come out of unsigned arithmetic, no failure.
    const std::uint32_t d = (0u - kIntermediateHz) / 2 / 12500;
    EXPECT_EQ(synthesizerWords(QStringLiteral("0000000"), 12500).n,
              (d / 32) * 4096 + (d % 32) * 128);
    EXPECT_EQ(synthesizerWords(QStringLiteral("abc"), 12500).n, (d / 32) * 4096 + (d % 32) * 128);
}

TEST(FrequencyText, DigitsOnly) {
    EXPECT_EQ(frequencyHzOfText(QStringLiteral("1520000")), 152000000u);
    EXPECT_EQ(frequencyHzOfText(QStringLiteral(" 0330000 ")), 33000000u);
    EXPECT_EQ(frequencyHzOfText(QStringLiteral("15")), 1500u);
    EXPECT_FALSE(frequencyHzOfText(QString()));
    EXPECT_FALSE(frequencyHzOfText(QStringLiteral("   ")));
    EXPECT_FALSE(frequencyHzOfText(QStringLiteral("152.000")));
    EXPECT_FALSE(frequencyHzOfText(QStringLiteral("-152000")));
    EXPECT_FALSE(frequencyHzOfText(QStringLiteral("15 2000")));
    EXPECT_FALSE(frequencyHzOfText(QString(QChar(0x0663)))); // Arabic-Indic three
    EXPECT_EQ(frequencyTextOf(40000000), QStringLiteral("0400000"));
    EXPECT_EQ(frequencyTextOf(152002500), QStringLiteral("1520025"));
}

TEST(FrequencyText, StoredDigitsAndWords) {
    struct Case {
        std::array<std::uint8_t, kFrequencyDigits> digits;
        const char* text;
    };
    const Case cases[] = {
        {{1, 5, 2, 0, 0, 0, 0}, "1520000"},
        {{0, 3, 3, 0, 0, 0, 0}, "0330000"}, // leading zero kept: seven digits always
        {{0, 0, 0, 0, 0, 0, 0}, "0000000"},
        {{1, 5, 2, 0, 0, 0, 12}, "1520012"}, // a byte above 9 adds its value, no carry lost
        {{255, 255, 255, 255, 255, 255, 255}, "283333305"}, // erased: wider than seven
    };
    for (const Case& c : cases)
        EXPECT_EQ(frequencyTextOfDigits(c.digits), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(synthesizerWordText(0x00050011), QStringLiteral("00050011"));
    EXPECT_EQ(synthesizerWordText(0xABCDEF01), QStringLiteral("ABCDEF01"));
}

TEST(FrequencyText, KeyFilterPassesDigitsAndBackspace) {
    for (QChar c : QStringLiteral("0123456789\b"))
        EXPECT_TRUE(frequencyKeyPasses(c)) << int(c.unicode());
    for (QChar c : QStringLiteral(".-+ aZ,"))
        EXPECT_FALSE(frequencyKeyPasses(c)) << int(c.unicode());
    EXPECT_FALSE(frequencyKeyPasses(QChar(0x0663)));
}

TEST(ChannelStep, ListPositionsAndCodes) {
    struct Case {
        std::uint8_t code;
        int position;
    };
    const Case cases[] = {{0x00, -1}, {0x1F, -1}, {0x20, 0}, {0x21, 1}, {0x22, 2},
                          {0x23, 3},  {0x24, 3},  {0x25, 3}, {0xFF, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(positionOfStepCode(c.code), c.position) << int(c.code);
    const std::uint32_t rWords[] = {0x00050011, 0x00020011, 0x00010011};
    for (int position = 0; position < 3; ++position) {
        EXPECT_EQ(stepCodeOfPosition(position), 0x20 + position);
        EXPECT_EQ(rWordOf(*stepHzOfPosition(position)), rWords[position]);
    }
    EXPECT_FALSE(stepHzOfPosition(kAutoStepPosition));
    EXPECT_FALSE(stepHzOfPosition(-1));
}

TEST(ChannelStep, ForcedNarrowStepByRWordText) {
    EXPECT_TRUE(rWordForcesNarrowStep(0x00020B00));
    EXPECT_TRUE(rWordForcesNarrowStep(0x00020BFF));
    EXPECT_FALSE(rWordForcesNarrowStep(0x00020AFF));
    EXPECT_FALSE(rWordForcesNarrowStep(0x00020C00));
    EXPECT_FALSE(rWordForcesNarrowStep(0x00020011));
    EXPECT_FALSE(rWordForcesNarrowStep(0x01020B00));
}

TEST(ChannelStep, AutoSearchTriesWidestFirst) {
    struct Case {
        std::uint32_t hz;
        int stepHz; // 0: none divides
        std::uint8_t code;
    };
    const Case cases[] = {
        {152000000, 12500, 0x22}, {152006250, 6250, 0x23}, {152002500, 2500, 0x24},
        {152005000, 2500, 0x24}, // 12.5 and 6.25 kHz do not divide 5 kHz steps
        {152001000, 0, 0},
    };
    for (const auto& c : cases) {
        const auto found = autoStepOf(c.hz);
        if (c.stepHz == 0) {
            EXPECT_FALSE(found) << c.hz;
            continue;
        }
        ASSERT_TRUE(found) << c.hz;
        EXPECT_EQ(found->stepHz, c.stepHz) << c.hz;
        EXPECT_EQ(found->code, c.code) << c.hz;
    }
}

TEST(FrequencyCheck, Decisions) {
    using V = FrequencyVerdict;
    struct Case {
        const char* text;
        int position;
        int currentStep;
        V verdict;
        int stepAfter;
        int code; // -1: no code stored
    };
    const Case cases[] = {
        {"1520000", 2, 2500, V::Accepted, 12500, -1},
        {"0330000", 2, 12500, V::Accepted, 12500, -1},
        {"0329999", 2, 12500, V::BelowLowest, 12500, -1},
        {"0329999", 3, 6250, V::BelowLowest, 6250, -1}, // the lower bound comes before Auto
        {"1520050", 2, 12500, V::OffStep, 12500, -1},
        {"1520025", 2, 6250, V::OffStep, 12500, -1}, // a fixed step is taken even when refused
        {"1520025", 0, 12500, V::Accepted, 2500, -1},
        {"1520025", 3, 12500, V::Accepted, 2500, 0x24},
        {"1520000", 3, 2500, V::Accepted, 12500, 0x22},
        {"1520010", 3, 6250, V::OffStep, 6250, -1},   // Auto finds nothing: step stays
        {"1520000", -1, 6250, V::Accepted, 6250, -1}, // no selection: step stays
        {"1520025", -1, 6250, V::OffStep, 6250, -1},
        {"15a0000", 2, 12500, V::BelowLowest, 12500, -1}, // pasted text that is no number
    };
    for (const auto& c : cases) {
        const auto d = decideFrequency(frequencyHzOfText(QString::fromLatin1(c.text)), c.position,
                                       c.currentStep);
        EXPECT_EQ(d.verdict, c.verdict) << c.text << " @" << c.position;
        EXPECT_EQ(d.stepHz, c.stepAfter) << c.text << " @" << c.position;
        EXPECT_EQ(d.stepCode ? int(*d.stepCode) : -1, c.code) << c.text << " @" << c.position;
    }
}

TEST(CrossChannelBand, MismatchOfTheOtherChannel) {
    struct Case {
        BandClass band;
        const char* other;
        bool mismatch;
    };
    const Case cases[] = {
        {BandClass::Low, "0330000", false},
        {BandClass::Low, "0510000", false},
        {BandClass::Low, "0329999", true},
        {BandClass::Low, "0510001", true},
        {BandClass::Low, "1620000", true},
        {BandClass::Vhf, "1000000", false},
        {BandClass::Vhf, "2000000", false},
        {BandClass::Vhf, "0999999", true},
        {BandClass::Vhf, "2000001", true},
        {BandClass::Vhf, "0400000", true},
        {BandClass::Other, "4500000", false},
        {BandClass::Other, "2000001", false},
        {BandClass::Other, "2000000", true},
        {BandClass::Other, "0400000", true},
        // 51..100 MHz is the other band, but the rule tells the bands apart at 200 MHz only
        {BandClass::Other, "0700000", true},
        {BandClass::Low, "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(otherChannelMismatches(c.band, QString::fromLatin1(c.other)), c.mismatch)
            << static_cast<int>(c.band) << " vs " << c.other;
}

} // namespace
