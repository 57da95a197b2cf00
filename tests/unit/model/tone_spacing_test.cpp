#include "tone_spacing.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

// A channel whose cache holds nothing near the tested tones (zero entries never refuse).
struct Channel {
    ToneCache cache{};
    ToneCacheEnables enables{};
    Channel& tone(int index, std::uint16_t value, bool enabled = true) {
        cache[static_cast<std::size_t>(index)] = value;
        enables[static_cast<std::size_t>(index)] = enabled;
        return *this;
    }
    std::optional<int> check(int bandwidth, int ownIndex, int candidate) const {
        return spacingConflict(cache, enables, bandwidth, ownIndex, candidate);
    }
};

TEST(ToneSpacing, BoundsAtBandwidth15) {
    Channel ch;
    ch.tone(3, 10000); // Tone 1 of CALL #4
    struct Case {
        int candidate;
        bool refused;
    };
    const Case cases[] = {
        {10309, true}, {10310, false}, {10311, false}, {10000, false},
        {9691, true},  {9690, false},  {9689, false},  {10200, true},
    };
    for (auto c : cases) {
        const auto conflict = ch.check(15, 0, c.candidate);
        EXPECT_EQ(conflict.has_value(), c.refused) << c.candidate;
        if (conflict) {
            EXPECT_EQ(*conflict, 3);
        }
    }
}

TEST(ToneSpacing, SinglePrecisionDecidesTheBoundAtBandwidth1) {
    Channel ch;
    ch.tone(0, 7000);
    EXPECT_EQ(ch.check(1, 8, 7021), 0) << "7021 lies on the bound in decimals, refused";
    EXPECT_FALSE(ch.check(1, 8, 7022).has_value());
    EXPECT_EQ(ch.check(1, 8, 6979), 0);
    EXPECT_FALSE(ch.check(1, 8, 6978).has_value());
}

TEST(ToneSpacing, WidestBandwidth31) {
    Channel ch;
    ch.tone(16, 10000);
    EXPECT_EQ(ch.check(31, 0, 10629), 0);
    EXPECT_FALSE(ch.check(31, 0, 10631).has_value());
}

TEST(ToneSpacing, EqualEnabledToneEndsTheScanWithAPass) {
    Channel ch;
    ch.tone(2, 10000).tone(5, 10100);
    EXPECT_FALSE(ch.check(15, 9, 10000).has_value());
    // the same layout with the equal tone disabled: the later close tone refuses
    ch.tone(2, 10000, false);
    EXPECT_EQ(ch.check(15, 9, 10000), 5);
}

TEST(ToneSpacing, DisabledEntriesAndOwnEntryNeverRefuse) {
    Channel ch;
    ch.tone(4, 10100, false).tone(12, 10050);
    EXPECT_FALSE(ch.check(15, 12, 10000).has_value()) << "own entry skipped";
    EXPECT_EQ(ch.check(15, 0, 10000), 4) << "row of entry 12 is 12 mod 8";
}

TEST(ToneSpacing, ConflictRowOfEveryEntryKind) {
    for (int n = 0; n < kToneCacheSize; ++n) {
        Channel ch;
        ch.tone(n, 10000);
        const int own = n == 19 ? 0 : 19;
        EXPECT_EQ(ch.check(15, own, 10100), n < 16 ? n % 8 : n - 16) << n;
    }
}

TEST(ToneSpacing, DecoderBandwidthValueOfTheListIndex) {
    EXPECT_EQ(decoderBandwidthValueOfIndex(0), 1);
    EXPECT_EQ(decoderBandwidthValueOfIndex(3), 7);
    EXPECT_EQ(decoderBandwidthValueOfIndex(7), 15);
    EXPECT_EQ(decoderBandwidthValueOfIndex(15), 31);
    EXPECT_FALSE(decoderBandwidthValueOfIndex(16).has_value());
    EXPECT_FALSE(decoderBandwidthValueOfIndex(255).has_value());
}

TEST(ToneSpacing, Messages) {
    EXPECT_EQ(spacingMessage(15),
              "Tone Frequency Error!\n\nPlease check the tone spacing rule. \n[1]Two tones in "
              "the same call address should not be the same.\n[2]Any two tones should be "
              "separated by minimum of 1.5%. \n     (spacing = bandwidth*2 + 0.001)\n\nThe "
              "original tone frequency is restored.");
    EXPECT_EQ(sameCallMessage(7),
              "Tone Frequency Error!\n\nPlease check the tone spacing rule. \n[1]Two tones in "
              "the same call address should not be the same.\n[2]Any two tones should be "
              "separated by minimum of 0.7%. \n\nThe original tone frequency is restored.");
    EXPECT_TRUE(spacingMessage(31).contains("minimum of 3.1%."));
}

} // namespace
