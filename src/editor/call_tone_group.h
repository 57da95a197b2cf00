#pragma once

#include "call_tone_controls.h"

class QWidget;

namespace kz {

// Builds the "Call Tone" group of a channel page as a child of `parent`: eight call rows, four
// group-call rows, the column headings, the duty boxes and the tone-table label. Every control
// carries its name ("chkF1Call0", "edtF2GT3", ...) as objectName and its row as the "Tag"
// property. Nothing is shown from the image here; the show steps do that.
CallToneControls buildCallToneGroup(kz::Channel channel, QWidget* parent);

} // namespace kz
