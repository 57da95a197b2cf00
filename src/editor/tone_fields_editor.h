#pragma once

#include "call_tone_controls.h"
#include "tone_field_context.h"
#include "tone_field_markers.h"
#include "tone_spacing.h"
#include "tone_system.h"

#include <QObject>
#include <QString>

#include <optional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace kz {

class TPagerImage;

// The 40 tone fields of the two channel pages: Tone 1 and Tone 2 of eight calls and the tone of
// four group calls per channel. A tone typed into a field is checked against the selected tone
// system, moved to the system's nearest table tone (or, under User, checked against the spacing
// rule) and stored with its tone code. Also owns the tone-field markers that tell a tone picker
// which field to fill, the spacing conflict mark and the two channels' tone caches.
class ToneFieldsEditor : public QObject {
public:
    // `focusSink` is the window's focus sink: moving the focus there ends the entry of a field.
    ToneFieldsEditor(TPagerImage& image, kz::ToneFieldContext& context, QWidget* focusSink,
                     CallToneControls& f1, CallToneControls& f2);
    ToneFieldsEditor(const ToneFieldsEditor&) = delete;
    ToneFieldsEditor& operator=(const ToneFieldsEditor&) = delete;

    // Show steps: show the family's stored tones and put them into the channel's tone cache.
    void refreshCallTones(kz::Channel channel);
    void refreshGroupTones(kz::Channel channel);

    // Handlers. Each serves one kind of field on both channels and takes the row.
    void enter(kz::Channel channel, kz::ToneKind kind, int row);
    bool keyPress(kz::Channel channel, kz::ToneKind kind, int row, QKeyEvent* event);
    // The exit check, run when a field is left and directly by the enable boxes, the tone
    // system click, the decoder bandwidth list and the pickers. True when the tone was stored.
    bool exitCheck(kz::Channel channel, kz::ToneKind kind, int row);
    void doubleClick(kz::ToneKind kind, int row);
    // F9 of the main window: opens the picker of the selected system for the marked field.
    void f9Pressed();
    // What a tone-table picker does as it closes: for the Tone 1, Tone 2 and group markers in
    // turn, the marked field of `channel` takes `tone` (when the picker picked one) and runs its
    // exit check, then the marker is cleared. Without a channel (the current page is no channel
    // page) the markers are only cleared.
    void finishPick(std::optional<kz::Channel> channel, const std::optional<QString>& tone);
    // Runs the exit check of every tone field: for rows 0..7 F1 Tone 1, F1 Tone 2, F2 Tone 1,
    // F2 Tone 2; then for rows 0..3 the F1 and the F2 group tone. The tone system click runs it,
    // and so does a change of the decoder bandwidth.
    void recheckAllTones();

    // Hover over a channel's "Call Tone" group or one of its rows: ends any tone entry unless a
    // spacing conflict is pending.
    void hover(kz::Channel channel);

    // The pickers read the markers to find the field to fill and clear them when they close.
    const ToneFieldMarkers& markers() const { return markers_; }
    ToneFieldMarkers& markers() { return markers_; }
    QLineEdit* toneField(kz::Channel channel, kz::ToneKind kind, int row) {
        return controls(channel).toneField(kind, row);
    }
    // Row of the entry that last refused a tone under the spacing rule, or -1.
    int spacingConflictMark() const { return spacingConflict_; }
    const kz::ToneCache& toneCache(kz::Channel channel) const;

private:
    CallToneControls& controls(kz::Channel channel);
    kz::ToneCache& cache(kz::Channel channel);
    kz::ToneCacheEnables enables(kz::Channel channel);
    void refresh(kz::Channel channel, kz::ToneKind kind);
    void showToneTableLabel(kz::Channel channel);
    void refuseOutOfRange(QLineEdit* field, const QString& message);
    void commit(kz::Channel channel, kz::ToneKind kind, int row, int value);
    void connectField(kz::Channel channel, kz::ToneKind kind, int row);

    TPagerImage& image_;
    kz::ToneFieldContext& context_;
    QWidget* focusSink_;
    std::array<CallToneControls*, 2> controls_;
    std::array<kz::ToneCache, 2> caches_{};
    ToneFieldMarkers markers_;
    int spacingConflict_ = -1;
};

} // namespace kz
