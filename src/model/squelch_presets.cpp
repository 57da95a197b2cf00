#include "squelch_presets.h"

#include "pager_fields.h"
#include "pager_image.h"

namespace kz {

namespace {

// Voltage codes (volts x 256 / 3) of the Speaker ON thresholds the presets set.
constexpr std::uint8_t kSpeakerOn195 = 166; // 1.95 V
constexpr std::uint8_t kSpeakerOn095 = 81;  // 0.95 V
constexpr std::uint8_t kSpeakerOn081 = 69;  // 0.81 V

// The NB table keeps level 5 apart from levels 1..4.
constexpr int kNbLevelsInBlock = PagerField::nbSquelchLevelsWidth / 2;

} // namespace

SquelchPresets squelchPresetsOf(BandClass band, bool serialPrefix) {
    if (band == BandClass::Low) {
        if (serialPrefix)
            return {kSquelchTableC, kSpeakerOn095, false, {}, 0};
        return {kSquelchTableB, kSpeakerOn195, false, {}, 0};
    }
    return {kSquelchTableA, kSpeakerOn095, true, kSquelchTableA, kSpeakerOn081};
}

void applySquelchPresets(TPagerImage& image, BandClass band, bool serialPrefix) {
    const SquelchPresets presets = squelchPresetsOf(band, serialPrefix);
    for (int level = 0; level < static_cast<int>(presets.wb.size()); ++level) {
        image.setByte(PagerField::wbSquelchLevels + 2 * level, presets.wb[level].off);
        image.setByte(PagerField::wbSquelchLevels + 2 * level + 1, presets.wb[level].on);
    }
    image.setByte(PagerField::wbSpeakerOn, presets.wbSpeakerOn);
    if (!presets.nbChanged)
        return;
    for (int level = 0; level < static_cast<int>(presets.nb.size()); ++level) {
        const int offset = level < kNbLevelsInBlock ? PagerField::nbSquelchLevels + 2 * level
                                                    : PagerField::nbSquelchLevel5;
        image.setByte(offset, presets.nb[level].off);
        image.setByte(offset + 1, presets.nb[level].on);
    }
    image.setByte(PagerField::nbSpeakerOn, presets.nbSpeakerOn);
}

} // namespace kz
