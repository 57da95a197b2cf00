#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QString>

// The production log: one file per day in the start-up folder ("2014-06-11.log"), one line per
// pager the serial-number run programmed, with the time, the serial number and the result. It is
// the line's record of what went into which pager, so a line that cannot be written is never
// lost silently, and the file is only ever appended to: a crash or a full disk never shortens
// the lines already there. Every line ends with CR LF.
namespace kz {

class ProductionLog {
public:
    explicit ProductionLog(QString directory);
    ~ProductionLog();
    ProductionLog(const ProductionLog&) = delete;
    ProductionLog& operator=(const ProductionLog&) = delete;

    static QString fileNameFor(const QDate& day);
    // The first line of a day's file.
    static QByteArray banner();
    // One pager's line; the serial number and the result are trimmed.
    static QByteArray line(const QDateTime& at, const QString& serial, const QString& result);

    enum class Opening {
        Opened,       // the day's file existed and is open for appending
        Created,      // the day's file was created and its banner written
        CreateFailed, // the day's file did not exist and could not be created
        NotWritable,  // the file exists but cannot be opened, or the new file's banner could
                      // not be written
        // In both failures appendLine() fails and says why.
    };

    // Opens (or creates) the file of `day` for the run.
    Opening open(const QDate& day);
    // Appends the run's line and closes the file. False when the line is not in the file (also
    // when the file could not be opened): errorString() says why. A line written only in part
    // is cut off again, so the file never holds half a line.
    bool appendLine(const QDateTime& at, const QString& serial, const QString& result);
    void close();

    QString path() const { return file_.fileName(); }
    QString errorString() const { return error_; }

private:
    bool appendBytes(const QByteArray& bytes);

    QString directory_;
    QFile file_;
    QString error_;
};

} // namespace kz
