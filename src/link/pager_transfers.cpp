// Write, Read and Verify: the three commands of the Pager menu.
#include "comm_port.h"
#include "link_frames.h"
#include "message_service.h"
#include "operation_scope.h"
#include "pager_host.h"
#include "pager_image.h"
#include "pager_operations.h"
#include "program_identity.h"
#include "whole_file.h"

#include <QDir>

#include <array>

namespace kz {

namespace {

const QString kReadyAfterFailure = QStringLiteral("  Ready .....");
const QString kReady = QStringLiteral("  Ready ......");
const QString kTesting = QStringLiteral("  Target board testing ......");
const QString kReadVersionState = QStringLiteral("Read Version ...");
const QString kReadVersionStatus = QStringLiteral("  Read Version ......");

constexpr int kHeaderSize = 16;
constexpr int kWriteBlock = 32;
constexpr int kWriteGaugeMax = 1728;
constexpr int kLargeBlock = 128;
constexpr int kImageGaugeMax = 512;
// After the thirteen 32-byte blocks covering 0..415: the call attributes and the sum block.
// The serial-number block 416..431 is never written: it belongs to the unit.
constexpr std::array<std::pair<int, int>, 2> kTailBlocks = {{{432, 64}, {496, 16}}};

void purgeQuietly(TCommPort& port) {
    try {
        port.purge();
    } catch (const ECommError&) {
        port.close(); // the requests that follow fail on the closed port
    }
}

std::uint8_t* bytesOf(QByteArray& array, int offset = 0) {
    return reinterpret_cast<std::uint8_t*>(array.data()) + offset;
}

std::span<const std::uint8_t> spanOf(const QByteArray& array) {
    return {reinterpret_cast<const std::uint8_t*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

} // namespace

bool PagerOperations::takeHeaderAndSerial() {
    QByteArray header(kHeaderSize, '\0');
    if (!link_.read(frames::kPagerUnit, 0, kHeaderSize, bytesOf(header))) {
        host_.setFirmwareVisible(false);
        host_.setFirmwareText(QString());
        failureEnd(QStringLiteral("Read Firmware Version Fail !"), kReadyAfterFailure, true);
        return false;
    }
    // The pager's own header (firmware version, channel marks) replaces the editor's.
    host_.setFirmwareText(firmwareText(header));
    host_.setFirmwareVisible(true);
    host_.workingImage().replace(spanOf(header), 0);
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

void PagerOperations::storeImageSumAsThePagerHoldsIt(TPagerImage& image) const {
    // The sum covers bytes 16..495, the serial-number block among them. Write never sends that
    // block, so the pager keeps the one the intake read from it; the sum the pager gets must
    // cover that block, or every later Read of the pager fails on its image sum. When the
    // intake took the pager's serial number over (or both are blank) this is the plain sum.
    TPagerImage asStored = image;
    asStored.replace(spanOf(pagerSerialBlock_), PagerField::serialNumber);
    image.setWord16(PagerField::imageSum, asStored.computeImageSum());
}

void PagerOperations::Write1Click() {
    if (busy_)
        return; // a key that reached us while another operation waits for the programmer
    OperationScope scope(*this);
    TPagerImage& image = host_.workingImage();
    stampToolVersion(image);
    host_.setMainWindowEnabled(false);
    host_.setStatusLine(kTesting);
    if (!port_.isOpen())
        openSelectedPort();
    if (!boardCheck()) {
        boardCheckFailed(kReady);
        return scope.ended();
    }

    host_.setFirmwareText(QString());
    setGauge(0);
    host_.setProgressState(kReadVersionState);
    host_.showProgress();
    host_.setStatusLine(kReadVersionStatus);
    QByteArray block(kHeaderSize, '\0');
    if (!link_.read(frames::kPagerUnit, PagerField::imageSum, kHeaderSize, bytesOf(block))) {
        host_.setFirmwareVisible(false);
        host_.setFirmwareText(QString());
        failureEnd(QStringLiteral("Read Software Version Fail !"), kReadyAfterFailure, true);
        return scope.ended();
    }

    host_.setFirmwareText(QString());
    setGauge(0);
    host_.setGaugeVisible(false);
    host_.setProgressState(kReadVersionState);
    host_.setStatusLine(kReadVersionStatus);
    if (!takeHeaderAndSerial())
        return scope.ended();

    setGaugeRange(kWriteGaugeMax);
    setGauge(0);
    host_.setGaugeVisible(true);
    host_.setProgressState(QStringLiteral("Write Now ......"));
    host_.setStatusLine(QStringLiteral("  Write Now ......"));
    storeImageSumAsThePagerHoldsIt(image);
    purgeQuietly(port_);

    enum class Result { Success, WriteFailure, VerifyFailure } result = Result::Success;
    link_.setProgressTotal(kWriteBlock);
    const auto transfer = [&](int address, int count) {
        if (!link_.write(image.bytes(), address, count)) {
            result = Result::WriteFailure;
            return false;
        }
        if (!link_.readBack(image.bytes(), address, count)) {
            result = Result::VerifyFailure;
            return false;
        }
        setGauge(gaugeValue_ + count);
        return true;
    };
    for (int address = 0; address < PagerField::serialNumber; address += kWriteBlock)
        if (!transfer(address, kWriteBlock))
            break;
    if (result == Result::Success)
        for (const auto& [address, count] : kTailBlocks)
            if (!transfer(address, count))
                break;

    switch (result) {
    case Result::Success:
        host_.setProgressState(QStringLiteral(" Write Success !"));
        break;
    case Result::WriteFailure:
        host_.setProgressState(QStringLiteral(" Write Fail !"));
        break;
    case Result::VerifyFailure:
        host_.setProgressState(QStringLiteral(" Verify Fail !"));
        break;
    }
    ProgrammerLink::pause(600);
    port_.close();
    setGauge(0);
    host_.closeProgress();
    host_.setMainWindowEnabled(true);
    host_.setStatusLine(kReady);
    scope.ended();
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

void PagerOperations::Read1Click() {
    if (busy_)
        return; // a key that reached us while another operation waits for the programmer
    OperationScope scope(*this);
    TPagerImage& image = host_.workingImage();
    host_.setFirmwareText(QString());
    host_.setFirmwareVisible(false);
    host_.setMainWindowEnabled(false);
    host_.setStatusLine(kTesting);
    if (!boardCheck()) {
        boardCheckFailed(kReadyAfterFailure);
        return scope.ended();
    }
    if (!port_.isOpen())
        openSelectedPort();

    host_.setProgressState(kReadVersionState);
    host_.showProgress();
    host_.setStatusLine(kReadVersionStatus);
    if (!takeHeaderAndSerial())
        return scope.ended();

    setGauge(0);
    host_.setGaugeVisible(true);
    setGaugeRange(kImageGaugeMax);
    host_.setStatusLine(QStringLiteral("  Read Now ......"));
    host_.setProgressState(QStringLiteral(" Read Now ......"));
    // Twice the image: the dump of a damaged read is this whole buffer.
    QByteArray buffer(2 * TPagerImage::kSize, '\0');
    purgeQuietly(port_);

    enum class Outcome { Success, ReadFail, ChecksumError } outcome = Outcome::Success;
    if (!transferFourBlocks(&buffer)) {
        outcome = Outcome::ReadFail;
        host_.setProgressState(QStringLiteral("  Read Fail !"));
    } else {
        const auto bytes = spanOf(buffer).first<TPagerImage::kSize>();
        const int stored = bytes[PagerField::imageSum] << 8 | bytes[PagerField::imageSum + 1];
        // Byte 495 = 0xCD marks an image whose sum is not kept; it is accepted as it stands.
        if (TPagerImage::imageSumOf(bytes) == stored || bytes[TPagerImage::kSumLast] == 0xCD) {
            host_.setProgressState(QStringLiteral(" Read Success !"));
        } else {
            outcome = Outcome::ChecksumError;
            host_.setGaugeVisible(false);
            setGauge(0);
            host_.setProgressState(QStringLiteral("Checksum Error !"));
        }
    }
    ProgrammerLink::pause(800);
    port_.close();
    setGauge(0);
    host_.closeProgress();

    if (outcome == Outcome::Success) {
        // Pagers that never stored the second-tone durations get their defaults.
        if (static_cast<std::uint8_t>(buffer[PagerField::tone2DurationStd]) == 0xFF)
            buffer[PagerField::tone2DurationStd] = 3;
        if (static_cast<std::uint8_t>(buffer[PagerField::tone2DurationPlectron]) == 0xFF)
            buffer[PagerField::tone2DurationPlectron] = 2;
        image.replace(spanOf(buffer).first(TPagerImage::kSize), 0);
        host_.runLoadingPass();
    } else {
        // A failed read is dumped too (blocks received so far, zeros for the rest), so that a
        // damaged pager can be looked at; the working image stays as it was.
        writeErrorDump(buffer);
    }
    host_.setMainWindowEnabled(true);
    host_.setStatusLine(kReady);
    scope.ended();
}

void PagerOperations::writeErrorDump(const QByteArray& buffer) {
    // An older dump stays as it was unless the whole new one reached the disk.
    QString reason;
    if (!writeWholeFile(QDir(host_.startupDirectory()).filePath(QStringLiteral("errtbl.tbl")),
                        buffer, &reason))
        warn(QStringLiteral("Save Error!"), reason);
}

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

    setGaugeRange(kImageGaugeMax);
    setGauge(0);
    host_.setProgressState(QStringLiteral("Verify Now ......"));
    host_.showProgress();
    host_.setStatusLine(QStringLiteral("  Verify Now ......"));
    purgeQuietly(port_);

    // Compares all 512 bytes as they stand, serial-number block and sum included.
    if (!transferFourBlocks(nullptr)) {
        setGauge(0);
        host_.setGaugeVisible(false);
        host_.setProgressState(QStringLiteral("  Verify Fail !"));
    } else {
        host_.setProgressState(QStringLiteral(" Verify Success !"));
    }
    ProgrammerLink::pause(800);
    port_.close();
    host_.setGaugeVisible(true);
    setGauge(0);
    host_.closeProgress();
    host_.setMainWindowEnabled(true);
    host_.setStatusLine(kReady);
    scope.ended();
}

} // namespace kz
