#pragma once

#include "file_command_host.h"
#include "pager_image.h"

#include <QString>

// The commands of the File menu and the start-up load of default.tbl.
namespace kz {

class FileCommands {
public:
    // `startupDirectory` holds default.tbl, the backups and is where the dialogs start.
    FileCommands(FileCommandHost& host, QString startupDirectory, QString programTitle);

    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Recallfaxtorysetup1Click();
    // Once, when the main window is first shown: default.tbl replaces the image when it exists;
    // one that exists but cannot be read is reported as Open reports it, and the image stays.
    void loadDefaultTable();

    // The file "&Save" writes: "default.tbl" at start, the name chosen in "Save As ...".
    const QString& saveTarget() const { return saveTarget_; }
    // The factory image as it stands now: Restore adjusts it and the changes stay for the run.
    const TPagerImage& factoryImage() const { return factory_; }

    static const QString& defaultSaveQuestion();
    static const QString& restoreQuestion();
    static const QString& openFailure();

private:
    FileDialogSetup dialogSetup() const;
    // Stamps the sum and the version into the working image, writes it to `name` and reports a
    // failure. True when the file was written.
    bool saveTo(const QString& name);
    QString resolve(const QString& name) const;
    // The "File Error" box of a table file that could not be read, with the system's reason.
    void showReadFailure(const QString& reason);

    FileCommandHost& host_;
    QString startupDirectory_;
    QString programTitle_;
    QString saveTarget_;
    TPagerImage factory_;
};

} // namespace kz
