#pragma once

#include "pager_image.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Table files: one pager configuration on disk, the 512 bytes of the image and nothing else.
namespace kz {

inline const QString kDefaultTableName = QStringLiteral("default.tbl");
inline const QString kTableSuffix = QStringLiteral("tbl");
inline const QString kTableFilter = QStringLiteral("Table files (*.tbl)");

// Reads what a table file contributes: its first 512 bytes, or all of a shorter file. Nothing
// beyond that is read, so a wrongly chosen huge file (or a device) cannot exhaust the memory. On
// failure returns nothing and sets `error` to the system's reason.
std::optional<QByteArray> readTableFile(const QString& path, QString* error = nullptr);

// Copies what a table file contributes into `image`: its first 512 bytes, or all of a shorter
// file (the rest of the image stays as it was). A longer file, such as the 1024-byte dump of a
// damaged read, contributes its first 512 bytes.
void copyTableBytes(const QByteArray& file, TPagerImage& image);

// The backup name of `path`: its base name (no folder, no extension) followed by ".BAK", in
// `backupFolder`.
QString backupPathFor(const QString& path, const QString& backupFolder);

// Writes the 512 bytes of `image` to `path`. An existing file is first renamed to its backup
// name in `backupFolder` unless a backup of that name already exists (the older backup is kept
// and the file is overwritten). The new content goes to a temporary file that replaces the target
// only once every byte of it is on the disk, so a failure (a full disk included) never leaves a
// truncated table file; after a failure the previous file and backup are as they were. A `path`
// that is a symbolic link keeps the link: the file it leads to is the one backed up and replaced.
// Returns false with the system's reason in `error`.
bool writeTableFile(const QString& path, const TPagerImage& image, const QString& backupFolder,
                    QString* error = nullptr);

} // namespace kz
