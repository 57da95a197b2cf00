#include "tone_code.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ToneCode, ListedExamples) {
    const std::pair<int, std::uint16_t> cases[] = {
        {2800, 0x84A0},  {2885, 0x84BC},  {8790, 0x8E86},  {10000, 0x9086},
        {12858, 0x9510}, {24682, 0xA88C}, {34870, 0xB987}, {35000, 0xBA02},
    };
    for (auto [value, code] : cases)
        EXPECT_EQ(kz::toneCode(value), code) << value;
}

// The device rule is stated in hertz with floating point; the integer form must agree with it
// over every tone value the editor can store.
TEST(ToneCode, IntegerFormAgreesWithTheDeviceRuleOverTheWholeRange) {
    for (int c = 2800; c <= 35000; ++c) {
        const double f = c / 10.0;
        const long double v = std::trunc(static_cast<long double>(f) * 118920 / 3579545);
        const long double w =
            std::trunc((29730.0L / 3579545 - v / (4 * static_cast<long double>(f))) * 119318.1667L);
        const auto expected = static_cast<std::uint16_t>(0x8000 + v * 128 + w);
        ASSERT_EQ(kz::toneCode(c), expected) << c;
        const int fine = kz::toneCode(c) & 0x7F;
        ASSERT_LE(fine, 99) << c;
    }
}

} // namespace
