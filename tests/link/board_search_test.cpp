#include "cradle_fixture.h"

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
