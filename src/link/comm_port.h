#pragma once

#include "comm_error.h"

#include <QSerialPort>
#include <QString>

#include <cstdint>

namespace kz {

// The one serial port through which every byte to and from the programmer cradle passes.
//
// Line settings: 9600 baud (changeable), 8 data bits, no parity, 1 stop bit, DTR and RTS on, no
// flow control. Each blocking call is bounded by the 500 ms time-outs. Every failure raises
// ECommError with the code of the operation (see ECommError::Code).
//
// QSerialPort moves bytes only inside an event loop or a waitFor... call, so writes are flushed
// with waitForBytesWritten and the receive loop waits with waitForInput(). When the other end
// goes away, QSerialPort may report ReadError endlessly while staying open: the first read,
// write or resource error marks the port broken, the port is closed at once (from the event
// loop or at the next call) and the next call raises the error of the running request.
// QSerialPort reads and applies the line settings in one step, so code 14 (settings not
// readable) does not occur here; a refusal of any setting is code 15.
class TCommPort {
public:
    static constexpr int kReadTimeoutMs = 500;
    static constexpr int kWriteTimeoutMs = 500;
    static constexpr int kInputQueueSize = 32768;
    static constexpr int kOutputQueueSize = 9216;
    // The programmer's line: 9600 baud, opened in mode 1 (8 data bits, no parity, 1 stop bit).
    static constexpr int kProgrammerBaudRate = 9600;
    static constexpr int kMode8N1 = 1;

    TCommPort();
    ~TCommPort();
    TCommPort(const TCommPort&) = delete;
    TCommPort& operator=(const TCommPort&) = delete;

    void open();
    void close();
    bool isOpen() const { return open_; }

    int baudRate() const { return baudRate_; }
    void setBaudRate(int rate);
    const QString& portName() const { return portName_; }
    void setPortName(const QString& name);
    // mode 0: 7 data bits, even parity, 2 stop bits; mode 1: 8N1; any other: 8 data bits, no
    // parity, 2 stop bits. Then close, set baud rate, set port name, open.
    void openWithSettings(int baudRate, const QString& portName, int mode);

    void purge();
    void write(const std::uint8_t* bytes, int count);
    void write(const QByteArray& bytes) {
        write(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
              static_cast<int>(bytes.size()));
    }
    int bytesWaiting();
    std::uint8_t readByte();
    // Waits at most `ms` for input to arrive; returns whether some is waiting. Requires an open
    // port (code 7); a port that broke while waiting is closed and raises code 10.
    bool waitForInput(int ms);

    // The device path a port name opens: a path is taken as it is; on Unix "COMn" is
    // /dev/ttyS(n-1); any other name is a device name the system resolves (ttyUSB0, COM5).
    static QString systemLocation(const QString& portName);

private:
    void applyLineSettings();
    void throwIfBroken(std::uint8_t code);
    [[noreturn]] void raise(std::uint8_t code);

    QSerialPort port_;
    bool open_ = false;
    bool broken_ = false;
    QString brokenReason_;
    QString portName_ = QStringLiteral("COM1");
    int baudRate_ = kProgrammerBaudRate;
    QSerialPort::DataBits dataBits_ = QSerialPort::Data8;
    QSerialPort::Parity parity_ = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits_ = QSerialPort::OneStop;
};

} // namespace kz
