#include "file_host.h"

#include "configuration_editor.h"
#include "main_window.h"

#include <QFileDialog>
#include <QLabel>

namespace kz {

TPagerImage& FileHost::workingImage() {
    return form_.image();
}

void FileHost::runLoadingPass() {
    form_.loadImageIntoEditor();
}

QString FileHost::caption() const {
    return form_.windowTitle();
}

void FileHost::setCaption(const QString& caption) {
    form_.setWindowTitle(caption);
}

void FileHost::showFirmwareLabel(const QString& text) {
    form_.lblVersion->setText(text);
    form_.lblVersion->setVisible(true);
}

void FileHost::hideFirmwareLabel() {
    form_.lblVersion->setVisible(false);
}

void FileHost::showTimingUnit(TimingUnit unit) {
    form_.editor().showTimingUnit(unit);
}

bool FileHost::oneChannelChecked() const {
    return form_.editor().oneChannelChecked();
}

void FileHost::setChannelSteps(int f1Hz, int f2Hz) {
    form_.editor().setChannelSteps(f1Hz, f2Hz);
}

void FileHost::resetModeMemory(bool oneChannel) {
    form_.editor().resetModeMemory(oneChannel);
}

namespace {

std::optional<QString> runDialog(QWidget* parent, const FileDialogSetup& setup,
                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setObjectName(mode == QFileDialog::AcceptOpen ? QStringLiteral("OpenDialog1")
                                                         : QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // An existing file is kept as its .BAK backup, so no overwrite question is needed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDirectory(setup.initialFolder);
    dialog.setNameFilter(setup.nameFilter);
    dialog.setDefaultSuffix(setup.defaultSuffix);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> FileHost::chooseFileToOpen(const FileDialogSetup& setup) {
    if (chooseFile)
        return chooseFile(setup, false);
    return runDialog(&form_, setup, QFileDialog::AcceptOpen);
}

std::optional<QString> FileHost::chooseFileToSave(const FileDialogSetup& setup) {
    if (chooseFile)
        return chooseFile(setup, true);
    return runDialog(&form_, setup, QFileDialog::AcceptSave);
}

} // namespace kz
