#include "pager_operations.h"

#include "comm_port.h"
#include "link_frames.h"
#include "message_service.h"
#include "operation_scope.h"
#include "pager_host.h"
#include "pager_image.h"
#include "port_opening.h"
#include "serial_block.h"

namespace kz {

PagerOperations::PagerOperations(TCommPort& port, PagerHost& host)
    : port_(port), host_(host), link_(port, *this) {}

QString PagerOperations::boardNotRespondingText() {
    return QStringLiteral("The Board is not responding ! \nPlease check your programer ready "
                          "\nand COM port connect properly !");
}

QString PagerOperations::selectedPortName() const {
    const int index = host_.selectedPortIndex();
    return index >= 0 && index < portNames_.size() ? portNames_.at(index) : QString();
}

bool PagerOperations::openSelectedPort() {
    return openPortWithMessages(port_, selectedPortName());
}

void PagerOperations::frameSent(const QByteArray& frame) {
    host_.traceSent(frames::traceText(frame));
}

void PagerOperations::replyReceived(const QByteArray& reply) {
    host_.traceReceived(frames::traceText(reply));
}

void PagerOperations::progressTotalChanged(int total) {
    setGauge(total);
}

void PagerOperations::setGauge(int value) {
    // The running total may pass the gauge's range; the gauge shows that as a full bar.
    gaugeValue_ = value;
    host_.setGaugeValue(gaugeValue_);
}

bool PagerOperations::probe(const QString& portName) {
    link_.setBoardCheckMode(true);
    bool answered = false;
    try {
        // An empty entry of the port table fails at once: there is nothing to open.
        openProgrammerPort(port_, portName);
        std::uint8_t none = 0;
        answered = link_.read(frames::kPagerUnit, 0, 0, &none);
    } catch (const ECommError&) {
        port_.close();
    }
    link_.setBoardCheckMode(false);
    return answered;
}

bool PagerOperations::boardCheck() {
    return probe(selectedPortName());
}

bool PagerOperations::boardSearch() {
    for (int i = 0; i < portNames_.size(); ++i) {
        if (probe(portNames_.at(i))) {
            host_.selectPortIndex(i);
            return true;
        }
        port_.close();
    }
    return false;
}

void PagerOperations::startUpSearch() {
    // The search waits for each port with window messages flowing and the main window already
    // on screen: it counts as a running operation, so that a Pager command or a bench button
    // meanwhile does not reopen the port under the probe.
    if (busy_)
        return;
    OperationScope scope(*this);
    if (!boardSearch()) {
        port_.close();
        warn(boardNotRespondingText());
    }
    scope.ended();
}

void PagerOperations::reportOutcome(const QString& text, bool failed) {
    host_.setLastOutcome(text.trimmed(), failed);
}

void PagerOperations::failureEnd(const QString& message, const QString& status,
                                 bool progressShown) {
    // The messages of these ends are one short line each: the outcome says the same.
    reportOutcome(message, true);
    port_.close();
    warn(message);
    host_.setStatusLine(status);
    if (progressShown) {
        setGauge(0);
        host_.closeProgress();
    }
    host_.setMainWindowEnabled(true);
}

void PagerOperations::boardCheckFailed(const QString& status) {
    // The message runs over three lines; its first one, shortened to fit the panel beside the
    // time, names the failure.
    reportOutcome(QStringLiteral("Board not responding !"), true);
    port_.close();
    warn(boardNotRespondingText());
    host_.setStatusLine(status);
    host_.setMainWindowEnabled(true);
}

PagerOperations::Intake PagerOperations::serialIntake() {
    host_.setProgressState(QStringLiteral("Read Serial No. ..."));
    host_.setStatusLine(QStringLiteral("  Read Serial No. ......"));
    QByteArray block(PagerField::serialBlockSize,
                     static_cast<char>(PagerValue::noSerialNumberFill));
    if (!link_.read(frames::kPagerUnit, PagerField::serialBlock, PagerField::serialBlockSize,
                    reinterpret_cast<std::uint8_t*>(block.data())))
        return Intake::ReadFailed;
    pagerSerialBlock_ = block;
    const std::span<const std::uint8_t, kSerialBlockSize> bytes(
        reinterpret_cast<const std::uint8_t*>(block.constData()), kSerialBlockSize);
    const SerialBlockCheck check = checkSerialBlock(bytes);
    if (check.kind == SerialBlockCheck::Kind::NoSerialNumber)
        return Intake::Accepted; // no serial number: nothing to take over
    if (check.kind == SerialBlockCheck::Kind::BadSum)
        return Intake::ChecksumError;
    host_.workingImage().replace(bytes, PagerField::serialBlock);
    host_.setSerialText(check.serialText);
    serialPrefixFlag_ = check.knownPrefix;
    host_.applySquelchPresets();
    return Intake::Accepted;
}

} // namespace kz
