#include "console_host.h"

#include "pager_fields.h"
#include "progress_display.h"

#include <QStringList>

namespace kz::cli {

namespace {

// Every byte of a traced frame is "0xHH,".
constexpr int kTraceCharsPerByte = 5;
// A read reply carries its data between 13 bytes of preamble, unit, command and length and the
// two bytes of its sum.
constexpr int kReplyOverhead = 15;

struct TransferPlan {
    int blocks;
    int bytes;
    // Replies per block: Write gets an acknowledgement and a read-back for each.
    int repliesPerBlock;
};

} // namespace

ConsoleHost::ConsoleHost(ProgressDisplay& progress, QString startupDirectory)
    : progress_(progress), directory_(std::move(startupDirectory)) {}

void ConsoleHost::setLastOutcome(const QString& text, bool failed) {
    outcome_ = text.trimmed();
    outcomeFailed_ = failed;
}

void ConsoleHost::clearLastOutcome() {
    outcome_.clear();
    outcomeFailed_ = false;
    loaded_ = false;
}

void ConsoleHost::closeProgress() {
    transfer_ = Transfer::None;
    progress_.finish();
}

void ConsoleHost::setProgressState(const QString& text) {
    // The transfer starts with the state the progress window shows for it.
    const QString state = text.trimmed();
    Transfer next = Transfer::None;
    if (state == QStringLiteral("Write Now ......"))
        next = Transfer::Write;
    else if (state == QStringLiteral("Read Now ......"))
        next = Transfer::Read;
    else if (state == QStringLiteral("Verify Now ......"))
        next = Transfer::Verify;
    if (next != Transfer::None) {
        transfer_ = next;
        replies_ = 0;
        bytesDone_ = 0;
    } else if (transfer_ != Transfer::None) {
        transfer_ = Transfer::None; // the outcome follows the transfer
    }
    progress_.step(text);
    if (next != Transfer::None)
        traceReceived(QString()); // draws the empty bar
}

void ConsoleHost::setFirmwareText(const QString& text) {
    if (!text.isEmpty() && text != firmware_)
        progress_.step(text);
    firmware_ = text;
}

void ConsoleHost::setSerialText(const QString& text) {
    progress_.step(QStringLiteral("Serial No. ") + text);
}

void ConsoleHost::traceReceived(const QString& byteList) {
    if (transfer_ == Transfer::None)
        return;
    // Write: 0..415 in 32-byte blocks, then the blocks at 432 and 496; Read and Verify: four
    // blocks of 128 bytes.
    const TransferPlan plan =
        transfer_ == Transfer::Write
            ? TransferPlan{PagerField::serialBlock / 32 + 2,
                           PagerField::serialBlock + TPagerImage::kSize -
                               (PagerField::serialBlock + PagerField::serialBlockSize),
                           2}
            : TransferPlan{4, TPagerImage::kSize, 1};
    if (!byteList.isEmpty()) {
        ++replies_;
        // The data of a block come with the reply that completes it.
        if (replies_ % plan.repliesPerBlock == 0)
            bytesDone_ += byteList.size() / kTraceCharsPerByte - kReplyOverhead;
    }
    progress_.transfer(replies_ / plan.repliesPerBlock, plan.blocks, bytesDone_, plan.bytes);
}

ConsoleMessages::ConsoleMessages() : previous_(installMessageService(this)) {}

ConsoleMessages::~ConsoleMessages() {
    installMessageService(previous_);
}

MessageButton ConsoleMessages::show(const Message& message) {
    shown_.push_back(message);
    return message.buttons == MessageButtons::Ok || message.buttons == MessageButtons::OkCancel
               ? MessageButton::Ok
               : MessageButton::No;
}

QString oneLine(const Message& message) {
    QStringList lines;
    for (const QString& line : message.text.split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    QString text = lines.join(u' ');
    const QString detail = message.detail.section(u'\n', 0, 0).trimmed();
    if (!detail.isEmpty())
        text += QStringLiteral(": ") + detail;
    return text;
}

} // namespace kz::cli
