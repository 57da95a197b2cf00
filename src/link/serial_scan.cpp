#include "serial_scan.h"

namespace kz {

namespace {

bool isBlankOrControl(QChar c) {
    return c.unicode() <= u' ';
}

} // namespace

QString trimmedSerialText(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

SerialScan::Action SerialScan::keyDown(int trimmedLength, bool enter, std::uint64_t nowMs) {
    // The clock starts at the key after the first character: the first one may come long after
    // the field was entered, the rest of a scan follows at once.
    if (trimmedLength == 1)
        startMs_ = nowMs;
    if (!enter)
        return Action::None;
    if (trimmedLength < kMinimumLength)
        return Action::Swallow;
    // Unsigned: a clock that wrapped still gives the time that passed.
    if (nowMs - startMs_ >= kScanWindowMs)
        return Action::TypedByHand;
    return Action::StartRun;
}

bool SerialScan::endsLongEntry(bool enter, int trimmedLength) {
    return enter && trimmedLength >= kMinimumLength;
}

} // namespace kz
