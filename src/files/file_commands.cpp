#include "file_commands.h"

#include "builtin_images.h"
#include "firmware_version.h"
#include "function_switch_defaults.h"
#include "message_service.h"
#include "program_identity.h"
#include "table_file.h"

#include <QDir>
#include <QFileInfo>

namespace kz {

namespace {

// "%s  [%s]": the program title, two blanks, the file name in brackets.
QString captionWithFile(const QString& title, const QString& file) {
    return QStringLiteral("%1  [%2]").arg(title, file);
}

} // namespace

FileCommands::FileCommands(FileCommandHost& host, QString startupDirectory, QString programTitle)
    : host_(host), startupDirectory_(std::move(startupDirectory)),
      programTitle_(std::move(programTitle)), saveTarget_(kDefaultTableName),
      factory_(builtinFactoryImage()) {}

const QString& FileCommands::defaultSaveQuestion() {
    static const QString text = QStringLiteral(
        "Click OK will save all changes to the default file.\nThis will change all the default "
        "values and automatically loaded up by KZ904 programming software in the future.");
    return text;
}

const QString& FileCommands::restoreQuestion() {
    static const QString text = QStringLiteral("It will restore all the settings to the "
                                               "factory-default settings and your setting will be "
                                               "lost.");
    return text;
}

const QString& FileCommands::openFailure() {
    static const QString text = QStringLiteral(
        "Can't perform one of the following file operations: Open, Seek, Read, Close.");
    return text;
}

FileDialogSetup FileCommands::dialogSetup() const {
    return {startupDirectory_, kTableFilter, kTableSuffix};
}

QString FileCommands::resolve(const QString& name) const {
    return QDir(startupDirectory_).filePath(name);
}

void FileCommands::Open1Click() {
    const auto chosen = host_.chooseFileToOpen(dialogSetup());
    if (!chosen)
        return;

    // The file is read before anything changes: a failed read leaves the image as it was.
    QString reason;
    const auto bytes = readTableFile(*chosen, &reason);
    if (!bytes) {
        showReadFailure(reason);
        return;
    }
    TPagerImage& image = host_.workingImage();
    copyTableBytes(*bytes, image);

    host_.showFirmwareLabel(
        firmwareVersionText(image.block(PagerField::headerBlock, PagerField::headerBlockSize)));
    host_.showTimingUnit(timingUnitForFirmware(image.firmwareVersionValue()));
    host_.runLoadingPass();
    host_.setCaption(captionWithFile(programTitle_, *chosen));
}

void FileCommands::SaveAs1Click() {
    const auto chosen = host_.chooseFileToSave(dialogSetup());
    if (!chosen)
        return;
    if (!saveTo(*chosen))
        return; // the caption and the save target stay as they were
    host_.setCaption(captionWithFile(programTitle_, *chosen));
    saveTarget_ = *chosen;
}

void FileCommands::Save1Click() {
    // The full text is compared: a default.tbl chosen in another folder is saved without asking.
    if (saveTarget_ == kDefaultTableName && messages().show({kMessageTitle,
                                                             defaultSaveQuestion(),
                                                             MessageIcon::Warning,
                                                             MessageButtons::YesNo,
                                                             {}}) != MessageButton::Yes)
        return;
    saveTo(saveTarget_);
}

bool FileCommands::saveTo(const QString& name) {
    TPagerImage& image = host_.workingImage();
    image.storeImageSum();
    stampToolVersion(image);

    const QString path = resolve(name);
    QString reason;
    if (writeTableFile(path, image, startupDirectory_, &reason))
        return true;
    warn(QStringLiteral("Could not save the table file \"%1\": %2").arg(path, reason));
    return false;
}

void FileCommands::Recallfaxtorysetup1Click() {
    if (messages().show(
            {kMessageTitle, restoreQuestion(), MessageIcon::Warning, MessageButtons::YesNo, {}}) !=
        MessageButton::Yes)
        return;

    if (host_.caption().trimmed().size() > static_cast<qsizetype>(identityField().size())) {
        saveTarget_ = kDefaultTableName;
        host_.setCaption(QString::fromStdString(identityField()));
    }
    host_.setChannelSteps(12500, 12500);

    // The factory image follows the One Channel box, and keeps that for the rest of the run.
    const bool oneChannel = host_.oneChannelChecked();
    factory_.storeImageSum();
    const std::uint8_t mark =
        oneChannel ? PagerValue::oneChannelPager : PagerValue::twoChannelPager;
    factory_.setByte(PagerField::oneChannelMark, mark);
    factory_.setByte(PagerField::oneChannelMark2, mark);
    factory_.replace(functionSwitchDefaults(oneChannel).bytes, PagerField::functionSwitches);
    host_.resetModeMemory(oneChannel);
    factory_.storeImageSum();

    host_.workingImage() = factory_;
    host_.showTimingUnit(TimingUnit::FiftyMs);
    host_.runLoadingPass();
    host_.hideFirmwareLabel();
}

void FileCommands::loadDefaultTable() {
    const QString path = resolve(kDefaultTableName);
    // A missing default.tbl is the ordinary case of a new installation: the built-in image
    // stays, without a word.
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return;
    // One that is there but cannot be read (no permission, a folder of that name, an I/O
    // error) is told, as Open tells it: otherwise the user would edit the built-in image
    // believing it is theirs, and a later Save would offer to replace the file. The start-up
    // goes on with the built-in image.
    QString reason;
    if (const auto bytes = readTableFile(path, &reason))
        copyTableBytes(*bytes, host_.workingImage());
    else
        showReadFailure(reason);
    host_.runLoadingPass();
}

void FileCommands::showReadFailure(const QString& reason) {
    messages().show({QStringLiteral("File Error"), openFailure(), MessageIcon::None,
                     MessageButtons::OkCancel, reason});
}

} // namespace kz
