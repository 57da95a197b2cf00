#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Writing a file whole: either every byte of the new content is in the file, or the old file is
// left exactly as it was.
namespace kz {

// What a caller does around the moment the new content replaces the old file, for example keeping
// the old file as a backup.
struct ReplaceSteps {
    // Runs once the complete new content waits in a temporary file beside the target, just before
    // it takes the target's place. Never runs when the content could not be written.
    std::function<void()> beforeReplace;
    // Runs when the replacement fails after `beforeReplace` ran (the rename was refused, or the
    // file does not read back as written), to undo what `beforeReplace` did.
    std::function<void()> afterFailedReplace;
};

// Writes `bytes` as the whole content of `path`. The bytes go unbuffered into a temporary file in
// the same folder, so a full disk, a quota or any other write error is seen while writing; only
// when all of them are there does the temporary file replace `path`, and the result is then read
// back and compared. A failure before the replacement removes the temporary file and leaves the
// old file untouched. Returns false with the system's reason in `error`.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                    const ReplaceSteps& steps = {});

} // namespace kz
