#include "alert_pattern.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

TEST(AlertPattern, Encode) {
    struct Case {
        const char* typed;
        const char* shown;
        AlertPatternBytes bytes;
    };
    const Case cases[] = {
        {"AB", "AB------", {0x12, 0x00, 0x00, 0x00}},
        {"D-D-D-D-", "D-D-D-D-", {0x40, 0x40, 0x40, 0x40}},
        {"abcdabcd", "ABCDABCD", {0x12, 0x34, 0x12, 0x34}},
        {"ABCDABCDAB", "ABCDABCD", {0x12, 0x34, 0x12, 0x34}}, // pasted: first eight count
        {"AxB", "A-B-----", {0x10, 0x20, 0x00, 0x00}},        // pasted junk is stored as '-'
        {"-", "--------", {0, 0, 0, 0}},
        // A character whose upper case is two (sharp s, octal 337, is "SS") moves nothing.
        {"\337AB", "-AB-----", {0x01, 0x20, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        const auto encoded = encodeAlertPattern(QString::fromLatin1(c.typed));
        EXPECT_EQ(encoded.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(encoded.bytes, c.bytes) << c.typed;
    }
}

TEST(AlertPattern, Decode) {
    const std::pair<AlertPatternBytes, const char*> cases[] = {
        {{0x12, 0x34, 0x12, 0x34}, "ABCDABCD"},
        {{0x12, 0x00, 0x00, 0x00}, "AB------"},
        {{0x40, 0x40, 0x40, 0x40}, "D-D-D-D-"},
        {{0x12, 0x53, 0x00, 0x00}, "AB"}, // a nibble above 4 ends the text
        {{0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {{0x14, 0x0F, 0x00, 0x00}, "AD-"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodeAlertPattern(bytes), QString::fromLatin1(text)) << text;
}

TEST(AlertPattern, EncodeThenDecodeRoundTrips) {
    for (const char* text : {"ABCD----", "-A-B-C-D", "DDDDDDDD", "--------"}) {
        const auto encoded = encodeAlertPattern(QString::fromLatin1(text));
        EXPECT_EQ(decodeAlertPattern(encoded.bytes), QString::fromLatin1(text));
    }
}

} // namespace
