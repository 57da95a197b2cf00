#include "whole_file.h"

#include <QFile>
#include <QSaveFile>

namespace kz {

namespace {

void setError(QString* error, const QString& reason) {
    if (error)
        *error = reason;
}

// Every byte of `bytes` into `file`. A write may take only part of the data (a file size limit
// reached halfway), so the rest is offered again until it is all in or the system says why not.
bool writeAll(QSaveFile& file, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += static_cast<qsizetype>(written);
    }
    return file.flush() && file.error() == QFileDevice::NoError && file.size() == bytes.size();
}

// Reads `path` back: one byte more than expected, so that a longer file is seen too.
bool readsBackAs(const QString& path, const QByteArray& bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    const QByteArray found = file.read(bytes.size() + 1);
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    if (found != bytes) {
        setError(error, QStringLiteral("The file read back differs from what was written"));
        return false;
    }
    return true;
}

} // namespace

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error,
                    const ReplaceSteps& steps) {
    // QSaveFile::commit() does not notice when flushing its own buffer fails (Qt 6.4 renames an
    // empty file over the target after "No space left on device"), so nothing is buffered: each
    // write reaches the system at once and its failure is seen here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, file.errorString());
        return false;
    }
    if (!writeAll(file, bytes)) {
        setError(error, file.error() != QFileDevice::NoError
                            ? file.errorString()
                            : QStringLiteral("Not every byte reached the file"));
        file.cancelWriting();
        return false;
    }

    if (steps.beforeReplace)
        steps.beforeReplace();
    const auto failed = [&] {
        if (steps.afterFailedReplace)
            steps.afterFailedReplace();
        return false;
    };
    if (!file.commit()) {
        setError(error, file.errorString());
        return failed();
    }
    // The last word is the file itself: what a later read will find is what counts.
    if (!readsBackAs(path, bytes, error))
        return failed();
    return true;
}

} // namespace kz
