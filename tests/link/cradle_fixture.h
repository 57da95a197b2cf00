#pragma once

#include "comm_port.h"
#include "cradle_memory.h"
#include "message_recorder.h"
#include "pager_operations.h"
#include "pty_cradle.h"
#include "recording_host.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// Puts every message into the host's event list, with the state of the port at that moment,
// so that a test sees where a message falls among the operation's other steps; the recorder
// behind it keeps the message and answers it.
class MessagesIntoEvents final : public kz::MessageService {
public:
    MessagesIntoEvents(RecordingHost& host, const kz::TCommPort& port)
        : host_(host), port_(port), inner_(kz::installMessageService(this)) {}
    ~MessagesIntoEvents() override { kz::installMessageService(inner_); }
    MessagesIntoEvents(const MessagesIntoEvents&) = delete;
    MessagesIntoEvents& operator=(const MessagesIntoEvents&) = delete;

    kz::MessageButton show(const kz::Message& message) override {
        host_.events << QStringLiteral("message(port %1):%2")
                            .arg(port_.isOpen() ? "open" : "closed", message.text);
        return inner_->show(message);
    }

private:
    RecordingHost& host_;
    const kz::TCommPort& port_;
    kz::MessageService* inner_;
};

// A simulated cradle on a pseudo-terminal, the port, a recording host and the operations, with
// the cradle's port selected. Time-outs are shortened tenfold (0.2 s / 0.5 s) so that failure
// paths stay quick; one test proves the shipped values.
class CradleFixture : public ::testing::Test {
protected:
    static kz::LinkTiming quickTiming() { return {2, 5, 101}; }

    void startCradle(const kz::TPagerImage& memory = kz::sim::defaultCradleMemory(),
                     const kz::sim::CradleFaults& faults = {}) {
        cradle = std::make_unique<kz::sim::PtyCradle>(memory);
        cradle->model().setFaults(faults);
        ASSERT_TRUE(cradle->start()) << cradle->errorString().toStdString();
        operations.setPortNames({cradle->portPath()});
        host.portIndex = 0;
    }

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        host.directory = dir.path();
        host.image = kz::sim::defaultCradleMemory();
        operations.link().setTiming(quickTiming());
    }

    kz::TPagerImage pager() const { return cradle->model().memory(); }

    QTemporaryDir dir;
    MessageRecorder recorder;
    RecordingHost host;
    kz::TCommPort port;
    kz::PagerOperations operations{port, host};
    MessagesIntoEvents messageEvents{host, port};
    std::unique_ptr<kz::sim::PtyCradle> cradle;
};
