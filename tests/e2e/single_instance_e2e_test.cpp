#include "listening_copy.h"

#include <QDir>

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// The real program, started twice: the second start must end at once without a window while
// the first keeps running.
TEST(SingleInstanceProgram, SecondStartEndsAndLeavesTheFirstRunning) {
    RunningCopy first(KZ904_EXE);
    ASSERT_TRUE(first.listening());

    QProcess second;
    second.setProcessEnvironment(first.environment());
    second.setWorkingDirectory(first.folder());
    second.start(KZ904_EXE, {"--simulate"});
    ASSERT_TRUE(second.waitForStarted(5000));
    const bool ended = second.waitForFinished(10000);
    EXPECT_TRUE(ended);
    if (ended) {
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
    } else {
        second.kill();
        second.waitForFinished(2000);
    }
    EXPECT_TRUE(first.running()) << "the first copy goes on";
    // The second start's request to come to the front may still be on its way: it must not
    // bring back a window that is closing.
    EXPECT_TRUE(first.endOnRequest());
}

// A logout (SIGTERM) closes the program as its close button would: it ends with status 0, and its
// simulated cradle is gone with the temporary folder of its port.
TEST(SingleInstanceProgram, ATerminateRequestClosesTheProgramItsOwnWay) {
    RunningCopy copy(KZ904_EXE);
    ASSERT_TRUE(copy.listening());
    EXPECT_FALSE(
        QDir(copy.folder()).entryList({QStringLiteral("tq615-cradle-*")}, QDir::Dirs).isEmpty())
        << "the simulated cradle's port lives in the copy's temporary folder";
    EXPECT_TRUE(copy.endOnRequest());
    EXPECT_TRUE(
        QDir(copy.folder()).entryList({QStringLiteral("tq615-cradle-*")}, QDir::Dirs).isEmpty());
}

} // namespace
