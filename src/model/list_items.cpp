#include "list_items.h"

namespace kz::items {

const QStringList& frequencySteps() {
    static const QStringList items{"2.5 K", "6.25 K", "12.5 K", "Auto"};
    return items;
}

const QStringList& toneTypes() {
    static const QStringList items{"Standard", "Continuous", "User define"};
    return items;
}

const QStringList& twoChannelModes() {
    static const QStringList items{"Monitor F1",        "Monitor F2",  "Selective Call F1",
                                   "Selective Call F2", "Normal Scan", "Priority Scan F1",
                                   "Silent Scan"};
    return items;
}

const QStringList& oneChannelModes() {
    static const QStringList items{"Monitor F1", "Selective Call F1"};
    return items;
}

const QStringList& alertTypes() {
    // "Vibtate" is how the pager's users have always seen it.
    static const QStringList items{"Tone", "Vibrate", "Tone & Vibtate"};
    return items;
}

const QStringList& resetControls() {
    static const QStringList items{"Auto Reset",
                                   "Delay N sec Auto Reset",
                                   "Revert SQ",
                                   "Manual RESET",
                                   "Manual RESET Until Press Reset",
                                   "Time-Out RESET",
                                   "Delay AUTO N with Revert"};
    return items;
}

const QStringList& recordSections() {
    static const QStringList items{"4 section  (120 second)", "8 sections (60 second)",
                                   "16 sections (30 second)", "32 sections (15 second)"};
    return items;
}

const QStringList& reminders() {
    static const QStringList items{"Disable", "30  Second", "60  Second", "120 Second"};
    return items;
}

const QStringList& alertPeriods() {
    static const QStringList items{"Disable", "2 min", "5 min", "10 min", "30 min"};
    return items;
}

const QStringList& priorityScanPeriods() {
    static const QStringList items{"0.5 Second", "1 Second", "2 Second"};
    return items;
}

const QStringList& auxDbData() {
    static const QStringList items{"00", "01", "10", "11"};
    return items;
}

const QStringList& modelOptionCaptions() {
    static const QStringList items{"Stored Voice",
                                   "FIX Alert",
                                   "Disable Power Save",
                                   "Privacy Enable",
                                   "Priority Max. Volume Level",
                                   QString(),
                                   "Disable Vibrator in Charger",
                                   "Disable Battery Level Display"};
    return items;
}

} // namespace kz::items
