// Write, Read and Verify: the three commands of the Pager menu. Each reads as its steps: start
// (board check), header and serial intake, transfer, outcome, end.
#include "comm_port.h"
#include "firmware_version.h"
#include "link_frames.h"
#include "message_service.h"
#include "operation_scope.h"
#include "pager_host.h"
#include "pager_image.h"
#include "pager_operations.h"
#include "program_identity.h"
#include "transfer_steps.h"
#include "whole_file.h"

#include <QDir>

#include <array>

namespace kz {

namespace {

using namespace transfer;

// Write sends 0..415 in blocks of this size, each read back before the next.
constexpr int kWriteBlock = 32;
constexpr int kWriteGaugeMax = 1728;
// Read and Verify move the image in four blocks of this size.
constexpr int kLargeBlock = 128;
constexpr int kImageGaugeMax = TPagerImage::kSize;
// After the thirteen 32-byte blocks covering 0..415: the call attributes up to the version
// block, then the version block. The serial-number block 416..431 is never written: it belongs
// to the unit.
constexpr std::array<std::pair<int, int>, 2> kTailBlocks = {
    {{PagerField::f1CallAttributes, PagerField::versionBlock - PagerField::f1CallAttributes},
     {PagerField::versionBlock, PagerField::versionBlockSize}}};
// How long the outcome stays in the progress window before it closes.
constexpr int kWriteOutcomePauseMs = 600;
constexpr int kReadOutcomePauseMs = 800;

// Pagers that never stored the second-tone durations get their defaults.
void fillUnsetToneDurations(QByteArray& image) {
    const auto fill = [&](int offset, std::uint8_t value) {
        if (static_cast<std::uint8_t>(image[offset]) == PagerValue::unset)
            image[offset] = static_cast<char>(value);
    };
    fill(PagerField::tone2DurationStd, PagerValue::tone2DurationStdDefault);
    fill(PagerField::tone2DurationPlectron, PagerValue::tone2DurationPlectronDefault);
}

} // namespace

// --- shared steps ---------------------------------------------------------------------------

bool PagerOperations::readHeaderBlock(QByteArray& header) {
    header = QByteArray(PagerField::headerBlockSize, '\0');
    if (!link_.read(frames::kPagerUnit, PagerField::headerBlock, PagerField::headerBlockSize,
                    bytesOf(header))) {
        host_.setFirmwareVisible(false);
        host_.setFirmwareText(QString());
        failureEnd(QStringLiteral("Read Firmware Version Fail !"), kReadyAfterFailure, true);
        return false;
    }
    host_.setFirmwareText(firmwareVersionText(spanOf(header)));
    host_.setFirmwareVisible(true);
    return true;
}

bool PagerOperations::takeHeaderAndSerial() {
    QByteArray header;
    if (!readHeaderBlock(header))
        return false;
    // The pager's own header (firmware version, channel marks) replaces the editor's.
    host_.workingImage().replace(spanOf(header), PagerField::headerBlock);
    setGauge(0);

    switch (serialIntake()) {
    case Intake::Accepted:
        return true;
    case Intake::ReadFailed:
        failureEnd(QStringLiteral("Read Serial No. Fail !"), kReadyAfterFailure, true);
        return false;
    case Intake::ChecksumError:
        failureEnd(QStringLiteral("Serial No. Checksum Error !"), kReadyAfterFailure, true);
        return false;
    }
    return false;
}

bool PagerOperations::transferFourBlocks(QByteArray* buffer) {
    link_.setProgressTotal(kLargeBlock);
    for (int address = 0; address < TPagerImage::kSize; address += kLargeBlock) {
        const bool ok =
            buffer ? link_.read(frames::kPagerUnit, address, kLargeBlock, bytesOf(*buffer, address))
                   : link_.readBack(host_.workingImage().bytes(), address, kLargeBlock);
        if (!ok)
            return false;
        setGauge(address + kLargeBlock + 2);
    }
    return true;
}

// --- Write ----------------------------------------------------------------------------------

void PagerOperations::Write1Click() {
    if (busy_)
        return; // a key that reached us while another operation waits for the programmer
    OperationScope scope(*this);
    if (!startWrite() || !readVersionBlock() || !takeHeaderAndSerial())
        return scope.ended();
    showWriteOutcome(writeImage());
    endWrite();
    scope.ended();
}

bool PagerOperations::startWrite() {
    stampToolVersion(host_.workingImage());
    host_.setMainWindowEnabled(false);
    host_.setStatusLine(kTesting);
    if (!port_.isOpen())
        openSelectedPort();
    if (!boardCheck()) {
        boardCheckFailed(kReady);
        return false;
    }
    return true;
}

bool PagerOperations::readVersionBlock(QByteArray* versionBlock) {
    host_.setFirmwareText(QString());
    setGauge(0);
    host_.setProgressState(kReadVersionState);
    host_.showProgress();
    host_.setStatusLine(kReadVersionStatus);
    QByteArray block(PagerField::versionBlockSize, '\0');
    if (!link_.read(frames::kPagerUnit, PagerField::versionBlock, PagerField::versionBlockSize,
                    bytesOf(block))) {
        host_.setFirmwareVisible(false);
        host_.setFirmwareText(QString());
        failureEnd(QStringLiteral("Read Software Version Fail !"), kReadyAfterFailure, true);
        return false;
    }
    if (versionBlock)
        *versionBlock = block;
    host_.setFirmwareText(QString());
    setGauge(0);
    host_.setGaugeVisible(false);
    host_.setProgressState(kReadVersionState);
    host_.setStatusLine(kReadVersionStatus);
    return true;
}

void PagerOperations::storeImageSumAsThePagerHoldsIt(TPagerImage& image) const {
    // The sum covers bytes 16..495, the serial-number block among them. Write never sends that
    // block, so the pager keeps the one the intake read from it; the sum the pager gets must
    // cover that block, or every later Read of the pager fails on its image sum. When the
    // intake took the pager's serial number over (or both are blank) this is the plain sum.
    TPagerImage asStored = image;
    asStored.replace(spanOf(pagerSerialBlock_), PagerField::serialBlock);
    image.setWord16(PagerField::imageSum, asStored.computeImageSum());
}

void PagerOperations::showWriteProgress() {
    host_.setGaugeRange(kWriteGaugeMax);
    setGauge(0);
    host_.setGaugeVisible(true);
    host_.setProgressState(QStringLiteral("Write Now ......"));
    host_.setStatusLine(QStringLiteral("  Write Now ......"));
}

PagerOperations::WriteResult PagerOperations::writeAndReadBack(int address, int count) {
    const TPagerImage& image = host_.workingImage();
    if (!link_.write(image.bytes(), address, count))
        return WriteResult::WriteFailure;
    if (!link_.readBack(image.bytes(), address, count))
        return WriteResult::VerifyFailure;
    setGauge(gaugeValue_ + count);
    return WriteResult::Success;
}

PagerOperations::WriteResult PagerOperations::writeImage() {
    showWriteProgress();
    storeImageSumAsThePagerHoldsIt(host_.workingImage());
    purgeQuietly(port_);

    link_.setProgressTotal(kWriteBlock);
    for (int address = 0; address < PagerField::serialBlock; address += kWriteBlock)
        if (const WriteResult result = writeAndReadBack(address, kWriteBlock);
            result != WriteResult::Success)
            return result;
    for (const auto& [address, count] : kTailBlocks)
        if (const WriteResult result = writeAndReadBack(address, count);
            result != WriteResult::Success)
            return result;
    return WriteResult::Success;
}

QString PagerOperations::writeOutcomeText(WriteResult result) {
    switch (result) {
    case WriteResult::Success:
        return QStringLiteral(" Write Success !");
    case WriteResult::WriteFailure:
        return QStringLiteral(" Write Fail !");
    case WriteResult::VerifyFailure:
        return QStringLiteral(" Verify Fail !");
    }
    return {};
}

void PagerOperations::showWriteOutcome(WriteResult result) {
    const QString text = writeOutcomeText(result);
    host_.setProgressState(text);
    reportOutcome(text, result != WriteResult::Success);
}

void PagerOperations::endWrite() {
    ProgrammerLink::pause(kWriteOutcomePauseMs);
    port_.close();
    setGauge(0);
    host_.closeProgress();
    host_.setMainWindowEnabled(true);
    host_.setStatusLine(kReady);
}

// --- Read -----------------------------------------------------------------------------------

void PagerOperations::Read1Click() {
    if (busy_)
        return; // a key that reached us while another operation waits for the programmer
    OperationScope scope(*this);
    if (!startRead())
        return scope.ended();
    host_.setProgressState(kReadVersionState);
    host_.showProgress();
    host_.setStatusLine(kReadVersionStatus);
    if (!takeHeaderAndSerial())
        return scope.ended();
    // Twice the image: the dump of a damaged read is this whole buffer.
    QByteArray buffer(2 * TPagerImage::kSize, '\0');
    const ReadResult result = readImage(buffer);
    showReadOutcome(result);
    endRead(result, buffer);
    scope.ended();
}

bool PagerOperations::startRead() {
    host_.setFirmwareText(QString());
    host_.setFirmwareVisible(false);
    host_.setMainWindowEnabled(false);
    host_.setStatusLine(kTesting);
    if (!boardCheck()) {
        boardCheckFailed(kReadyAfterFailure);
        return false;
    }
    if (!port_.isOpen())
        openSelectedPort();
    return true;
}

PagerOperations::ReadResult PagerOperations::readImage(QByteArray& buffer) {
    setGauge(0);
    host_.setGaugeVisible(true);
    host_.setGaugeRange(kImageGaugeMax);
    host_.setStatusLine(QStringLiteral("  Read Now ......"));
    host_.setProgressState(QStringLiteral(" Read Now ......"));
    purgeQuietly(port_);
    if (!transferFourBlocks(&buffer))
        return ReadResult::ReadFailure;
    return TPagerImage::imageSumAcceptedOf(spanOf(buffer).first<TPagerImage::kSize>())
               ? ReadResult::Success
               : ReadResult::ChecksumError;
}

void PagerOperations::showReadOutcome(ReadResult result) {
    QString text;
    switch (result) {
    case ReadResult::Success:
        text = QStringLiteral(" Read Success !");
        break;
    case ReadResult::ReadFailure:
        text = QStringLiteral("  Read Fail !");
        break;
    case ReadResult::ChecksumError:
        host_.setGaugeVisible(false);
        setGauge(0);
        text = QStringLiteral("Checksum Error !");
        break;
    }
    host_.setProgressState(text);
    reportOutcome(text, result != ReadResult::Success);
}

void PagerOperations::endRead(ReadResult result, QByteArray& buffer) {
    ProgrammerLink::pause(kReadOutcomePauseMs);
    port_.close();
    setGauge(0);
    host_.closeProgress();
    if (result == ReadResult::Success) {
        fillUnsetToneDurations(buffer);
        host_.workingImage().replace(spanOf(buffer).first(TPagerImage::kSize),
                                     PagerField::headerBlock);
        host_.runLoadingPass();
    } else {
        // A failed read is dumped too (blocks received so far, zeros for the rest), so that a
        // damaged pager can be looked at; the working image stays as it was.
        writeErrorDump(buffer);
    }
    host_.setMainWindowEnabled(true);
    host_.setStatusLine(kReady);
}

void PagerOperations::writeErrorDump(const QByteArray& buffer) {
    // An older dump stays as it was unless the whole new one reached the disk.
    QString reason;
    if (!writeWholeFile(QDir(host_.startupDirectory()).filePath(QStringLiteral("errtbl.tbl")),
                        buffer, &reason))
        warn(QStringLiteral("Save Error!"), reason);
}

// --- Verify ---------------------------------------------------------------------------------

void PagerOperations::Verify1Click() {
    if (busy_)
        return; // a key that reached us while another operation waits for the programmer
    OperationScope scope(*this);
    host_.setStatusLine(kTesting);
    host_.setMainWindowEnabled(false);
    if (!boardCheck()) {
        boardCheckFailed(kReady);
        return scope.ended();
    }
    if (!port_.isOpen())
        openSelectedPort();

    host_.setGaugeRange(kImageGaugeMax);
    setGauge(0);
    host_.setProgressState(QStringLiteral("Verify Now ......"));
    host_.showProgress();
    host_.setStatusLine(QStringLiteral("  Verify Now ......"));
    purgeQuietly(port_);

    // Compares all 512 bytes as they stand, serial-number block and sum included.
    const bool verified = transferFourBlocks(nullptr);
    if (!verified) {
        setGauge(0);
        host_.setGaugeVisible(false);
    }
    const QString text =
        verified ? QStringLiteral(" Verify Success !") : QStringLiteral("  Verify Fail !");
    host_.setProgressState(text);
    reportOutcome(text, !verified);
    ProgrammerLink::pause(kReadOutcomePauseMs);
    port_.close();
    host_.setGaugeVisible(true);
    setGauge(0);
    host_.closeProgress();
    host_.setMainWindowEnabled(true);
    host_.setStatusLine(kReady);
    scope.ended();
}

} // namespace kz
