#pragma once

#include <QString>

#include <cstdint>

namespace kz {

// Raised by every failing operation of TCommPort.
//
// `code` tells which operation failed (the table in TCommPort); `systemError` is the operating
// system's error number at the moment of raising and `reason` its text, for the detail of a
// message. `permissionDenied` marks an open refused by the system's access rights (as opposed to
// a port held by another program), which has a different remedy.
class ECommError {
public:
    enum Code : std::uint8_t {
        BaudRateRefused = 1,
        PortNameWhileOpen = 6,
        NotOpen = 7,
        OpenFailed = 8,
        WriteFailed = 9,
        ReadFailed = 10,
        CloseFailed = 11,
        PurgeFailed = 12,
        GetSettingsFailed = 14,
        SetSettingsFailed = 15,
        QueueSizeFailed = 16,
        StateFailed = 18,
    };

    ECommError(std::uint8_t code, int systemError, QString reason = {},
               bool permissionDenied = false)
        : code_(code), systemError_(systemError), reason_(std::move(reason)),
          permissionDenied_(permissionDenied) {}

    std::uint8_t code() const { return code_; }
    int systemError() const { return systemError_; }
    const QString& reason() const { return reason_; }
    bool permissionDenied() const { return permissionDenied_; }

private:
    std::uint8_t code_;
    int systemError_;
    QString reason_;
    bool permissionDenied_;
};

} // namespace kz
