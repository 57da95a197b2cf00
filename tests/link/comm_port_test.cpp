#include "comm_port.h"
#include "cradle_memory.h"
#include "message_recorder.h"
#include "port_opening.h"
#include "pty_cradle.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>
#include <unistd.h>

namespace {

std::uint8_t codeOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const kz::ECommError& error) {
        return error.code();
    }
    return 0;
}

} // namespace

TEST(CommPort, ClosedPortRefusesIo) {
    kz::TCommPort port;
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.portName(), "COM1");
    EXPECT_EQ(codeOf([&] { port.purge(); }), kz::ECommError::NotOpen);
    EXPECT_EQ(codeOf([&] { port.write(QByteArray("x")); }), kz::ECommError::NotOpen);
    EXPECT_EQ(codeOf([&] { port.bytesWaiting(); }), kz::ECommError::NotOpen);
    EXPECT_EQ(codeOf([&] { port.readByte(); }), kz::ECommError::NotOpen);
    port.close(); // nothing to do
}

TEST(CommPort, OpensAPseudoTerminalAndTalks) {
    kz::sim::PtyCradle cradle(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(cradle.start());
    kz::TCommPort port;
    port.openWithSettings(9600, cradle.portPath(), 1);
    ASSERT_TRUE(port.isOpen());
    EXPECT_EQ(port.baudRate(), 9600);
    EXPECT_EQ(codeOf([&] { port.setPortName("COM3"); }), kz::ECommError::PortNameWhileOpen);
    EXPECT_EQ(port.portName(), cradle.portPath());
    port.open(); // already open: nothing happens
    port.purge();
    port.write(QByteArray("Vornakelle\x33\x52\x03\x00\x00\x00\x00\x88", 18));
    ASSERT_TRUE(port.waitForInput(1000));
    QByteArray reply;
    while (reply.size() < 15 && (port.bytesWaiting() > 0 || port.waitForInput(1000)))
        reply.append(static_cast<char>(port.readByte()));
    EXPECT_EQ(reply.size(), 15);
    port.close();
    EXPECT_FALSE(port.isOpen());
}

TEST(CommPort, APortHeldElsewhereIsInUse) {
    kz::sim::PtyCradle cradle(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(cradle.start());
    kz::TCommPort first;
    first.openWithSettings(9600, cradle.portPath(), 1);
    kz::TCommPort second;
    MessageRecorder recorder;
    EXPECT_FALSE(kz::openPortWithMessages(second, cradle.portPath()));
    EXPECT_FALSE(second.isOpen());
    ASSERT_EQ(recorder.messages().size(), 1u);
    const kz::Message& message = recorder.messages().front();
    EXPECT_EQ(message.text, "Error opening comm port. Port already in use?");
    EXPECT_EQ(message.title, "KZ904 V1.0.8");
    EXPECT_EQ(message.icon, kz::MessageIcon::None);
    EXPECT_FALSE(message.detail.contains("dialout"));
}

// The system hands the number of an unplugged cradle's pseudo-terminal to the next one at once,
// while a program may still hold the first cradle's port (and the lock named after its path).
// The next cradle must open all the same, and the unplugged one's path must lead nowhere.
TEST(CommPort, ACradleAfterAnUnpluggedOneStillOpens) {
    kz::sim::PtyCradle unplugged(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(unplugged.start());
    kz::TCommPort held;
    held.openWithSettings(9600, unplugged.portPath(), 1);
    unplugged.stop();
    ASSERT_TRUE(held.isOpen());
    EXPECT_FALSE(QFile::exists(unplugged.portPath()));

    kz::sim::PtyCradle next(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(next.start());
    EXPECT_NE(next.portPath(), unplugged.portPath());
    kz::TCommPort port;
    MessageRecorder recorder;
    EXPECT_TRUE(kz::openPortWithMessages(port, next.portPath()));
    EXPECT_TRUE(recorder.messages().empty());
}

// A lock on the pseudo-terminal's own name, as a copy of the program ended by a signal or one on
// another machine sharing the lock folder leaves it, does not refuse the simulated cradle: it is
// opened through a name of its own.
TEST(CommPort, ALockOnThePseudoTerminalsNameDoesNotRefuseTheCradle) {
    const QString lockFolder = QStringLiteral("/var/lock");
    if (!QFileInfo(lockFolder).isWritable())
        GTEST_SKIP() << "the serial-port lock folder is not writable here";
    kz::sim::PtyCradle cradle(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(cradle.start());
    const QFileInfo path(cradle.portPath());
    QString terminal = path.isSymLink() ? path.symLinkTarget() : path.filePath(); // /dev/pts/N
    ASSERT_TRUE(terminal.startsWith("/dev/")) << terminal.toStdString();
    QFile lock(lockFolder + "/LCK.." + terminal.mid(5).replace('/', '_'));
    if (lock.exists())
        GTEST_SKIP() << "a lock of that name is there already: " << lock.fileName().toStdString();
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("1\nkz904\nanother-host\n");
    lock.close();

    kz::TCommPort port;
    MessageRecorder recorder;
    const bool opened = kz::openPortWithMessages(port, cradle.portPath());
    lock.remove();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(recorder.messages().empty());
}

TEST(CommPort, MissingDeviceCannotBeOpened) {
    kz::TCommPort port;
    try {
        port.openWithSettings(9600, "/dev/kz904-no-such-port", 1);
        FAIL() << "opened a missing device";
    } catch (const kz::ECommError& error) {
        EXPECT_EQ(error.code(), kz::ECommError::OpenFailed);
        EXPECT_FALSE(error.reason().isEmpty());
    }
    EXPECT_FALSE(port.isOpen());
}

TEST(CommPort, PermissionFailureNamesReasonAndRemedy) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may open any device";
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyLocked");
    QFile file(device);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner));
    kz::TCommPort port;
    MessageRecorder recorder;
    EXPECT_FALSE(kz::openPortWithMessages(port, device));
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages().front().text, "Error opening comm port. Port already in use?");
    EXPECT_TRUE(recorder.messages().front().detail.contains("dialout"));
    EXPECT_TRUE(recorder.messages().front().detail.contains("ermission"));
}

TEST(CommPort, WriteOnACutLineIsAPortErrorAndClosesThePort) {
    kz::sim::PtyCradle cradle(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(cradle.start());
    kz::TCommPort port;
    port.openWithSettings(9600, cradle.portPath(), 1);
    cradle.stop();
    std::uint8_t code = 0;
    for (int attempt = 0; attempt < 3 && port.isOpen(); ++attempt)
        code = codeOf([&] { port.write(QByteArray(18, 'x')); });
    EXPECT_EQ(code, kz::ECommError::WriteFailed);
    EXPECT_FALSE(port.isOpen());
}

TEST(CommPort, LineGoneWhileIdleClosesThePortWithoutSpinning) {
    kz::sim::PtyCradle cradle(kz::sim::defaultCradleMemory());
    ASSERT_TRUE(cradle.start());
    kz::TCommPort port;
    port.openWithSettings(9600, cradle.portPath(), 1); // as a bench test leaves it
    cradle.stop();
    const std::clock_t cpu = std::clock();
    QElapsedTimer clock;
    clock.start();
    while (port.isOpen() && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(port.isOpen());
    EXPECT_LT(double(std::clock() - cpu) / CLOCKS_PER_SEC, 0.2);
}
