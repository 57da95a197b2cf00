#pragma once

#include "pager_image.h"
#include "timing_units.h"

#include <QString>

#include <optional>

// What the file commands need from the main window. The commands themselves know no widgets, so
// they can be tested with a recording host and used without a window.
namespace kz {

struct FileDialogSetup {
    QString initialFolder;
    QString nameFilter;    // "Table files (*.tbl)"
    QString defaultSuffix; // "tbl"
};

class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;

    virtual TPagerImage& workingImage() = 0;
    virtual void runLoadingPass() = 0;

    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;

    virtual void showFirmwareLabel(const QString& text) = 0;
    virtual void hideFirmwareLabel() = 0;
    virtual void showTimingUnit(TimingUnit unit) = 0;

    // State of the One Channel box of the Setting page.
    virtual bool oneChannelChecked() const = 0;
    // Channel steps of F1 and F2, in hertz.
    virtual void setChannelSteps(int f1Hz, int f2Hz) = 0;
    // Puts back the start values of the remembered Mode list positions: the one-channel set when
    // `oneChannel`, else the two-channel set.
    virtual void resetModeMemory(bool oneChannel) = 0;

    // The file dialogs; nothing when the user cancels. The open dialog accepts existing files only.
    virtual std::optional<QString> chooseFileToOpen(const FileDialogSetup& setup) = 0;
    virtual std::optional<QString> chooseFileToSave(const FileDialogSetup& setup) = 0;
};

} // namespace kz
