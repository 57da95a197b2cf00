#include "listening_copy.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

// The real program, started twice: the second start must end at once without a window while
// the first keeps running.
TEST(SingleInstanceProgram, SecondStartEndsAndLeavesTheFirstRunning) {
    QTemporaryDir dir;
    // A user name of its own keeps this test apart from any copy a developer has open.
    const QString user = "kz904-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    qputenv("USER", user.toUtf8());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("USER", user);

    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(dir.path());
    // The simulated cradle answers the start-up search, so no real serial port is touched.
    first.start(KZ904_EXE, {"--simulate"});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitUntilListening("KZ904 V1.0.8", 10000));

    QProcess second;
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(dir.path());
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
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy goes on";

    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(2000);
    }
}

} // namespace
