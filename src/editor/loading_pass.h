#pragma once

#include <array>
#include <functional>
#include <vector>

// The loading pass makes every control of the main window show the working image.
//
// It runs once at start-up and again after every whole-image replacement (default.tbl, Open, a
// successful Read, Restore). Its steps always run in the order of the Step list below; each page
// of the editor registers the show steps it owns, and a step nobody registered is passed over.
// Several actions may share a step (the Setting and Advance pages both contribute to step 22);
// they run in the order they were added.
namespace kz {

class LoadingPass {
public:
    enum Step {
        SynthesizerWords = 1,       // show f1PllR..f2PllN as hexadecimal
        ForcedStep,                 // R word "00020B..." forces the 2.5 kHz step
        Frequencies,                // show both frequencies, compute the synthesizer words
        ChannelSteps,               // step lists from the step codes, fire them
        ToneSystem,                 // tone-system radio button from toneSystem, no click
        FixedAlertTime,             // Enable Fixed Alert Time box from fixedAlertTimeMark, no click
        DecoderBandwidth,           // decoder bandwidth list and value
        ChannelF1Rows,              // F1 call and group-call rows, twelve show steps
        ChannelF2Rows,              // the same for F2
        SettingTab,                 // model options, reset control, alert tonality
        OneChannel,                 // one-channel decision, function switches, fire chkOneChannel
        ToneTiming,                 // tone durations and limits
        ResetControlAgain,          // reset control list from resetMode / controlFlags, fire it
        ResetDelay,                 // Delay Time
        ReminderBand,               // reminder list from reminderInterval, fire it
        RecordSectionsAndBandwidth, // record sections; decoder bandwidth list again
        SystemNumbers,         // decoder reset, carrier-off delay, RF delay, speaker-on voltages
        SquelchTables,         // WB and NB squelch tables
        SquelchLevelSelection, // WB and NB squelch level lists, fire them
        RemainingVoltages,     // RSSI and speaker-off voltages
        PlainNumbers,          // battery-save periods, gap, noise limit, priority scan
        FunctionOptionsAndBattery, // function options; battery group
        DutySwitches,              // duty boxes (with their clicks) and switch boxes of F1, then F2
        SerialNumber,              // serial field
        PriorityScanPeriod,        // cboCircle from priorityScanF1 x batterySave2
        ReceiverBandwidth,         // F1 and F2 receiver bandwidth lists, fire them
        AuxDb,                     // AUX DB list
        SquelchControlRecord,      // chkSQLRec from controlFlags bit 0, no click
    };
    static constexpr int kStepCount = SquelchControlRecord;

    void add(Step step, std::function<void()> action);
    bool hasStep(Step step) const;
    void run() const;

private:
    std::array<std::vector<std::function<void()>>, kStepCount + 1> steps_;
};

} // namespace kz
