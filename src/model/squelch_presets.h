#pragma once

#include "synthesizer.h"

#include <array>
#include <cstdint>

// The squelch thresholds a pager gets with its band. A receiver in the 33..51 MHz band needs
// other WB thresholds than one in the higher bands, and the low-band units whose serial number
// carries one of the known prefixes have a different front end again. Each table holds five
// [Speaker OFF, Speaker ON] pairs in hundredths of a volt, for squelch levels 1..5.
namespace kz {

class TPagerImage;

struct SquelchPair {
    std::uint8_t off;
    std::uint8_t on;
};
using SquelchTable = std::array<SquelchPair, 5>;

// Table A: 100 MHz and up, both WB and NB.
inline constexpr SquelchTable kSquelchTableA{{{84, 96}, {80, 94}, {78, 93}, {74, 92}, {70, 91}}};
// Table B: the low band, WB.
inline constexpr SquelchTable kSquelchTableB{
    {{130, 30}, {160, 60}, {160, 100}, {190, 130}, {190, 165}}};
// Table C: the low band, WB, units with a known serial prefix.
inline constexpr SquelchTable kSquelchTableC{{{85, 38}, {85, 58}, {85, 72}, {90, 80}, {95, 90}}};

struct SquelchPresets {
    SquelchTable wb;
    std::uint8_t wbSpeakerOn; // voltage code
    bool nbChanged;           // the low band leaves the NB table and NB Speaker ON alone
    SquelchTable nb;
    std::uint8_t nbSpeakerOn;
};

SquelchPresets squelchPresetsOf(BandClass band, bool serialPrefix);

// Writes the presets into the image: the WB levels and WB Speaker ON, and outside the low band
// the NB levels (level 5 in its own two bytes) and NB Speaker ON. Speaker OFF, the RSSI values
// and the level selection keep their values; no order rule is checked.
void applySquelchPresets(TPagerImage& image, BandClass band, bool serialPrefix);

} // namespace kz
