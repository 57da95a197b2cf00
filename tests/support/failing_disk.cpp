#include "failing_disk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
}

const char* faultName(DiskFault fault) {
    switch (fault) {
    case DiskFault::FullTmpfs:
        return "FullTmpfs";
    case DiskFault::NoRoomLeft:
        return "NoRoomLeft";
    case DiskFault::SomeRoomLeft:
        return "SomeRoomLeft";
    }
    return "?";
}

namespace {
const QString kFiller = QStringLiteral(".filler");
} // namespace

FailingDisk::FailingDisk(DiskFault fault) : fault_(fault) {
    folder_ = root_.filePath(QStringLiteral("disk"));
    QDir().mkpath(folder_);
    if (fault_ != DiskFault::FullTmpfs)
        return;
#ifdef Q_OS_LINUX
    // Room for a few table files and their backups, one page each.
    const QByteArray target = QFile::encodeName(folder_);
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k,mode=0700") ==
        0)
        mounted_ = true;
    else
        unavailable_ = QStringLiteral("mounting a tmpfs was refused (%1); the file size limit "
                                      "cases cover the same failure")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
#else
    unavailable_ = QStringLiteral("tmpfs mounts are a Linux thing");
#endif
}

FailingDisk::~FailingDisk() {
    stopFailing();
#ifdef Q_OS_LINUX
    if (mounted_)
        ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
#endif
}

void FailingDisk::startFailing() {
    switch (fault_) {
    case DiskFault::FullTmpfs: {
        if (!mounted_)
            return;
        // Big pieces first, then single bytes, until the disk refuses even one.
        QFile filler(filePath(kFiller));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray page(4096, '\0');
        while (filler.write(page) == page.size()) {
        }
        while (filler.write("", 1) == 1) {
        }
        return;
    }
    case DiskFault::NoRoomLeft:
        limit_.emplace(0);
        return;
    case DiskFault::SomeRoomLeft:
        limit_.emplace(100);
        return;
    }
}

void FailingDisk::stopFailing() {
    limit_.reset();
    if (fault_ == DiskFault::FullTmpfs)
        QFile::remove(filePath(kFiller));
}

QString FailingDisk::reason() const {
    return qt_error_string(fault_ == DiskFault::FullTmpfs ? ENOSPC : EFBIG);
}
