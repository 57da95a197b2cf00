#pragma once

#include <QString>
#include <QStringList>

// The items of the editor's drop-down lists and the captions of its option boxes, as the user
// sees them, by position. The pages fill their controls from here, and the listing of an image
// (kz904-cli dump and diff) names a stored value by the very same item.
namespace kz::items {

// "Frequency Step": positions of the step codes (positionOfStepCode).
const QStringList& frequencySteps();
// Tone type of a call row.
const QStringList& toneTypes();
// Mode of a function switch on a two-channel and on a single-channel pager.
const QStringList& twoChannelModes();
const QStringList& oneChannelModes();
// Alert type of a function switch.
const QStringList& alertTypes();
const QStringList& resetControls();
const QStringList& recordSections();
const QStringList& reminders();
// Low-battery alert period (alertPeriodPositionOf).
const QStringList& alertPeriods();
// Priority-scan period (periodPositionOf).
const QStringList& priorityScanPeriods();
const QStringList& auxDbData();
// "Model Options" by bit of modelOptions; bit 5 has no box.
const QStringList& modelOptionCaptions();

} // namespace kz::items
