#include "comm_port.h"
#include "link_frames.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

// The executable: prints the port it serves, answers there, and stops on SIGTERM.
TEST(Tq615Sim, ServesThePortItPrints) {
    QProcess sim;
    sim.start(TQ615_SIM, {"--serial", "KZ-TEST-0001"});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(sim.waitForReadyRead(5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    ASSERT_TRUE(QFileInfo(path).symLinkTarget().startsWith("/dev/pts/")) << path.toStdString();

    kz::TCommPort port;
    port.openWithSettings(9600, path, 1);
    port.write(kz::frames::readRequest(kz::frames::kPagerUnit, 416, 16));
    QByteArray reply;
    QElapsedTimer clock;
    clock.start();
    while (reply.size() < 31 && clock.elapsed() < 3000)
        if (port.bytesWaiting() > 0 || port.waitForInput(50))
            reply.append(static_cast<char>(port.readByte()));
    ASSERT_TRUE(kz::frames::readReplySumOk(reply, 16));
    EXPECT_EQ(kz::frames::readReplyData(reply, 16).left(12), "KZ-TEST-0001");
    port.close();

    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(3000));
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST(Tq615Sim, HelpDocumentsTheFaults) {
    QProcess sim;
    sim.start(TQ615_SIM, {"--help"});
    ASSERT_TRUE(sim.waitForFinished(5000));
    const QString help = QString::fromLocal8Bit(sim.readAllStandardOutput());
    for (const char* option : {"--paced", "--table", "--silent", "--disconnect-after",
                               "--bad-sum-at", "--refuse-write-at", "--misstore-at", "--serial",
                               "--bad-image-sum", "--mark-cd", "--single-channel"})
        EXPECT_TRUE(help.contains(option)) << option;
}
