#include "builtin_images.h"
#include "program_identity.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramIdentity, TitleAndIdentityField) {
    EXPECT_EQ(kz::programTitle(), "KZ904 V1.0.8");
    EXPECT_EQ(kz::identityField(), "KZ904V108107");
    EXPECT_EQ(kz::identityField().size(), 12u);
}

TEST(ProgramIdentity, StartUpStampOfTheWorkingImage) {
    kz::TPagerImage image = builtinWorkingImage();
    const kz::TPagerImage before = image;
    kz::stampIdentity(image);

    const std::string expected = "KZ904V108107";
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(image.byte(498 + i),
                  static_cast<std::uint8_t>(expected[static_cast<std::size_t>(i)]));
    EXPECT_EQ(image.byte(510), 0x01);
    EXPECT_EQ(image.byte(511), 0x08);
    for (int i = 0; i < 498; ++i)
        ASSERT_EQ(image.byte(i), before.byte(i)) << "byte " << i;
}

} // namespace
