#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <optional>

// Ways for a folder to stop taking data the way a full disk does, for tests of what a failed save
// leaves behind. Unix only: the failures are the system's own.

// While it lives, no file of this process may grow beyond `bytes`: a write past the limit takes
// what fits and then fails with "File too large", exactly where a full disk fails. The signal the
// system would send instead is ignored meanwhile. Nothing may be written to files (test output
// included) while the limit holds, so keep its scope to the call under test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

enum class DiskFault {
    FullTmpfs,   // a small tmpfs filled to the last page: "No space left on device"
    NoRoomLeft,  // file size limit 0: nothing of the new content fits
    SomeRoomLeft // file size limit of 100 bytes: the new content is cut short
};

const char* faultName(DiskFault fault);

// A folder on a disk that fails on request. The tmpfs needs the right to mount one (root outside
// a restricting container); without it `unavailable()` says why, for a skip.
class FailingDisk {
public:
    explicit FailingDisk(DiskFault fault);
    ~FailingDisk();
    FailingDisk(const FailingDisk&) = delete;
    FailingDisk& operator=(const FailingDisk&) = delete;

    QString unavailable() const { return unavailable_; }
    QString folder() const { return folder_; }
    QString filePath(const QString& name) const { return folder_ + '/' + name; }

    // From now on until stopFailing() no new data reaches the folder.
    void startFailing();
    void stopFailing();
    // What the system says about the failing writes.
    QString reason() const;

private:
    DiskFault fault_;
    QTemporaryDir root_;
    QString folder_;
    QString unavailable_;
    bool mounted_ = false;
    std::optional<FileSizeLimit> limit_;
};
