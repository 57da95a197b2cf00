#pragma once

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// The receiver synthesizer of a TQ615 channel and the rules of the channel frequency.
//
// A channel frequency is kept as seven decimal digits in units of 100 Hz ("1520000" is
// 152.0000 MHz). The pager tunes from two words that the programming tool works out: the R word
// divides the 12.8 MHz reference down to the channel step, the N word counts channel steps up to
// the local oscillator, which sits 21.4 MHz above the frequency in the low band and 21.4 MHz
// below it elsewhere. Outside 100..200 MHz and the low band the oscillator runs at half the
// frequency and the pager doubles it (multiplier 2).
namespace kz {

inline constexpr std::uint32_t kReferenceHz = 12800000;
inline constexpr std::uint32_t kIntermediateHz = 21400000;
// The lowest frequency the receiver accepts.
inline constexpr std::uint32_t kLowestFrequencyHz = 33000000;
// The field shows the frequency in units of this many hertz.
inline constexpr std::uint32_t kFrequencyUnitHz = 100;
inline constexpr int kFrequencyDigits = 7;

// The numbers are the ones the pager and the squelch presets use.
enum class BandClass {
    Vhf = 1,   // 100 MHz to 200 MHz
    Other = 2, // any other frequency: the synthesizer runs at half the frequency
    Low = 3,   // 33 MHz to 51 MHz: wide band only
};

BandClass bandClassOf(std::uint32_t hz);
int multiplierOf(BandClass band);

struct SynthesizerWords {
    BandClass band;
    int multiplier;
    std::uint32_t r;
    std::uint32_t n;
};

// R word: the reference divider for the step, with the pager's control bits 0x11 in the low byte.
std::uint32_t rWordOf(int stepHz);
// N word: the step count d as d / 32 in bits 12 and up and d % 32 in bits 7..11. The arithmetic
// is unsigned and truncating, as the pager's programming tool has always done it, so a stored
// frequency below the intermediate frequency still gives (meaningless) words instead of failing.
std::uint32_t nWordOf(std::uint32_t hz, int stepHz);
// Both words of a frequency and a channel step (2500, 6250 or 12500 Hz).
SynthesizerWords synthesizerWords(std::uint32_t hz, int stepHz);
// The same from the field text; a text that is not a number counts as 0 Hz.
SynthesizerWords synthesizerWords(const QString& text, int stepHz);

// The field text (trimmed digits, units of 100 Hz) in hertz; nothing when it holds anything
// but the digits 0..9 or is empty.
std::optional<std::uint32_t> frequencyHzOfText(const QString& text);
// The text a frequency is shown with: seven digits, units of 100 Hz.
QString frequencyTextOf(std::uint32_t hz);
// The text of a stored frequency (f1FreqDigits, f2FreqDigits): the seven bytes read as the
// decimal digits of one number, "%07llu". The pager tool never checks that they are digits, so a
// byte above 9 still counts with its value (an erased 255 makes the number larger, not invalid).
QString frequencyTextOfDigits(std::span<const std::uint8_t, kFrequencyDigits> digits);
// The text of a synthesizer word (the R and N labels): eight hexadecimal digits, "%08X".
QString synthesizerWordText(std::uint32_t word);
// Whether the frequency field's key filter lets the key through: digits and backspace.
bool frequencyKeyPasses(QChar key);

// --- channel step ------------------------------------------------------------------------------

// Step codes stored beside the frequency. A step chosen from the list stores 0x20 + its
// position; the Auto search stores 0x22, 0x23 or 0x24 for 12.5, 6.25 or 2.5 kHz; an image whose
// R word asks for the 2.5 kHz reference gets 0x25 when it is loaded.
inline constexpr std::uint8_t kFirstStepCode = 0x20;
inline constexpr std::uint8_t kForcedNarrowStepCode = 0x25;
inline constexpr int kNarrowStepHz = 2500;
inline constexpr int kDefaultStepHz = 12500;
// Positions of the "Frequency Step" list: "2.5 K", "6.25 K", "12.5 K", "Auto".
inline constexpr int kStepListCount = 4;
inline constexpr int kAutoStepPosition = 3;

// Step of a fixed list position (0..2); nothing for Auto or no selection.
std::optional<int> stepHzOfPosition(int position);
std::uint8_t stepCodeOfPosition(int position);
// The list position that shows a stored step code: codes 0x20..0x22 their fixed step, higher
// codes Auto; -1 (no selection) below 0x20.
int positionOfStepCode(std::uint8_t code);
// An R word whose hexadecimal text begins "00020B" forces the 2.5 kHz step when loaded.
bool rWordForcesNarrowStep(std::uint32_t rWord);

struct AutoStep {
    int stepHz;
    std::uint8_t code;
};
// Tries 12.5, 6.25 and 2.5 kHz in this order; the first that divides the frequency.
std::optional<AutoStep> autoStepOf(std::uint32_t hz);

// --- the frequency check -----------------------------------------------------------------------

enum class FrequencyVerdict { Accepted, BelowLowest, OffStep };

struct FrequencyDecision {
    FrequencyVerdict verdict;
    int stepHz;                           // the channel step afterwards
    std::optional<std::uint8_t> stepCode; // a step code to store (only Auto finds one)
};

// The exit check of a frequency field without its widgets. `hz` is nothing for a text that is
// not a number (only pasting can put one there): it is refused like a frequency below the
// lowest, and the channel step stays. `listPosition` is the step list's position (-1 for none:
// the step stays as it was). When Auto finds no step that divides the frequency the channel
// keeps its step and code, and the frequency is refused for its spacing.
FrequencyDecision decideFrequency(std::optional<std::uint32_t> hz, int listPosition,
                                  int currentStepHz);

// The cross-channel band rule: after a channel computed `band`, whether the other channel's
// text (units of 100 Hz) lies in a band that does not go with it. Both channels must stay in one
// band; the 100..200 MHz and the other band are told apart at 200 MHz only, as the pager's
// programming tool always has.
bool otherChannelMismatches(BandClass band, const QString& otherText);

} // namespace kz
