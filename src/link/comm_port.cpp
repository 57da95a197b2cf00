#include "comm_port.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

namespace kz {

namespace {

bool isFatal(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ReadError || error == QSerialPort::WriteError ||
           error == QSerialPort::ResourceError;
}

} // namespace

TCommPort::TCommPort() {
    // Marking happens at once; closing waits for the event loop, outside QSerialPort's own code.
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) {
                         if (open_ && isFatal(error) && !broken_) {
                             broken_ = true;
                             brokenReason_ = port_.errorString();
                         }
                     });
    QObject::connect(
        &port_, &QSerialPort::errorOccurred, &port_,
        [this](QSerialPort::SerialPortError error) {
            if (isFatal(error) && broken_ && open_)
                close();
        },
        Qt::QueuedConnection);
}

TCommPort::~TCommPort() {
    if (open_)
        port_.close();
}

QString TCommPort::systemLocation(const QString& portName) {
    if (portName.contains(QLatin1Char('/')) || portName.contains(QLatin1Char('\\')))
        return portName;
#ifndef Q_OS_WIN
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"));
    const auto match = com.match(portName);
    if (match.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(match.captured(1).toInt() - 1);
#endif
    return portName;
}

void TCommPort::raise(std::uint8_t code) {
    const int systemError = errno;
    throw ECommError(code, systemError, port_.errorString());
}

void TCommPort::open() {
    if (open_)
        return;
    const QString location = systemLocation(portName_);
    port_.setPortName(location);
    if (!port_.open(QIODevice::ReadWrite)) {
        const int systemError = errno;
        const QString reason = port_.errorString();
        // A port held by another program also ends in PermissionError (Qt's lock file or
        // TIOCEXCL); only a device we may not write to is a real lack of permission.
        const QFileInfo device(location);
        const bool denied = port_.error() == QSerialPort::PermissionError && device.exists() &&
                            !device.isWritable();
        port_.clearError();
        throw ECommError(ECommError::OpenFailed, systemError, reason, denied);
    }
    try {
        applyLineSettings();
        port_.setReadBufferSize(kInputQueueSize);
    } catch (...) {
        port_.close();
        throw;
    }
    broken_ = false;
    brokenReason_.clear();
    open_ = true;
}

void TCommPort::applyLineSettings() {
    if (!port_.setBaudRate(baudRate_) || !port_.setDataBits(dataBits_) ||
        !port_.setParity(parity_) || !port_.setStopBits(stopBits_) ||
        !port_.setFlowControl(QSerialPort::NoFlowControl))
        raise(ECommError::SetSettingsFailed);
    // A pseudo-terminal has no modem lines: Qt reports UnsupportedOperationError, which is not
    // a failure of the open.
    if (!port_.setDataTerminalReady(true) || !port_.setRequestToSend(true)) {
        if (port_.error() != QSerialPort::UnsupportedOperationError)
            raise(ECommError::SetSettingsFailed);
        port_.clearError();
    }
}

void TCommPort::close() {
    if (!open_)
        return;
    open_ = false;
    broken_ = false;
    port_.close();
    port_.clearError();
}

void TCommPort::setBaudRate(int rate) {
    const int previous = baudRate_;
    baudRate_ = rate;
    if (open_ && !port_.setBaudRate(rate)) {
        baudRate_ = previous;
        port_.setBaudRate(previous);
        raise(ECommError::BaudRateRefused);
    }
}

void TCommPort::setPortName(const QString& name) {
    if (open_)
        throw ECommError(ECommError::PortNameWhileOpen, 0);
    portName_ = name;
}

void TCommPort::openWithSettings(int baudRate, const QString& portName, int mode) {
    switch (mode) {
    case 0:
        dataBits_ = QSerialPort::Data7;
        parity_ = QSerialPort::EvenParity;
        stopBits_ = QSerialPort::TwoStop;
        break;
    case 1:
        dataBits_ = QSerialPort::Data8;
        parity_ = QSerialPort::NoParity;
        stopBits_ = QSerialPort::OneStop;
        break;
    default:
        dataBits_ = QSerialPort::Data8;
        parity_ = QSerialPort::NoParity;
        stopBits_ = QSerialPort::TwoStop;
        break;
    }
    close();
    setBaudRate(baudRate);
    setPortName(portName);
    open();
}

void TCommPort::throwIfBroken(std::uint8_t code) {
    if (!open_)
        throw ECommError(ECommError::NotOpen, 0);
    if (broken_) {
        const QString reason = brokenReason_;
        close();
        throw ECommError(code, EIO, reason);
    }
}

void TCommPort::purge() {
    throwIfBroken(ECommError::PurgeFailed);
    if (!port_.clear(QSerialPort::Input) || !port_.clear(QSerialPort::Output))
        raise(ECommError::PurgeFailed);
}

void TCommPort::write(const std::uint8_t* bytes, int count) {
    throwIfBroken(ECommError::WriteFailed);
    if (count == 0 || bytes == nullptr)
        return;
    const qint64 written = port_.write(reinterpret_cast<const char*>(bytes), count);
    if (written == count)
        port_.waitForBytesWritten(kWriteTimeoutMs);
    // A failed write leaves the error state to be cleared; the missing reply then shows up as
    // a time-out. A port that broke under the write cannot be cleared: that is a port error.
    throwIfBroken(ECommError::WriteFailed);
    if (port_.error() != QSerialPort::NoError)
        port_.clearError();
}

int TCommPort::bytesWaiting() {
    throwIfBroken(ECommError::StateFailed);
    return static_cast<int>(port_.bytesAvailable());
}

std::uint8_t TCommPort::readByte() {
    throwIfBroken(ECommError::ReadFailed);
    if (port_.bytesAvailable() == 0)
        port_.waitForReadyRead(kReadTimeoutMs);
    char c = 0;
    if (!port_.getChar(&c)) {
        throwIfBroken(ECommError::ReadFailed);
        raise(ECommError::ReadFailed);
    }
    return static_cast<std::uint8_t>(c);
}

bool TCommPort::waitForInput(int ms) {
    throwIfBroken(ECommError::ReadFailed);
    if (port_.bytesAvailable() > 0)
        return true;
    port_.waitForReadyRead(ms);
    throwIfBroken(ECommError::ReadFailed);
    // A time-out is not an error of the port.
    if (port_.error() == QSerialPort::TimeoutError)
        port_.clearError();
    return port_.bytesAvailable() > 0;
}

} // namespace kz
