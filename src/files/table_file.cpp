#include "table_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    const auto* bytes = reinterpret_cast<const char*>(image.data());
    if (file.write(bytes, TPagerImage::kSize) != TPagerImage::kSize) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }

    // The complete new content waits in the temporary file; only now move the old one aside.
    // A backup that already exists is kept, and then the file is simply replaced.
    const QString backup = backupPathFor(path, backupFolder);
    const bool movedAside =
        QFile::exists(target) && !QFile::exists(backup) && QFile::rename(target, backup);
    if (!file.commit()) {
        setError(error, file.errorString());
        if (movedAside)
            QFile::rename(backup, target); // put the previous file back where it was
        return false;
    }
    return true;
}

} // namespace kz
