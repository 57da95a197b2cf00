#include "pager_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

namespace {

TEST(PagerFieldMap, FieldsTileTheWholeImageWithoutOverlap) {
    std::array<int, kz::TPagerImage::kSize> owners{};
    for (const auto& field : kPagerFields) {
        ASSERT_GT(field.width, 0) << field.name;
        for (int i = field.offset; i < field.offset + field.width; ++i) {
            ASSERT_LT(i, kz::TPagerImage::kSize) << field.name;
            EXPECT_EQ(owners[static_cast<std::size_t>(i)], 0) << field.name << " overlaps at " << i;
            ++owners[static_cast<std::size_t>(i)];
        }
    }
    EXPECT_TRUE(std::all_of(owners.begin(), owners.end(), [](int n) { return n == 1; }));
}

TEST(PagerFieldMap, WholeBlocksTheProgrammerReadsLieWhereThePagerKeepsThem) {
    using namespace PagerField;
    struct Case {
        const char* block;
        int first, size, expectedFirst, expectedLast;
    };
    for (const Case& c : {Case{"header", headerBlock, headerBlockSize, 0, 15},
                          Case{"serial", serialBlock, serialBlockSize, 416, 431},
                          Case{"version", versionBlock, versionBlockSize, 496, 511}}) {
        EXPECT_EQ(c.first, c.expectedFirst) << c.block;
        EXPECT_EQ(c.first + c.size - 1, c.expectedLast) << c.block;
    }
    // The serial sum closes the serial block; the tool version closes the image.
    EXPECT_EQ(serialSum + serialSumWidth, serialBlock + serialBlockSize);
    EXPECT_EQ(toolVersion + toolVersionWidth, kz::TPagerImage::kSize);
}

TEST(PagerFieldMap, ChannelBlocksFollowTheirSteps) {
    using namespace PagerField;
    // call block fields of F2 lie 144 bytes after F1 ...
    for (auto [f1, f2] : {std::pair{f1CallToneCodes, f2CallToneCodes},
                          {f1GroupToneCodes, f2GroupToneCodes},
                          {f1CallEnable, f2CallEnable},
                          {f1GroupEnable, f2GroupEnable},
                          {f1CallSwitchA, f2CallSwitchA},
                          {f1GroupSwitchCD, f2GroupSwitchCD},
                          {f1CallTones, f2CallTones},
                          {f1GroupTones, f2GroupTones},
                          {f1CallPatterns, f2CallPatterns},
                          {f1GroupPatterns, f2GroupPatterns}})
        EXPECT_EQ(f2 - f1, channelCallBlockStep);
    // ... but 280 is not the F2 twin of bandwidthFlags, and the attributes step by 32
    EXPECT_NE(nbSpeakerOn - bandwidthFlags, 0);
    EXPECT_EQ(nbSpeakerOn, 280);
    EXPECT_EQ(bandwidthFlags, 136);
    EXPECT_EQ(f2CallAttributes - f1CallAttributes, channelAttributeStep);
}

TEST(PagerImage, BigEndianWordsAndBytes) {
    kz::TPagerImage image;
    image.setWord16(100, 0x1234);
    EXPECT_EQ(image.byte(100), 0x12);
    EXPECT_EQ(image.byte(101), 0x34);
    EXPECT_EQ(image.word16(100), 0x1234);

    image.setWord32(24, 0x0001A311);
    EXPECT_EQ(image.byte(24), 0x00);
    EXPECT_EQ(image.byte(25), 0x01);
    EXPECT_EQ(image.byte(26), 0xA3);
    EXPECT_EQ(image.byte(27), 0x11);
    EXPECT_EQ(image.word32(24), 0x0001A311u);
    EXPECT_EQ(image.byte(23), 0xFF) << "neighbours untouched";
    EXPECT_EQ(image.byte(28), 0xFF);
}

TEST(PagerImage, BitFieldAccessors) {
    kz::TPagerImage image;
    image.setByte(PagerField::f1CallSwitchA, 0b1010'0101);
    image.setBits(PagerField::f1CallSwitchA, 3, 1, 1);
    EXPECT_EQ(image.byte(PagerField::f1CallSwitchA), 0b1010'1101) << "only bit 3 changes";
    image.setBits(PagerField::f1CallSwitchA, 0, 0, 1);
    EXPECT_EQ(image.byte(PagerField::f1CallSwitchA), 0b1010'1100);
    EXPECT_EQ(image.getBits(PagerField::f1CallSwitchA, 2, 2), 0b11);
    EXPECT_EQ(image.getBits(PagerField::f1CallSwitchA, 5, 3), 0b101);

    // The value is not masked to the width: bits beyond it are ORed in as given.
    image.setByte(PagerField::auxFlags, 0x00);
    image.setBits(PagerField::auxFlags, 3, 0b111, 2);
    EXPECT_EQ(image.byte(PagerField::auxFlags), 0b0011'1000);
}

TEST(PagerImage, ImageSumCoversBytes16To495Only) {
    kz::TPagerImage image; // all 255
    EXPECT_EQ(image.computeImageSum(), 0xDE20) << "480 bytes of 255";

    // bytes outside the body do not count
    image.setByte(0, 0);
    image.setByte(15, 0);
    image.setByte(496, 0);
    image.setByte(511, 0);
    EXPECT_EQ(image.computeImageSum(), 0xDE20);

    image.storeImageSum();
    EXPECT_EQ(image.byte(496), 0xDE);
    EXPECT_EQ(image.byte(497), 0x20);
    EXPECT_TRUE(image.imageSumMatches());

    image.setByte(16, 0);
    EXPECT_FALSE(image.imageSumMatches());
    image.setByte(16, 255);
    image.setByte(495, 254);
    EXPECT_FALSE(image.imageSumMatches());
}

TEST(PagerImage, ImageSumWrapsModulo65536) {
    kz::TPagerImage::Bytes bytes{};
    bytes.fill(0);
    // 300 x 255 = 76500 = 0x12AD4 -> 0x2AD4
    for (int i = 16; i < 316; ++i)
        bytes[static_cast<std::size_t>(i)] = 255;
    EXPECT_EQ(kz::TPagerImage::imageSumOf(bytes), 0x2AD4);
}

TEST(PagerImage, SerialSum) {
    kz::TPagerImage image;
    EXPECT_TRUE(image.hasNoSerialNumber());

    image.setText(PagerField::serialNumber, "ABCDEFGHIJKLMN");
    EXPECT_FALSE(image.hasNoSerialNumber());
    EXPECT_EQ(image.computeSerialSum(), 0x03E9);
    EXPECT_FALSE(image.serialSumMatches());
    image.storeSerialSum();
    EXPECT_EQ(image.byte(430), 0x03);
    EXPECT_EQ(image.byte(431), 0xE9);
    EXPECT_TRUE(image.serialSumMatches());

    // A serial block that is all 255 but for its sum is a serial number (a broken one).
    kz::TPagerImage other;
    other.setByte(431, 0);
    EXPECT_FALSE(other.hasNoSerialNumber());
}

TEST(PagerImage, VersionStampAndFirmwareValue) {
    kz::TPagerImage image;
    image.stampVersion(1, 0, 8);
    EXPECT_EQ(image.byte(510), 0x01);
    EXPECT_EQ(image.byte(511), 0x08);
    image.stampVersion(2, 2, 8);
    EXPECT_EQ(image.byte(511), 0x28);

    image.setByte(12, 5);
    image.setByte(13, 0);
    image.setByte(14, 0);
    EXPECT_EQ(image.firmwareVersionValue(), 500);
    image.setByte(12, 1);
    image.setByte(13, 2);
    image.setByte(14, 1);
    EXPECT_EQ(image.firmwareVersionValue(), 121);
}

TEST(PagerImage, ReplaceCopiesOnlyTheGivenBytes) {
    kz::TPagerImage image;
    std::array<std::uint8_t, 100> head{};
    head.fill(7);
    image.replace(head);
    EXPECT_EQ(image.byte(0), 7);
    EXPECT_EQ(image.byte(99), 7);
    EXPECT_EQ(image.byte(100), 0xFF);

    std::array<std::uint8_t, 16> block{};
    block.fill(1);
    image.replace(block, 496);
    EXPECT_EQ(image.byte(495), 0xFF);
    EXPECT_EQ(image.byte(496), 1);
    EXPECT_EQ(image.byte(511), 1);
}

// Every accessor refuses what lies outside the 512 bytes or outside bits 0..7, in release builds
// too (the suite runs with NDEBUG), names the offset, and changes nothing when it refuses.
TEST(PagerImage, AccessorsRefuseEverythingOutsideTheImage) {
    const std::array<std::uint8_t, 16> sixteen{};
    struct Case {
        const char* access;
        std::function<void(kz::TPagerImage&)> run;
        const char* refusal; // part of the exception's text, or nullptr when the access is valid
    };
    const std::vector<Case> cases = {
        {"byte(511)", [](kz::TPagerImage& i) { (void)i.byte(511); }, nullptr},
        {"byte(512)", [](kz::TPagerImage& i) { (void)i.byte(512); }, "byte: offset 512, length 1"},
        {"byte(-1)", [](kz::TPagerImage& i) { (void)i.byte(-1); }, "byte: offset -1"},
        {"setByte(511)", [](kz::TPagerImage& i) { i.setByte(511, 0); }, nullptr},
        {"setByte(512)", [](kz::TPagerImage& i) { i.setByte(512, 0); }, "setByte: offset 512"},
        {"setByte(-1)", [](kz::TPagerImage& i) { i.setByte(-1, 0); }, "setByte: offset -1"},
        {"word16(510)", [](kz::TPagerImage& i) { (void)i.word16(510); }, nullptr},
        {"word16(511)", [](kz::TPagerImage& i) { (void)i.word16(511); },
         "word16: offset 511, length 2"},
        {"setWord16(511)", [](kz::TPagerImage& i) { i.setWord16(511, 0); },
         "setWord16: offset 511"},
        {"word16(-1)", [](kz::TPagerImage& i) { (void)i.word16(-1); }, "word16: offset -1"},
        {"word32(508)", [](kz::TPagerImage& i) { (void)i.word32(508); }, nullptr},
        {"word32(509)", [](kz::TPagerImage& i) { (void)i.word32(509); },
         "word32: offset 509, length 4"},
        {"setWord32(509)", [](kz::TPagerImage& i) { i.setWord32(509, 0); },
         "setWord32: offset 509"},
        {"block(0, 512)", [](kz::TPagerImage& i) { (void)i.block(0, 512); }, nullptr},
        {"block(512, 0)", [](kz::TPagerImage& i) { (void)i.block(512, 0); }, nullptr},
        {"block(500, 13)", [](kz::TPagerImage& i) { (void)i.block(500, 13); }, "block: offset 500"},
        {"block(-1, 1)", [](kz::TPagerImage& i) { (void)i.block(-1, 1); }, "block: offset -1"},
        {"block(0, -1)", [](kz::TPagerImage& i) { (void)i.block(0, -1); }, "length -1"},
        {"replace 16 at 496", [&](kz::TPagerImage& i) { i.replace(sixteen, 496); }, nullptr},
        {"replace 16 at 497", [&](kz::TPagerImage& i) { i.replace(sixteen, 497); },
         "replace: offset 497, length 16"},
        {"replace nothing at 512", [](kz::TPagerImage& i) { i.replace({}, 512); }, nullptr},
        {"replace nothing at 513", [](kz::TPagerImage& i) { i.replace({}, 513); },
         "replace: offset 513"},
        {"replace 16 at -1", [&](kz::TPagerImage& i) { i.replace(sixteen, -1); },
         "replace: offset -1"},
        {"text(500, 12)", [](kz::TPagerImage& i) { (void)i.text(500, 12); }, nullptr},
        {"text(501, 12)", [](kz::TPagerImage& i) { (void)i.text(501, 12); }, "text: offset 501"},
        {"text(0, -1)", [](kz::TPagerImage& i) { (void)i.text(0, -1); }, "length -1"},
        {"setText(500, 12 chars)", [](kz::TPagerImage& i) { i.setText(500, "ABCDEFGHIJKL"); },
         nullptr},
        {"setText(501, 12 chars)", [](kz::TPagerImage& i) { i.setText(501, "ABCDEFGHIJKL"); },
         "setText: offset 501, length 12"},
        {"getBits(511, 7, 1)", [](kz::TPagerImage& i) { (void)i.getBits(511, 7, 1); }, nullptr},
        {"getBits(0, 0, 8)", [](kz::TPagerImage& i) { (void)i.getBits(0, 0, 8); }, nullptr},
        {"getBits(512, 0, 1)", [](kz::TPagerImage& i) { (void)i.getBits(512, 0, 1); },
         "getBits: offset 512"},
        {"getBits(0, 7, 2)", [](kz::TPagerImage& i) { (void)i.getBits(0, 7, 2); },
         "bits from 7, width 2 at offset 0"},
        {"getBits(0, -1, 1)", [](kz::TPagerImage& i) { (void)i.getBits(0, -1, 1); },
         "bits from -1"},
        {"getBits(0, 8, 1)", [](kz::TPagerImage& i) { (void)i.getBits(0, 8, 1); }, "bits from 8"},
        {"getBits(0, 0, 0)", [](kz::TPagerImage& i) { (void)i.getBits(0, 0, 0); }, "width 0"},
        {"setBits(511, 0, 1, 8)", [](kz::TPagerImage& i) { i.setBits(511, 0, 1, 8); }, nullptr},
        {"setBits(20, 6, 1, 3)", [](kz::TPagerImage& i) { i.setBits(20, 6, 1, 3); },
         "setBits: bits from 6, width 3 at offset 20"},
        {"setBits(-1, 0, 1, 1)", [](kz::TPagerImage& i) { i.setBits(-1, 0, 1, 1); },
         "setBits: offset -1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.access);
        kz::TPagerImage image;
        for (int i = 0; i < kz::TPagerImage::kSize; ++i)
            image.setByte(i, static_cast<std::uint8_t>(i * 5 + 1));
        const kz::TPagerImage before = image;
        if (!c.refusal) {
            EXPECT_NO_THROW(c.run(image));
            continue;
        }
        try {
            c.run(image);
            ADD_FAILURE() << "accepted";
        } catch (const std::out_of_range& e) {
            EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
        }
        EXPECT_EQ(image, before) << "a refused access changes nothing";
    }
}

} // namespace
