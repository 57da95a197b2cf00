#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <gtest/gtest.h>

namespace {

// The real program, started twice: the second start must end at once without a window while
// the first keeps running.
TEST(SingleInstanceProgram, SecondStartEndsAndLeavesTheFirstRunning) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // A user name of its own keeps this test apart from any copy a developer has open.
    env.insert("USER", "kz904-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces));

    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(dir.path());
    first.start(KZ904_EXE, {});
    ASSERT_TRUE(first.waitForStarted(5000));

    // Until the first copy listens, a second one would become the first itself: retry briefly.
    bool secondEnded = false;
    for (int attempt = 0; attempt < 40 && !secondEnded; ++attempt) {
        QProcess second;
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(dir.path());
        second.start(KZ904_EXE, {});
        ASSERT_TRUE(second.waitForStarted(5000));
        if (second.waitForFinished(1000)) {
            secondEnded = second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0;
        } else {
            second.kill();
            second.waitForFinished(2000);
        }
    }
    EXPECT_TRUE(secondEnded);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first copy goes on";

    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(2000);
    }
}

} // namespace
