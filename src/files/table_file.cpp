#include "table_file.h"

#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <span>

namespace kz {

namespace {
void setError(QString* error, const QString& reason) {
    if (error)
        *error = reason;
}
} // namespace

std::optional<QByteArray> readTableFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.read(TPagerImage::kSize);
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

void copyTableBytes(const QByteArray& file, TPagerImage& image) {
    const auto count = std::min<qsizetype>(file.size(), TPagerImage::kSize);
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.constData());
    image.replace(std::span<const std::uint8_t>(data, static_cast<std::size_t>(count)));
}

QString backupPathFor(const QString& path, const QString& backupFolder) {
    return QDir(backupFolder).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".BAK"));
}

namespace {
// The file a save really replaces: a symbolic link is followed to the file it leads to (the
// link itself stays), as QSaveFile does. The backup must move that file, not the link.
QString linkTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}
} // namespace

bool writeTableFile(const QString& path, const TPagerImage& image, const QString& backupFolder,
                    QString* error) {
    const QString target = linkTarget(path);
    const QString backup = backupPathFor(path, backupFolder);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), TPagerImage::kSize);

    // The old file moves aside only once the complete new content waits beside it, and comes
    // back if the replacement then fails. A backup that already exists is kept, and then the
    // file is simply replaced.
    bool movedAside = false;
    ReplaceSteps steps;
    steps.beforeReplace = [&] {
        movedAside =
            QFile::exists(target) && !QFile::exists(backup) && QFile::rename(target, backup);
    };
    steps.afterFailedReplace = [&] {
        if (!movedAside)
            return;
        QFile::remove(target); // whatever the failed replacement left there
        QFile::rename(backup, target);
    };
    return writeWholeFile(target, bytes, error, steps);
}

} // namespace kz
