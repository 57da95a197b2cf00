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

// A simulated cradle on a pseudo-terminal, the port, a recording host and the operations, with
// the cradle's port selected. Time-outs are shortened tenfold (0.2 s / 0.5 s) so that failure
// paths stay quick; one test proves the shipped values.
class CradleFixture : public ::testing::Test {
protected:
    static kz::LinkTiming quickTiming() { return {2, 5, 101}; }

    void startCradle(const TPagerImage& memory = kz::sim::defaultCradleMemory(),
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

    TPagerImage pager() const { return cradle->model().memory(); }

    QTemporaryDir dir;
    MessageRecorder recorder;
    RecordingHost host;
    TCommPort port;
    kz::PagerOperations operations{port, host};
    std::unique_ptr<kz::sim::PtyCradle> cradle;
};
