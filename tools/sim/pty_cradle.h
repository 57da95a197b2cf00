#pragma once

// Unix only: the simulated cradle behind a pseudo-terminal.

#include "cradle_model.h"

#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <memory>
#include <thread>

namespace kz::sim {

// Serves a CradleModel on the slave side of a pseudo-terminal, on a thread of its own, so the
// program reaches it as it reaches a serial port. When paced, every byte takes its time on a
// 9600-baud line (10 bits each) in both directions.
//
// The program opens the cradle through a link of its own (like /tmp/tq615-cradle-Ab12Cd/port),
// not through the pseudo-terminal's name: the system hands a freed /dev/pts number to the next
// pseudo-terminal at once, and the serial port's lock file is named after the path opened. A
// program that still holds the port of an unplugged cradle keeps the lock of that name, and the
// next cradle on the same number would be refused as "in use"; a name of its own never collides.
// The link goes when the line is cut, so it never leads to another program's terminal.
class PtyCradle {
public:
    static constexpr int kBaud = 9600;

    explicit PtyCradle(const TPagerImage& memory, bool paced = false);
    ~PtyCradle();
    PtyCradle(const PtyCradle&) = delete;
    PtyCradle& operator=(const PtyCradle&) = delete;

    // Opens the pseudo-terminal and starts serving; false (with errorString()) on failure.
    bool start();
    void stop();
    // The path the program opens: the link to the pseudo-terminal.
    QString portPath() const { return portPath_; }
    QString errorString() const { return error_; }
    bool disconnected() const { return disconnected_; }

    CradleModel& model() { return model_; }

private:
    void serve();
    void cutLine();

    CradleModel model_;
    bool paced_;
    int master_ = -1;
    int slave_ = -1; // held open so the line stays up between the program's sessions
    int wake_[2] = {-1, -1};
    QTemporaryDir linkDir_;
    QString portPath_;
    QString error_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> disconnected_{false};
    std::thread thread_;
};

} // namespace kz::sim
