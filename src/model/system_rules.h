#pragma once

#include "tone_system.h"

#include <QString>

#include <cstdint>
#include <optional>

// The pager-wide numbers of the System page: decoder timing, tone durations and limits, the
// signal thresholds (voltage codes) of wide-band and narrow-band reception and the AUX DB bits.
namespace kz {

// --- whole numbers ------------------------------------------------------------------------------
inline const QString kPriorityScanRangeMessage =
    QStringLiteral("Please insert a number between 1 to 255");
inline const QString kToneTimingRangeMessage =
    QStringLiteral("Please insert a number between 0 to 65535");
// The value of a typed whole number within low..high. nullopt for a text that is no whole number
// (a pasted fraction or word), for one too long to convert and for one outside the range: the
// field refuses all of them with its range message.
std::optional<int> wholeNumberIn(const QString& typed, int low, int high);

// --- decoder reset (half seconds) ---------------------------------------------------------------
inline const QString kDecoderResetRangeMessage =
    QStringLiteral("Please insert a number between 0 to 127.5");
inline const QString kHalfSecondMessage = QStringLiteral("The interval is 0.5 second.");

struct DecoderResetEntry {
    enum class Outcome {
        Empty,       // show the stored value
        OutOfRange,  // range message, focus back, typed text kept (also for a non-number)
        BadInterval, // kHalfSecondMessage, stored value shown again
        Accepted,
    };
    Outcome outcome;
    QString shownText;     // "%01.1f" of the accepted value
    std::uint8_t byte = 0; // decoderReset: twice the value shown
};
DecoderResetEntry checkDecoderReset(const QString& typed);
// "%01.1f" of byte x 0.5 s (61 shows "30.5").
QString decoderResetText(std::uint8_t byte);

// --- priority scan ------------------------------------------------------------------------------
inline const QString kPriorityScanRuleMessage =
    QStringLiteral("Priority ScanF1 x (Battery Save2 x 10ms) must less than 30000 ms !");
// The pager looks at the priority channel every count battery-save cycles (Battery Save2, 10 ms
// units); that time must stay below 30 s.
bool priorityScanFits(int count, int batterySave2);

// --- tone timing --------------------------------------------------------------------------------
inline constexpr int kToneDurationRows = 3; // Tone1, Tone2, Group Call (Advance page)
inline constexpr int kToneLimitRows = 2;    // Tone1, Tone2
// 16-bit fields of the rows: durations at 371, 375, 379, limits at 369, 373.
int toneDurationOffset(int row);
int toneLimitOffset(int row);
// Where the low byte of Tone2 Duration is kept for the tone system: the pager keeps one copy for
// the Plectron system and one for the others, and a change of system shows the matching one.
int tone2DurationCopyOffset(ToneSystem system);

// --- voltage codes ------------------------------------------------------------------------------
// An 8-bit code stands for code x 3 / 256 volts. Shown with two decimals, rounded half up.
QString voltageText(std::uint8_t code);
// The code of a voltage in hundredths: V x 256 / 3 rounded half up to one decimal, then cut to its
// whole part (0.15 V gives 12, which shows as 0.14). Values above 2.55 V are clamped to 255.
std::uint8_t voltageCodeOf(int hundredths);
// A shown voltage text in hundredths of a volt; nullopt when it is no number.
std::optional<int> hundredthsOf(const QString& text);

enum class VoltageGroup { Wb, Nb };
enum class VoltageRole { SpeakerOn, SpeakerOff, Rssi };

inline const QString kSpeakerRangeMessage =
    QStringLiteral("Please insert a number between 0 to 2.55");
inline const QString kRssiRangeMessage = QStringLiteral("Please insert a number between 0 to 1");
QString voltageOrderMessage(VoltageGroup group);

// What the three fields of a group show, in hundredths of a volt.
struct VoltageGroupShown {
    int speakerOn = 0;
    int speakerOff = 0;
    int rssi = 0;
};

struct VoltageEntry {
    enum class Outcome {
        Empty,    // show the stored code again
        Refused,  // message, focus back, nothing stored
        Accepted, // store code
    };
    Outcome outcome;
    QString shownText; // the text the field shows now ("%1.2f" of a number; the typed text else)
    QString message;   // the refusal
    std::uint8_t code = 0;
};
// The exit check of one voltage field: the typed text against its range and against the order
// rule of its group (Speaker ON >= Speaker OFF >= RSSI, equal values pass), in the field's own
// order. `shown` holds what the two other fields of the group show; its entry for `role` is not
// read.
VoltageEntry checkVoltage(VoltageGroup group, VoltageRole role, const QString& typed,
                          VoltageGroupShown shown);

// The squelch level (0..4) whose Speaker ON voltage in the high-band preset table equals
// `hundredths`; -1 when none does.
int squelchLevelOfSpeakerOn(int hundredths);

// --- AUX DB -------------------------------------------------------------------------------------
// Bits 3-4 of auxFlags; the other bits stay as they are.
int auxDbPositionOf(std::uint8_t auxFlags);
std::uint8_t auxFlagsWithAuxDb(std::uint8_t auxFlags, int position);

} // namespace kz
