#pragma once

// Texts and small helpers shared by the steps of the pager operations (Write, Read, Verify and
// the serial-number run). Internal to the link library.

#include "comm_port.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace kz::transfer {

inline const QString kReadyAfterFailure = QStringLiteral("  Ready .....");
inline const QString kReady = QStringLiteral("  Ready ......");
inline const QString kTesting = QStringLiteral("  Target board testing ......");
inline const QString kReadVersionState = QStringLiteral("Read Version ...");
inline const QString kReadVersionStatus = QStringLiteral("  Read Version ......");

// Empties the port's buffers before a transfer; a port that fails doing so is closed, and the
// requests that follow fail on it.
inline void purgeQuietly(TCommPort& port) {
    try {
        port.purge();
    } catch (const ECommError&) {
        port.close();
    }
}

inline std::uint8_t* bytesOf(QByteArray& array, int offset = 0) {
    return reinterpret_cast<std::uint8_t*>(array.data()) + offset;
}

inline std::span<const std::uint8_t> spanOf(const QByteArray& array) {
    return {reinterpret_cast<const std::uint8_t*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

} // namespace kz::transfer
