#pragma once

#include "call_rows_editor.h"
#include "call_tone_controls.h"
#include "tone_fields_editor.h"

#include <array>
#include <memory>

class QWidget;

namespace kz {

class TPagerImage;

// The call editor of the Channel F1 and Channel F2 pages: the "Call Tone" group of each page with
// its call rows and tone fields.
class ChannelPagesEditor {
public:
    // Builds the two "Call Tone" groups on the two channel pages (into their layouts when they
    // have one) and connects every handler. `context` answers what the tone fields ask of the
    // rest of the editor; `focusSink` is the window's focus sink.
    ChannelPagesEditor(TPagerImage& image, kz::ToneFieldContext& context, QWidget* focusSink,
                       QWidget* pageF1, QWidget* pageF2);
    ChannelPagesEditor(const ChannelPagesEditor&) = delete;
    ChannelPagesEditor& operator=(const ChannelPagesEditor&) = delete;
    ~ChannelPagesEditor();

    // Steps of the loading pass, in the order the pass runs them.
    // Tones, patterns, types, row enables, priorities and alert times of one channel's calls
    // and group calls.
    void showChannelRows(kz::Channel channel);
    // Duty boxes and switch boxes of F1, then of F2.
    void showDutySwitches();

    // What the Enable Fixed Alert Time box does to the calls once its new state is settled:
    // marks the image, turns every alert time into STD when unchecked and refreshes every row.
    void applyFixedAlertTime(bool enabled);

    // One Channel: a single-channel pager has no second channel to edit. Disabling turns off the
    // channel's whole "Call Tone" group; enabling turns it on and applies the row enabling again.
    void setChannelEnabled(kz::Channel channel, bool enabled);

    ToneFieldsEditor& tones() { return *tones_; }
    CallRowsEditor& rows(kz::Channel channel) { return *rows_[static_cast<std::size_t>(channel)]; }
    CallToneControls& controls(kz::Channel channel) {
        return controls_[static_cast<std::size_t>(channel)];
    }

private:
    TPagerImage& image_;
    std::array<CallToneControls, 2> controls_;
    std::unique_ptr<ToneFieldsEditor> tones_;
    std::array<std::unique_ptr<CallRowsEditor>, 2> rows_;
};

} // namespace kz
