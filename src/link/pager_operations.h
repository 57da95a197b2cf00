#pragma once

#include "programmer_link.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kz {

class TCommPort;
class TPagerImage;
class PagerHost;
class ProductionLog;
class SerialRunHost;

// The operations that move the pager's memory between the programmer cradle and the working
// image: the board check before each of them, the board search at start-up, Write, Read and
// Verify. Each disables the main window, reports through the host's progress window and status
// line, and ends with the port closed and the main window enabled, on every path.
class PagerOperations final : public LinkObserver {
public:
    PagerOperations(TCommPort& port, PagerHost& host);

    TCommPort& port() { return port_; }
    ProgrammerLink& link() { return link_; }
    PagerHost& host() { return host_; }

    // The port table behind the "COM Port" list.
    const QStringList& portNames() const { return portNames_; }
    void setPortNames(const QStringList& names) { portNames_ = names; }
    QString selectedPortName() const;
    // Opens the port chosen in the list, telling the user when that fails.
    bool openSelectedPort();

    // Set by the serial intake when the pager's serial number has a known prefix; the squelch
    // presets read it.
    bool serialPrefixFlag() const { return serialPrefixFlag_; }
    void setSerialPrefixFlag(bool on) { serialPrefixFlag_ = on; }

    // True while an operation runs (the bench buttons are unavailable then).
    bool busy() const { return busy_; }

    // Probes the selected port for an answering programmer; the port stays open.
    bool boardCheck();
    // Probes every listed port; an answering one is selected and left open.
    bool boardSearch();
    // Start-up: the board search, and the message once when no programmer answers.
    void startUpSearch();

    void Write1Click();
    void Read1Click();
    void Verify1Click();
    // The serial-number run that a scanned label starts: puts `serial` (the field's trimmed
    // text) into the working image, writes the whole image with it and its sum into the pager,
    // reads each block back, and logs the pager in the day's production log.
    void programSerialNumber(const QString& serial, SerialRunHost& runHost);

    // LinkObserver
    void frameSent(const QByteArray& frame) override;
    void replyReceived(const QByteArray& reply) override;
    void progressTotalChanged(int total) override;

    static QString boardNotRespondingText();

private:
    enum class Intake { Accepted, ReadFailed, ChecksumError };
    enum class WriteResult { Success, WriteFailure, VerifyFailure };
    enum class ReadResult { Success, ReadFailure, ChecksumError };
    friend class OperationScope;

    bool probe(const QString& portName);
    Intake serialIntake();
    // Reads the header block into the working image and shows the firmware version, then runs
    // the serial intake. On a failure it ends the operation (message, five-dot status, progress
    // window closed) and returns false.
    bool takeHeaderAndSerial();
    // Close the port, message, status line, then (when the progress window is up) gauge to 0
    // and close it, and enable the main window.
    void failureEnd(const QString& message, const QString& status, bool progressShown);
    void boardCheckFailed(const QString& status);
    // Keeps the outcome in the status bar once the progress window has gone: the state or
    // message text without its padding.
    void reportOutcome(const QString& text, bool failed);

    // The steps of Write and Read. A step that fails ends the operation itself (message, status
    // line, port and progress window closed, main window enabled) and returns false.
    bool startWrite();
    // Reads the version block (into `block` when given) for Write and the serial-number run.
    bool readVersionBlock(QByteArray* block = nullptr);
    // Reads the header block and shows the firmware version; on a failure ends the operation.
    bool readHeaderBlock(QByteArray& header);
    WriteResult writeImage();
    // Gauge, state and status line of a Write (and of the serial-number run's transfer).
    void showWriteProgress();
    // Writes one block of the working image, then reads it back and compares; the gauge moves
    // on by the block.
    WriteResult writeAndReadBack(int address, int count);
    // " Write Success !", " Write Fail !" or " Verify Fail !": the progress window's state text.
    static QString writeOutcomeText(WriteResult result);
    void showWriteOutcome(WriteResult result);
    void endWrite();
    bool startRead();
    ReadResult readImage(QByteArray& buffer);
    void showReadOutcome(ReadResult result);
    void endRead(ReadResult result, QByteArray& buffer);

    // Stores in `image` the image sum over the bytes the pager holds after a Write: the image
    // with the pager's own serial-number block.
    void storeImageSumAsThePagerHoldsIt(TPagerImage& image) const;

    // The steps of the serial-number run (the run reads as them).
    void takeScannedSerialNumber(const QString& serial);
    bool startSerialRun(SerialRunHost& runHost);
    void takeBatteryLevelsOfOldImages(const QByteArray& versionBlock);
    bool refuseSingleChannelPager(const QByteArray& header, SerialRunHost& runHost);
    WriteResult writeWholeImage();
    void endSerialRun(SerialRunHost& runHost);

    void setGauge(int value);
    void writeErrorDump(const QByteArray& buffer);
    // Reads four 128-byte blocks into `buffer` (read) or compares them with the working image
    // (read back); the gauge follows each block. Returns whether every block succeeded.
    bool transferFourBlocks(QByteArray* buffer);

    TCommPort& port_;
    PagerHost& host_;
    ProgrammerLink link_;
    QStringList portNames_;
    bool serialPrefixFlag_ = false;
    // The serial-number block (416..431) the last serial intake read from the pager.
    QByteArray pagerSerialBlock_;
    bool busy_ = false;
    int gaugeValue_ = 0;
};

} // namespace kz
