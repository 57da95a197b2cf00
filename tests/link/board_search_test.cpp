#include "bench_commands.h"
#include "cradle_fixture.h"

#include <QTimer>

TEST_F(CradleFixture, BoardSearchSelectsTheAnsweringPortAndLeavesItOpen) {
    startCradle();
    operations.setPortNames({"", "/dev/kz904-missing", cradle->portPath()});
    operations.startUpSearch();
    EXPECT_EQ(host.portIndex, 2);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_FALSE(operations.link().boardCheckMode());
}

TEST_F(CradleFixture, BoardSearchWithoutProgrammerTellsOnce) {
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    operations.setPortNames({"/dev/kz904-missing", cradle->portPath(), ""});
    operations.startUpSearch();
    EXPECT_EQ(host.portIndex, 0);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(recorder.texts(),
              QStringList({"The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !"}));
}

TEST_F(CradleFixture, BoardCheckOpensTheSelectedPort) {
    startCradle();
    EXPECT_TRUE(operations.boardCheck());
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portName(), cradle->portPath());
    host.portIndex = 5; // no such entry
    EXPECT_FALSE(operations.boardCheck());
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(recorder.messages().empty()); // the board check shows nothing
}

TEST_F(CradleFixture, NothingElseRunsWhileTheStartUpSearchProbes) {
    // The search waits for each port with window messages flowing, the window already on
    // screen. A menu command or a bench button meanwhile would reopen the port under the probe.
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    operations.setPortNames({cradle->portPath()});
    kz::BenchCommands strip(operations);
    bool busyDuringSearch = false;
    QTimer::singleShot(50, [&] {
        busyDuringSearch = operations.busy();
        operations.Read1Click();
        operations.Write1Click();
        operations.Verify1Click();
        strip.btnVibratorOnClick(kz::BenchCommands::VibratorOn);
    });
    operations.startUpSearch();
    EXPECT_TRUE(busyDuringSearch);
    EXPECT_FALSE(operations.busy());
    EXPECT_TRUE(host.statuses.isEmpty());
    EXPECT_EQ(recorder.texts(),
              QStringList({"The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !"}));
    EXPECT_EQ(cradle->model().requestCount(), 1); // the probe alone
    EXPECT_TRUE(cradle->model().benchFrames().empty());
    EXPECT_FALSE(port.isOpen());
}
