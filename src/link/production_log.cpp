#include "production_log.h"

#include "serial_scan.h"

#include <QDir>

namespace kz {

ProductionLog::ProductionLog(QString directory) : directory_(std::move(directory)) {}

ProductionLog::~ProductionLog() {
    close();
}

QString ProductionLog::fileNameFor(const QDate& day) {
    return day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

QByteArray ProductionLog::banner() {
    return QByteArrayLiteral("-------  TQ615 Programming (Barcode) Start ------- \r\n");
}

QByteArray ProductionLog::line(const QDateTime& at, const QString& serial, const QString& result) {
    const QDate d = at.date();
    const QTime t = at.time();
    return QStringLiteral("%1-%2-%3 %4:%5:%6  Serial No. = %7  %8\r\n")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(t.hour(), 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.second(), 2, 10, QLatin1Char('0'))
        .arg(trimmedSerialText(serial), trimmedSerialText(result))
        .toLocal8Bit();
}

ProductionLog::Opening ProductionLog::open(const QDate& day) {
    close();
    error_.clear();
    file_.setFileName(QDir(directory_).filePath(fileNameFor(day)));
    // Append mode: every write lands at the end of the file, whatever happened to it before.
    // Unbuffered: a write that fails (a full disk) fails here, where it can be handled.
    constexpr auto kAppend = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    if (file_.exists()) {
        if (file_.open(kAppend))
            return Opening::Opened;
        error_ = file_.errorString();
        return Opening::NotWritable;
    }
    if (!file_.open(kAppend | QIODevice::NewOnly,
                    QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        error_ = file_.errorString();
        return Opening::CreateFailed;
    }
    if (!appendBytes(banner())) {
        // A day's file without its banner would stay so: remove it, the next run starts it anew.
        file_.remove();
        return Opening::NotWritable;
    }
    return Opening::Created;
}

bool ProductionLog::appendBytes(const QByteArray& bytes) {
    const qint64 before = file_.size();
    const qint64 written = file_.write(bytes);
    if (written == bytes.size() && file_.error() == QFileDevice::NoError)
        return true;
    error_ = file_.errorString();
    if (written > 0)
        file_.resize(before); // no half line stays behind
    file_.unsetError();
    return false;
}

bool ProductionLog::appendLine(const QDateTime& at, const QString& serial, const QString& result) {
    if (!file_.isOpen()) {
        if (error_.isEmpty())
            error_ = QStringLiteral("The log file is not open.");
        return false;
    }
    const bool written = appendBytes(line(at, serial, result));
    close();
    return written;
}

void ProductionLog::close() {
    if (file_.isOpen())
        file_.close();
}

} // namespace kz
