#pragma once

#include "function_switch_defaults.h"
#include "synthesizer.h"

#include <array>

// Editor values held outside the pager image. The configuration editor keeps them for the whole
// run.
namespace kz {

struct EditorState {
    // Channel steps of F1 and F2 in hertz, set by the step lists and the synthesizer rule.
    int f1StepHz = kz::kDefaultStepHz;
    int f2StepHz = kz::kDefaultStepHz;
    // Band of the channel whose synthesizer words were computed last; the squelch presets
    // follow it.
    kz::BandClass bandClass = kz::BandClass::Vhf;
    // Selected decoder bandwidth in tenths of a percent (item "0.7" gives 7); read by the tone
    // spacing rule.
    int decoderBandwidthValue = 7;
    // 1 Channel F1, 2 Channel F2, 3 Setting, 4 System: which channel the tone pickers fill.
    int currentChannelPage = 1;
    // The serial-prefix flag is not kept here: the pager operations own it (set by the serial
    // intake of Read and Write), and the squelch presets ask them for it.

    // Remembered "Mode" list positions of the four function switches, one set for a two-channel
    // pager and one for a single-channel pager, so that switching One Channel back and forth
    // brings each switch's earlier mode back.
    std::array<int, 4> twoChannelModes = kTwoChannelSwitchDefaults.modePositions;
    std::array<int, 4> oneChannelModes = kOneChannelSwitchDefaults.modePositions;
};

} // namespace kz
