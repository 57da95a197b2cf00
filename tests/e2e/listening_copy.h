#pragma once

#include "single_instance.h"

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

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

// A copy of the real program, started with --simulate under a user name of its own (so that no
// copy a developer has open takes part), listening for later starts; ended when this goes.
// `exe` is the program's path.
class RunningCopy {
public:
    explicit RunningCopy(const QString& exe) {
        const QString user = "kz904-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        qputenv("USER", user.toUtf8());
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.insert("USER", user);
        // Its temporary files (the simulated cradle's port) go into its own folder.
        env_.insert("TMPDIR", dir_.path());
        process_.setProcessEnvironment(env_);
        process_.setWorkingDirectory(dir_.path());
        // The simulated cradle answers the start-up search, so no real serial port is touched.
        process_.start(exe, {"--simulate"});
        listening_ = process_.waitForStarted(5000) && waitUntilListening("KZ904 V1.0.8", 10000);
    }
    ~RunningCopy() { endOnRequest(); }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    // Asks the copy to end, as a logout does (SIGTERM), and waits; true when it ended on its own
    // with exit status 0. A copy that does not end is killed.
    bool endOnRequest() {
        if (process_.state() == QProcess::NotRunning)
            return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(2000);
            return false;
        }
        return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

    bool listening() const { return listening_; }
    bool running() const { return process_.state() == QProcess::Running; }
    // The environment of this copy's user, for the later starts.
    const QProcessEnvironment& environment() const { return env_; }
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QProcessEnvironment env_;
    QProcess process_;
    bool listening_ = false;
};
