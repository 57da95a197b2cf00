#include "listening_copy.h"

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
}

} // namespace
