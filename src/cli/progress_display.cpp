#include "progress_display.h"

#include <QTextStream>

namespace kz::cli {

namespace {

constexpr int kBarWidth = 24;

} // namespace

ProgressDisplay::ProgressDisplay(ProgressMode mode, QTextStream& stream)
    : mode_(mode), stream_(stream) {
    clock_.start();
}

QString ProgressDisplay::barText(int blocksDone, int blocksTotal, int bytesDone, int bytesTotal,
                                 double seconds, const QString& step) {
    const int filled =
        bytesTotal > 0 ? qBound(0, kBarWidth * bytesDone / bytesTotal, kBarWidth) : 0;
    return QStringLiteral("[%1%2] %3/%4 blocks %5/%6 bytes %7 s  %8")
        .arg(QString(filled, u'#'), QString(kBarWidth - filled, u'.'))
        .arg(blocksDone)
        .arg(blocksTotal)
        .arg(bytesDone, 3)
        .arg(bytesTotal)
        .arg(seconds, 4, 'f', 1)
        .arg(step);
}

void ProgressDisplay::step(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == step_)
        return;
    step_ = trimmed;
    switch (mode_) {
    case ProgressMode::Quiet:
        return;
    case ProgressMode::Lines:
        stream_ << QString::asprintf("%5.1f s  ", clock_.elapsed() / 1000.0) << step_ << '\n';
        stream_.flush();
        return;
    case ProgressMode::Bar:
        drawBar();
        return;
    }
}

void ProgressDisplay::transfer(int blocksDone, int blocksTotal, int bytesDone, int bytesTotal) {
    blocksDone_ = blocksDone;
    blocksTotal_ = blocksTotal;
    bytesDone_ = bytesDone;
    bytesTotal_ = bytesTotal;
    if (mode_ == ProgressMode::Bar)
        drawBar();
    // Lines: the steps say enough; a line per block would bury them.
}

void ProgressDisplay::drawBar() {
    // Clears to the end of the line: a shorter step text leaves nothing of a longer one.
    const double seconds = clock_.elapsed() / 1000.0;
    // Before the transfer there is nothing to fill: the step alone.
    const QString line = blocksTotal_ > 0 ? barText(blocksDone_, blocksTotal_, bytesDone_,
                                                    bytesTotal_, seconds, step_)
                                          : QString::asprintf("%4.1f s  ", seconds) + step_;
    stream_ << '\r' << line << "\x1b[K";
    stream_.flush();
    barOpen_ = true;
}

void ProgressDisplay::finish() {
    if (barOpen_) {
        stream_ << '\n';
        stream_.flush();
        barOpen_ = false;
    }
}

} // namespace kz::cli
