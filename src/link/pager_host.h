#pragma once

#include <QString>

namespace kz {

class TPagerImage;

// What the pager operations need from the main window. The operations never touch a widget;
// the main window implements this, tests use a recording implementation.
class PagerHost {
public:
    virtual ~PagerHost() = default;

    // The editor's working image, for the whole run.
    virtual TPagerImage& workingImage() = 0;
    // Directory of "errtbl.tbl" (the start-up directory).
    virtual QString startupDirectory() const = 0;

    // Second panel of the status bar.
    virtual void setStatusLine(const QString& text) = 0;
    // Everything of the main window that takes input, disabled for the whole of an operation.
    virtual void setMainWindowEnabled(bool enabled) = 0;

    // First panel of the status bar: the outcome of the last pager operation ("Write Fail !",
    // "Read Success !"), stamped with the time it was shown and marked when it is a failure.
    // It stays after the progress window has closed, so that a half-written pager does not
    // look like a written one, and is cleared when the next operation starts.
    virtual void setLastOutcome(const QString& text, bool failed) = 0;
    virtual void clearLastOutcome() = 0;

    // Progress window: state text, gauge (range 0..maximum, value, shown or hidden), showing
    // and closing the window. A value beyond the range shows a full bar.
    virtual void showProgress() = 0;
    virtual void closeProgress() = 0;
    virtual void setProgressState(const QString& text) = 0;
    virtual void setGaugeRange(int maximum) = 0;
    virtual void setGaugeValue(int value) = 0;
    virtual void setGaugeVisible(bool visible) = 0;

    // `lblVersion`: the pager's firmware version.
    virtual void setFirmwareText(const QString& text) = 0;
    virtual void setFirmwareVisible(bool visible) = 0;
    // `edtSerialNo`.
    virtual void setSerialText(const QString& text) = 0;

    // Index of the port chosen in the "COM Port" list (-1 when none) and selecting one.
    virtual int selectedPortIndex() const = 0;
    virtual void selectPortIndex(int index) = 0;

    // Shows the whole working image again in the editor.
    virtual void runLoadingPass() = 0;
    // Applies the squelch presets of the current frequency band and serial prefix again; does
    // nothing until the page that owns the presets is built.
    virtual void applySquelchPresets() {}

    // The trace on the DEBUG page: the last frame sent replaces `memSend`, every reply is
    // appended to `memRec`.
    virtual void traceSent(const QString& byteList) = 0;
    virtual void traceReceived(const QString& byteList) = 0;
};

} // namespace kz
