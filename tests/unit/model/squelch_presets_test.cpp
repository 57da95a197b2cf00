#include "squelch_presets.h"

#include "pager_fields.h"
#include "pager_image.h"

#include <gtest/gtest.h>

namespace {

using namespace kz;

constexpr std::uint8_t kUntouched = 0x5A;

// The preset tables as the pager's documentation gives them, levels 1..5, [OFF, ON].
constexpr SquelchTable kA{{{84, 96}, {80, 94}, {78, 93}, {74, 92}, {70, 91}}};
constexpr SquelchTable kB{{{130, 30}, {160, 60}, {160, 100}, {190, 130}, {190, 165}}};
constexpr SquelchTable kC{{{85, 38}, {85, 58}, {85, 72}, {90, 80}, {95, 90}}};

kz::TPagerImage filledImage() {
    kz::TPagerImage::Bytes bytes;
    bytes.fill(kUntouched);
    return kz::TPagerImage(bytes);
}

SquelchTable wbOf(const kz::TPagerImage& image) {
    SquelchTable t{};
    for (int k = 0; k < 5; ++k)
        t[k] = {image.byte(PagerField::wbSquelchLevels + 2 * k),
                image.byte(PagerField::wbSquelchLevels + 2 * k + 1)};
    return t;
}

SquelchTable nbOf(const kz::TPagerImage& image) {
    SquelchTable t{};
    for (int k = 0; k < 4; ++k)
        t[k] = {image.byte(PagerField::nbSquelchLevels + 2 * k),
                image.byte(PagerField::nbSquelchLevels + 2 * k + 1)};
    t[4] = {image.byte(PagerField::nbSquelchLevel5), image.byte(PagerField::nbSquelchLevel5 + 1)};
    return t;
}

bool operator==(const SquelchTable& a, const SquelchTable& b) {
    for (int k = 0; k < 5; ++k)
        if (a[k].off != b[k].off || a[k].on != b[k].on)
            return false;
    return true;
}

TEST(SquelchPresets, TablesByBandAndSerialPrefix) {
    constexpr SquelchTable untouched{{{kUntouched, kUntouched},
                                      {kUntouched, kUntouched},
                                      {kUntouched, kUntouched},
                                      {kUntouched, kUntouched},
                                      {kUntouched, kUntouched}}};
    struct Case {
        BandClass band;
        bool prefix;
        SquelchTable wb;
        std::uint8_t wbOn;
        SquelchTable nb;
        std::uint8_t nbOn;
    };
    const Case cases[] = {
        {BandClass::Low, false, kB, 166, untouched, kUntouched},
        {BandClass::Low, true, kC, 81, untouched, kUntouched},
        {BandClass::Vhf, false, kA, 81, kA, 69},
        {BandClass::Vhf, true, kA, 81, kA, 69},
        {BandClass::Other, false, kA, 81, kA, 69},
        {BandClass::Other, true, kA, 81, kA, 69},
    };
    for (const auto& c : cases) {
        kz::TPagerImage image = filledImage();
        applySquelchPresets(image, c.band, c.prefix);
        const auto where = ::testing::Message()
                           << "band " << static_cast<int>(c.band) << " prefix " << c.prefix;
        EXPECT_TRUE(wbOf(image) == c.wb) << where;
        EXPECT_EQ(image.byte(PagerField::wbSpeakerOn), c.wbOn) << where;
        EXPECT_TRUE(nbOf(image) == c.nb) << where;
        EXPECT_EQ(image.byte(PagerField::nbSpeakerOn), c.nbOn) << where;

        // Nothing else moves: Speaker OFF, the RSSI values and the level selection stay.
        for (int offset = 0; offset < kz::TPagerImage::kSize; ++offset) {
            const bool preset =
                (offset >= PagerField::wbSquelchLevels &&
                 offset < PagerField::wbSquelchLevels + PagerField::wbSquelchLevelsWidth) ||
                (offset >= PagerField::nbSquelchLevels &&
                 offset < PagerField::nbSquelchLevels + PagerField::nbSquelchLevelsWidth) ||
                (offset >= PagerField::nbSquelchLevel5 &&
                 offset < PagerField::nbSquelchLevel5 + PagerField::nbSquelchLevel5Width) ||
                offset == PagerField::wbSpeakerOn || offset == PagerField::nbSpeakerOn;
            if (!preset) {
                EXPECT_EQ(image.byte(offset), kUntouched) << where << " offset " << offset;
            }
        }
    }
}

} // namespace
