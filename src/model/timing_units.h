#pragma once

// Tone limits, tone durations, the noise limit and GAP MAX. count in 100 ms units on older
// firmware (up to 1.2.0, and the single-channel 5.0.0 .. 5.2.0) and in 50 ms units on newer
// firmware. Only the caption beside the numbers follows this; the stored numbers never change.
namespace kz {

enum class TimingUnit { FiftyMs, HundredMs };

// `firmwareValue` is major x 100 + minor x 10 + patch.
constexpr TimingUnit timingUnitForFirmware(int firmwareValue) {
    const bool hundred = firmwareValue <= 120 || (firmwareValue >= 500 && firmwareValue <= 520);
    return hundred ? TimingUnit::HundredMs : TimingUnit::FiftyMs;
}

} // namespace kz
