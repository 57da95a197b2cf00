#include "builtin_images.h"

#include <gtest/gtest.h>

namespace {

using namespace PagerField;

TEST(BuiltinImages, BodySumIs0x8638AndNoValidSumIsStored) {
    for (const kz::TPagerImage& image : {builtinWorkingImage(), builtinFactoryImage()}) {
        EXPECT_EQ(image.computeImageSum(), 0x8638);
        EXPECT_EQ(image.byte(imageSum), 0xFF);
        EXPECT_EQ(image.byte(imageSum + 1), 0xFF);
        EXPECT_FALSE(image.imageSumMatches());
    }
}

TEST(BuiltinImages, FactoryDiffersOnlyInTheIdentityBlock) {
    const kz::TPagerImage working = builtinWorkingImage();
    const kz::TPagerImage factory = builtinFactoryImage();
    for (int i = 0; i < 498; ++i)
        ASSERT_EQ(working.byte(i), factory.byte(i)) << "byte " << i;
    EXPECT_EQ(working.text(identity, 12), "TQ615ProV229");
    EXPECT_EQ(working.byte(510), 0x02);
    EXPECT_EQ(working.byte(511), 0x28);
    EXPECT_EQ(factory.text(identity, 12), "KZ904   V107");
    EXPECT_EQ(factory.byte(510), 0x01);
    EXPECT_EQ(factory.byte(511), 0x07);
}

struct Expected {
    int offset;
    std::vector<int> bytes;
};

// Spot checks of the default column, one or more per region, against hand-computed bytes.
TEST(BuiltinImages, DefaultColumn) {
    const kz::TPagerImage image = builtinWorkingImage();
    const std::vector<Expected> table = {
        {0, std::vector<int>(11, 0xFF)},
        {11, {255, 0, 0, 0, 0}},
        {16, {1, 5, 2, 0, 0, 0, 0, 0x23, 0x00, 0x01, 0xA3, 0x11, 0x00, 0x14, 0x68, 0x00}},
        {32, {1, 6, 2, 0, 0, 0, 0, 0x23, 0x00, 0x01, 0xA3, 0x11, 0x00, 0x15, 0xF8, 0x00}},
        {48, {0x95, 0x10, 0x4E, 0x86}},
        {76, {0x95, 0x10, 0x4E, 0x86, 0x95, 0x10}},
        {86, {0x95, 0x10, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {96, {0x32, 0x3A, 0x22, 0x56}},
        {128, {0x32, 0x3A, 0x32, 0x3A, 0x32, 0x3A, 0x32, 0x3A}},
        {136, {0xFF, 0xF7, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {144, {0x12, 0x34, 0x12, 0x34}},
        {188, {0x12, 0x34, 0x12, 0x34}},
        {192, {0x95, 0x10, 0x4E, 0x86}},
        {232, {0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {270, {0x22, 0x56, 0x32, 0x3A}},
        {280, {0x45, 0x11, 0x37, 0xFF, 20, 0xC1, 0xFF, 0xFF}},
        {332, {0x12, 0x34, 0x12, 0x34}},
        {336, {0x05, 0x4D, 0x04, 0x4D, 0x03, 0x44, 0x00, 0x48}},
        {344, {0x00, 0xC8, 0x01, 0x90, 0x03, 0x84, 0x06, 0xA4}},
        {352, {0x52, 0x22, 0x21, 0x25, 4, 16, 7, 0x01, 0x00, 0x00, 2, 240, 0xD7, 0xFF, 0xFF, 0xFF}},
        {368, {3, 0, 1, 0, 3, 0, 1, 0, 3, 0, 0, 0, 50, 1, 5, 60, 15, 25, 35, 0x51, 0x11, 0x33}},
        {390, {0xC7, 0xC7, 0xD5, 0xE0, 4, 0xFF, 0x22, 255, 0xFF, 0xFF}},
        {400, {55, 10, 55, 15, 60, 20, 60, 45, 80, 60, 255, 3, 2, 255, 60, 30}},
        {416, std::vector<int>(16, 0xFF)},
        {432, std::vector<int>(24, 0x00)},
        {456, {40, 10, 45, 15, 50, 20, 55, 25}},
        {464, std::vector<int>(24, 0x00)},
        {488, std::vector<int>(10, 0xFF)},
    };
    for (const auto& row : table)
        for (std::size_t i = 0; i < row.bytes.size(); ++i)
            EXPECT_EQ(image.byte(row.offset + static_cast<int>(i)), row.bytes[i])
                << "byte " << row.offset + static_cast<int>(i);
}

TEST(BuiltinImages, EveryCallOfBothChannelsHasTheDefaultTonesAndPattern) {
    const kz::TPagerImage image = builtinWorkingImage();
    for (int channel = 0; channel < 2; ++channel) {
        const int base = channel * channelCallBlockStep;
        for (int call = 0; call < 8; ++call) {
            EXPECT_EQ(image.word16(base + f1CallTones + 4 * call), 12858);
            EXPECT_EQ(image.word16(base + f1CallTones + 4 * call + 2), 8790);
            EXPECT_EQ(image.word32(base + f1CallPatterns + 4 * call), 0x12341234u);
        }
        for (int group = 0; group < 4; ++group) {
            EXPECT_EQ(image.word16(base + f1GroupTones + 2 * group), 12858);
            EXPECT_EQ(image.word16(base + f1GroupToneCodes + 2 * group), 0x9510);
            EXPECT_EQ(image.word32(base + f1GroupPatterns + 4 * group), 0x12341234u);
        }
    }
}

} // namespace
