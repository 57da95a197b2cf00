#include "serial_block.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

using kz::SerialBlockCheck;

namespace {

using Block = std::array<std::uint8_t, kz::kSerialBlockSize>;

// Fourteen characters (zero-filled when shorter) followed by `sum`, big-endian.
Block blockOf(std::string_view serial, unsigned sum) {
    Block block{};
    for (std::size_t i = 0; i < serial.size() && i < 14; ++i)
        block[i] = static_cast<std::uint8_t>(serial[i]);
    block[14] = static_cast<std::uint8_t>(sum >> 8);
    block[15] = static_cast<std::uint8_t>(sum & 0xFF);
    return block;
}

unsigned sumOf(std::string_view serial) {
    unsigned sum = 0;
    for (char c : serial)
        sum += static_cast<std::uint8_t>(c);
    return sum;
}

} // namespace

TEST(SerialBlock, JudgesWhatThePagerHolds) {
    struct Case {
        const char* name;
        Block block;
        SerialBlockCheck::Kind kind;
        const char* text;
        bool knownPrefix;
    };
    Block blank;
    blank.fill(0xFF);
    Block almostBlank = blank;
    almostBlank[7] = 0xFE;
    const Case cases[] = {
        {"no serial number", blank, SerialBlockCheck::Kind::NoSerialNumber, "", false},
        {"one byte off blank", almostBlank, SerialBlockCheck::Kind::BadSum, "", false},
        {"A to N", blockOf("ABCDEFGHIJKLMN", 0x03E9), SerialBlockCheck::Kind::Valid,
         "ABCDEFGHIJKLMN", false},
        {"sum off by one", blockOf("ABCDEFGHIJKLMN", 0x03EA), SerialBlockCheck::Kind::BadSum, "",
         false},
        {"known prefix", blockOf("948GH3d0012001", sumOf("948GH3d0012001")),
         SerialBlockCheck::Kind::Valid, "948GH3d0012001", true},
        {"unknown prefix", blockOf("948GH3d0011001", sumOf("948GH3d0011001")),
         SerialBlockCheck::Kind::Valid, "948GH3d0011001", false},
        {"text ends at a zero byte", blockOf("948GH3d0012", sumOf("948GH3d0012")),
         SerialBlockCheck::Kind::Valid, "948GH3d0012", true},
        {"all zero", blockOf("", 0), SerialBlockCheck::Kind::Valid, "", false},
    };
    for (const Case& c : cases) {
        const SerialBlockCheck check = kz::checkSerialBlock(c.block);
        EXPECT_EQ(check.kind, c.kind) << c.name;
        EXPECT_EQ(check.serialText, QString::fromLatin1(c.text)) << c.name;
        EXPECT_EQ(check.knownPrefix, c.knownPrefix) << c.name;
    }
}

TEST(SerialBlock, CharactersBeyondAsciiShowAsLatin1) {
    const std::string_view serial = "\xE9t\xE9-2024-0001";
    const SerialBlockCheck check = kz::checkSerialBlock(blockOf(serial, sumOf(serial)));
    ASSERT_EQ(check.kind, SerialBlockCheck::Kind::Valid);
    EXPECT_EQ(check.serialText, QStringLiteral("\u00E9t\u00E9-2024-0001"));
}
