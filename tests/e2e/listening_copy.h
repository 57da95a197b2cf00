#pragma once

#include "single_instance.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QString>
#include <QThread>

// Waits until a copy of the program listens under `key` for the current user.
inline bool waitUntilListening(const QString& key, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QLocalSocket probe;
#ifdef Q_OS_LINUX
        probe.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
#endif
        probe.connectToServer(kz::SingleInstance::serverNameFor(key));
        if (probe.waitForConnected(100)) {
            probe.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}
