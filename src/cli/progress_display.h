#pragma once

#include <QElapsedTimer>
#include <QString>

class QTextStream;

// What a pager operation shows on the terminal while it runs: a bar that redraws itself when the
// error stream is a terminal, one line per step when it goes to a file or a pipe, or nothing.
namespace kz::cli {

enum class ProgressMode { Quiet, Lines, Bar };

class ProgressDisplay {
public:
    ProgressDisplay(ProgressMode mode, QTextStream& stream);

    ProgressMode mode() const { return mode_; }

    // A new step of the operation ("Read Version ...", " Write Success !").
    void step(const QString& text);
    // The transfer: blocks and data bytes done of the totals.
    void transfer(int blocksDone, int blocksTotal, int bytesDone, int bytesTotal);
    // Ends the bar's line; the next output starts on a line of its own.
    void finish();

    // The bar as drawn, without the carriage return (for tests and the line form).
    static QString barText(int blocksDone, int blocksTotal, int bytesDone, int bytesTotal,
                           double seconds, const QString& step);

private:
    void drawBar();

    ProgressMode mode_;
    QTextStream& stream_;
    QElapsedTimer clock_;
    QString step_;
    int blocksDone_ = 0;
    int blocksTotal_ = 0;
    int bytesDone_ = 0;
    int bytesTotal_ = 0;
    bool barOpen_ = false;
};

} // namespace kz::cli
