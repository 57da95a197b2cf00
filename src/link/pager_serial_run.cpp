// The serial-number run: a scanned label starts it, and it writes the whole working image with
// the new serial number into the pager, reads every block back, and logs the pager. It reads as
// its steps: the day's log, start (board check), version and header blocks, the single-channel
// check, the transfer, the outcome and its log line, the end.
#include "battery_levels.h"
#include "comm_port.h"
#include "link_frames.h"
#include "message_service.h"
#include "operation_scope.h"
#include "pager_host.h"
#include "pager_image.h"
#include "pager_operations.h"
#include "production_log.h"
#include "program_identity.h"
#include "serial_run_host.h"
#include "serial_scan.h"
#include "setting_rules.h"
#include "transfer_steps.h"

#include <QDateTime>

namespace kz {

namespace {

using namespace transfer;

// The run moves the image in four blocks of this size, each read back before the next.
constexpr int kRunBlock = 128;
constexpr int kVersionGaugeMax = 16;
constexpr int kRunOutcomePauseMs = 500;

} // namespace

void PagerOperations::programSerialNumber(const QString& serial, SerialRunHost& runHost) {
    if (busy_)
        return; // a key that reached us while another operation waits for the programmer
    takeScannedSerialNumber(serial);
    // The day's log is opened (or started) before anything reaches the pager. When it cannot be,
    // the line does not stop: the pager is programmed all the same and the operator is told
    // afterwards that its line is missing, with the file and the reason.
    ProductionLog log(host_.startupDirectory());
    log.open(QDate::currentDate());

    OperationScope scope(*this);
    QByteArray versionBlock;
    QByteArray header;
    if (!startSerialRun(runHost))
        return scope.ended();
    if (!readVersionBlock(&versionBlock))
        return scope.ended();
    takeBatteryLevelsOfOldImages(versionBlock);
    host_.setGaugeRange(kVersionGaugeMax);
    if (!readHeaderBlock(header)) {
        runHost.focusSerialField();
        return scope.ended();
    }
    if (refuseSingleChannelPager(header, runHost))
        return scope.ended();
    host_.workingImage().replace(spanOf(header), PagerField::headerBlock);

    const WriteResult result = writeWholeImage();
    showWriteOutcome(result);
    const bool logged =
        log.appendLine(QDateTime::currentDateTime(), serial, writeOutcomeText(result));
    endSerialRun(runHost);
    scope.ended();

    if (!logged) {
        // The log is the line's record of what went into which pager: a missing line is told,
        // with where it should have gone and why it is not there.
        warn(QStringLiteral("The production log has no line for Serial No. %1.\n%2: %3")
                 .arg(trimmedSerialText(serial), log.path(), log.errorString()));
    }
}

void PagerOperations::takeScannedSerialNumber(const QString& serial) {
    // The characters, then zero bytes up to the sum, which the transfer fills in. They stay in
    // the working image whatever becomes of the run.
    QByteArray block(PagerField::serialBlockSize, '\0');
    const QByteArray characters = serial.toLatin1().left(PagerField::serialNumberWidth);
    block.replace(0, characters.size(), characters);
    host_.workingImage().replace(spanOf(block), PagerField::serialBlock);
}

bool PagerOperations::startSerialRun(SerialRunHost& runHost) {
    stampToolVersion(host_.workingImage());
    host_.setMainWindowEnabled(false);
    host_.setStatusLine(kTesting);
    if (!port_.isOpen())
        openSelectedPort();
    if (!boardCheck()) {
        boardCheckFailed(kReady);
        runHost.focusSerialField();
        return false;
    }
    return true;
}

void PagerOperations::takeBatteryLevelsOfOldImages(const QByteArray& versionBlock) {
    // The tool version the pager's image was last written with: the block's last two bytes.
    const auto major = static_cast<std::uint8_t>(versionBlock.at(PagerField::versionBlockSize - 2));
    const auto minorPatch =
        static_cast<std::uint8_t>(versionBlock.at(PagerField::versionBlockSize - 1));
    if (!hasPreTableBatteryLevels(major, minorPatch))
        return;
    TPagerImage& image = host_.workingImage();
    image.setByte(PagerField::batteryGaugeLow, kProductionGaugeLow);
    image.setByte(PagerField::batteryGaugeMedium, kProductionGaugeMed);
    image.setByte(PagerField::batteryGaugeHigh, kProductionGaugeHigh);
}

bool PagerOperations::refuseSingleChannelPager(const QByteArray& header, SerialRunHost& runHost) {
    TPagerImage pager = host_.workingImage();
    pager.replace(spanOf(header), PagerField::headerBlock);
    const bool singleChannelPager =
        isSingleChannelHeader(pager.byte(PagerField::oneChannelMark), pager.firmwareVersionValue());
    const bool twoChannelImage =
        host_.workingImage().byte(PagerField::oneChannelMark2) == PagerValue::twoChannelPager;
    if (!singleChannelPager || !twoChannelImage)
        return false;
    failureEnd(
        QStringLiteral(
            "You cannot turn your single channel pager into a 2-channel scan-capable model!"),
        kReadyAfterFailure, true);
    runHost.checkOneChannel();
    runHost.focusSerialField();
    return true;
}

PagerOperations::WriteResult PagerOperations::writeWholeImage() {
    TPagerImage& image = host_.workingImage();
    showWriteProgress();
    // A newly labelled pager: no serial prefix of a known production batch.
    serialPrefixFlag_ = false;
    host_.applySquelchPresets();
    image.storeSerialSum();
    image.storeImageSum();
    purgeQuietly(port_);

    // All of it this time, the header, the serial-number block and the version block included.
    link_.setProgressTotal(kRunBlock);
    for (int address = 0; address < TPagerImage::kSize; address += kRunBlock)
        if (const WriteResult result = writeAndReadBack(address, kRunBlock);
            result != WriteResult::Success)
            return result;
    return WriteResult::Success;
}

void PagerOperations::endSerialRun(SerialRunHost& runHost) {
    ProgrammerLink::pause(kRunOutcomePauseMs);
    port_.close();
    setGauge(0);
    host_.closeProgress();
    host_.setMainWindowEnabled(true);
    runHost.focusSerialField();
    host_.setStatusLine(kReady);
}

} // namespace kz
