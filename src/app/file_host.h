#pragma once

#include "file_command_host.h"

#include <functional>

class TForm1;

namespace kz {

// Connects the File menu commands to the main window: its image, caption and firmware label,
// the configuration editor, and the Qt file dialogs.
class FileHost final : public FileCommandHost {
public:
    explicit FileHost(TForm1& form) : form_(form) {}

    TPagerImage& workingImage() override;
    void runLoadingPass() override;
    QString caption() const override;
    void setCaption(const QString& caption) override;
    void showFirmwareLabel(const QString& text) override;
    void hideFirmwareLabel() override;
    void showTimingUnit(TimingUnit unit) override;
    bool oneChannelChecked() const override;
    void setChannelSteps(int f1Hz, int f2Hz) override;
    void resetModeMemory(bool oneChannel) override;
    std::optional<QString> chooseFileToOpen(const FileDialogSetup& setup) override;
    std::optional<QString> chooseFileToSave(const FileDialogSetup& setup) override;

    // Replaces the Qt file dialogs (tests answer them without a modal window): called with the
    // dialog setup and whether it is the save dialog; nothing means Cancel.
    std::function<std::optional<QString>(const FileDialogSetup&, bool save)> chooseFile;

private:
    TForm1& form_;
};

} // namespace kz
