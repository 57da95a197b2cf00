#pragma once

#include "call_tone_controls.h"

#include <QObject>

class QKeyEvent;
class QWidget;

namespace kz {

class TPagerImage;
class ToneFieldsEditor;

// The call rows of one channel page: eight calls and four group calls, each with its enable box,
// tone type, alert pattern, alert time, priority alert and function-switch duties, and the four
// duty boxes under the switch columns. Every accepted change is written into the working image
// at once. The tone fields of the rows belong to ToneFieldsEditor.
class CallRowsEditor : public QObject {
public:
    CallRowsEditor(CallToneControls& controls, TPagerImage& image, ToneFieldsEditor& tones,
                   QWidget* focusSink);
    CallRowsEditor(const CallRowsEditor&) = delete;
    CallRowsEditor& operator=(const CallRowsEditor&) = delete;

    kz::Channel channel() const { return c_.channel; }

    // Show steps (set controls from the image without storing), one per family.
    void showPatterns(kz::CallFamily family);
    void showToneTypes(kz::CallFamily family);
    void refreshRows(kz::CallFamily family);
    void showPriorities(kz::CallFamily family);
    void showAlertTimes(kz::CallFamily family);
    // Per channel: the switch boxes from their bits; the duty boxes from dutyDisableFlags, each
    // followed by its click so that the switch boxes follow.
    void showSwitches();
    void showDutyBoxes();

    // Handlers; each serves a whole family and takes the row.
    void enableClick(kz::CallFamily family, int row);
    void toneTypeClick(kz::CallFamily family, int row);
    void patternExit(kz::CallFamily family, int row);
    void alertTimeListClick(kz::CallFamily family, int row);
    // True when the time was accepted (stored or left to the stored value); false when it was
    // refused with the focus sent back into the field.
    bool alertTimeExit(kz::CallFamily family, int row);
    void priorityClick(kz::CallFamily family, int row);
    void switchClick(kz::CallFamily family, int row, int sw);
    void dutyClick(int sw);

private:
    CallRow& row(kz::CallFamily family, int row);
    bool patternKey(QLineEdit* field, QKeyEvent* event);
    bool alertTimeKey(kz::CallFamily family, int row, QKeyEvent* event);
    void connectRow(kz::CallFamily family, int row);
    void focusSink();

    CallToneControls& c_;
    TPagerImage& image_;
    ToneFieldsEditor& tones_;
    QWidget* focusSink_;
};

} // namespace kz
