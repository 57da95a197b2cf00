// The programmer link end to end: the real main window against a simulated cradle on a
// pseudo-terminal.
#include "comm_port.h"
#include "cradle_memory.h"
#include "link_frames.h"
#include "main_window.h"
#include "main_window_link.h"
#include "message_recorder.h"
#include "progress_window.h"
#include "pty_cradle.h"
#include "splash_window.h"
#include "test_start_options.h"
#include "window_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QString kBoardText = "The Board is not responding ! \nPlease check your programer ready "
                           "\nand COM port connect properly !";

class LinkE2eTest : public ::testing::Test {
protected:
    void startCradle(kz::TPagerImage memory = kz::sim::defaultCradleMemory(),
                     const kz::sim::CradleFaults& faults = {}) {
        cradle = std::make_unique<kz::sim::PtyCradle>(memory);
        cradle->model().setFaults(faults);
        ASSERT_TRUE(cradle->start());
    }

    // Builds and shows the main window with `ports` listed; the first show searches them.
    void showWindow(QStringList ports, bool simulate = false) {
        kz::StartOptions options = testStartOptions(dir.path());
        options.extraPorts = ports;
        options.simulate = simulate;
        form = std::make_unique<TForm1>(options);
        form->pagerLink().operations().link().setTiming({2, 5, 101});
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    kz::TCommPort& port() { return form->pagerLink().port(); }
    kz::TPagerImage pager() const { return cradle->model().memory(); }
    QString state() const { return form->progressWindow()->state(); }
    // What the editor holds after `bytes` became the working image: the loading pass writes some
    // fields back normalised (synthesizer words, step codes, squelch presets), so a Read leaves
    // the pager's memory as this, not byte for byte. Leaves the window holding it.
    kz::TPagerImage shownByEditor(const kz::TPagerImage& bytes) {
        form->image() = bytes;
        form->loadImageIntoEditor();
        return form->image();
    }

    QTemporaryDir dir;
    MessageRecorder recorder;
    std::unique_ptr<kz::sim::PtyCradle> cradle;
    std::unique_ptr<TForm1> form;
};

TEST_F(LinkE2eTest, StartUpFindsTheCradleAndKeepsItsPortOpen) {
    startCradle();
    showWindow({"/dev/kz904-missing", cradle->portPath()});
    EXPECT_EQ(control<QComboBox>(*form, "cboPort")->count(), 2);
    EXPECT_EQ(control<QComboBox>(*form, "cboPort")->currentIndex(), 1);
    EXPECT_TRUE(port().isOpen());
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_FALSE(form->splashWindow()->isVisible());
    EXPECT_TRUE(control<QLineEdit>(*form, "edtNull")->hasFocus());
    EXPECT_EQ(control<QPlainTextEdit>(*form, "memSend")->toPlainText(),
              kz::frames::traceText(kz::frames::readRequest(0x33, 0, 0)));
    form->close();
    EXPECT_FALSE(port().isOpen()); // closing the window closes the port
}

TEST_F(LinkE2eTest, StartUpWithoutProgrammerTellsOnce) {
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    startCradle(kz::sim::defaultCradleMemory(), silent);
    showWindow({cradle->portPath(), "/dev/kz904-missing"});
    EXPECT_EQ(recorder.texts(), QStringList({kBoardText}));
    EXPECT_EQ(control<QComboBox>(*form, "cboPort")->currentIndex(), 0);
    EXPECT_FALSE(port().isOpen());
    EXPECT_TRUE(form->isMainWindowEnabled());
}

TEST_F(LinkE2eTest, ReadWriteVerifyThroughTheMenu) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setFirmware(memory, 3, 0, 7);
    kz::sim::setSerialNumber(memory, "948GH3d0013042");
    memory.storeImageSum();
    startCradle(memory);
    showWindow({cradle->portPath()});

    control<QAction>(*form, "Read1")->trigger();
    const kz::TPagerImage read = form->image();
    EXPECT_EQ(read, shownByEditor(memory));
    EXPECT_EQ(state(), " Read Success !");
    EXPECT_EQ(form->status(), "  Ready ......");
    EXPECT_TRUE(control<QLabel>(*form, "lblVersion")->isVisible());
    EXPECT_EQ(control<QLabel>(*form, "lblVersion")->text(), "FirmVer. 3.0.7");
    EXPECT_EQ(control<QLineEdit>(*form, "edtSerialNo")->text(), "948GH3d0013042");
    EXPECT_TRUE(form->pagerLink().operations().serialPrefixFlag());
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_FALSE(form->progressWindow()->isVisible());
    EXPECT_FALSE(port().isOpen());
    const QString received = control<QPlainTextEdit>(*form, "memRec")->toPlainText();
    EXPECT_GT(received.count(','), 4 * 143);

    form->image().setByte(100, 0x5A);
    control<QAction>(*form, "Write1")->trigger();
    EXPECT_EQ(state(), " Write Success !");
    EXPECT_EQ(form->status(), "  Ready ......");
    EXPECT_EQ(pager().byte(100), 0x5A);
    EXPECT_EQ(pager(), form->image());
    EXPECT_EQ(form->image().byte(511), 0x08);
    EXPECT_TRUE(control<QPlainTextEdit>(*form, "memRec")
                    ->toPlainText()
                    .startsWith(received)); // the receive memo grows

    control<QAction>(*form, "Verify1")->trigger();
    EXPECT_EQ(state(), " Verify Success !");
    EXPECT_EQ(form->status(), "  Ready ......");
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_FALSE(port().isOpen());
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(LinkE2eTest, DamagedImageIsDumpedAndNotShown) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::breakImageSum(memory, false);
    startCradle(memory);
    showWindow({cradle->portPath()});
    const kz::TPagerImage before = form->image();
    control<QAction>(*form, "Read1")->trigger();
    EXPECT_EQ(state(), "Checksum Error !");
    EXPECT_EQ(form->status(), "  Ready ......");
    EXPECT_TRUE(std::equal(before.bytes().begin() + 16, before.bytes().end(),
                           form->image().bytes().begin() + 16));
    QFile dump(QDir(dir.path()).filePath("errtbl.tbl"));
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    EXPECT_EQ(dump.size(), 1024);
}

TEST_F(LinkE2eTest, SerialChecksumErrorIsToldWithFiveDots) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setSerialNumber(memory, "A1", false);
    startCradle(memory);
    showWindow({cradle->portPath()});
    control<QAction>(*form, "Write1")->trigger();
    EXPECT_EQ(recorder.texts(), QStringList({"Serial No. Checksum Error !"}));
    EXPECT_EQ(form->status(), "  Ready .....");
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_FALSE(form->progressWindow()->isVisible());
    EXPECT_FALSE(port().isOpen());
    EXPECT_TRUE(cradle->model().writtenAddresses().empty());
}

TEST_F(LinkE2eTest, CradleGoneMidWriteLeavesTheWindowUsable) {
    kz::sim::CradleFaults faults;
    // Start-up probe, board check, version, header, serial, block 0 and its read-back; the
    // line goes when block 32 is sent.
    faults.disconnectAfter = 7;
    startCradle(kz::sim::defaultCradleMemory(), faults);
    showWindow({cradle->portPath()});
    control<QAction>(*form, "Write1")->trigger();
    EXPECT_TRUE(cradle->disconnected());
    EXPECT_EQ(state(), " Write Fail !");
    EXPECT_EQ(form->status(), "  Ready ......");
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_FALSE(form->progressWindow()->isVisible());
    EXPECT_FALSE(port().isOpen());
}

TEST_F(LinkE2eTest, ClosingTheWindowDuringAWriteWaitsForTheWriteToEnd) {
    startCradle();
    showWindow({cradle->portPath()});
    form->image().setByte(100, 0x5A);
    bool closedDuringWrite = true;
    QTimer::singleShot(0, form.get(), [this, &closedDuringWrite] {
        form->close(); // the title bar's close button stays live during an operation
        closedDuringWrite = !form->isVisible();
    });
    control<QAction>(*form, "Write1")->trigger();
    EXPECT_FALSE(closedDuringWrite) << "the Write is not cut short";
    EXPECT_EQ(state(), " Write Success !");
    EXPECT_EQ(pager(), form->image()) << "the pager is written whole";
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }, 2000))
        << "and the window closes once it has ended";
    EXPECT_FALSE(port().isOpen());
}

TEST_F(LinkE2eTest, BenchStripSendsItsFramesAndIsIdleDuringOperations) {
    startCradle();
    showWindow({cradle->portPath()});
    port().close();
    control<QComboBox>(*form, "cboChannel")->setCurrentIndex(1);
    control<QComboBox>(*form, "cboCall")->setCurrentIndex(10);
    QTest::mouseClick(control<QPushButton>(*form, "btnAlertTestOn"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(*form, "btnVibratorOn"), Qt::LeftButton);
    EXPECT_TRUE(port().isOpen());
    QElapsedTimer clock;
    clock.start();
    while (cradle->model().benchFrames().size() < 3 && clock.elapsed() < 2000)
        QTest::qWait(5);
    const std::array<std::uint8_t, 3> zero{};
    const std::array<std::uint8_t, 3> alert{2, 11, 0};
    EXPECT_EQ(cradle->model().benchFrames(),
              std::vector<QByteArray>({kz::frames::benchCommand(0x3B, 4, zero),
                                       kz::frames::benchCommand(0x3B, 3, alert),
                                       kz::frames::benchCommand(0x3B, 1, zero)}));

    // A click while Verify runs does nothing.
    bool enabledDuringVerify = true;
    QTimer::singleShot(100, form.get(), [&] {
        enabledDuringVerify = control<QPushButton>(*form, "btnVibratorOFF")->isEnabled();
        QTest::mouseClick(control<QPushButton>(*form, "btnVibratorOFF"), Qt::LeftButton);
    });
    control<QAction>(*form, "Verify1")->trigger();
    EXPECT_FALSE(enabledDuringVerify);
    EXPECT_EQ(cradle->model().benchFrames().size(), 3u);
}

TEST_F(LinkE2eTest, SimulateListsItsCradleFirstAndServesIt) {
    showWindow({"/dev/kz904-extra"}, true);
    kz::sim::PtyCradle* simulated = form->pagerLink().simulatedCradle();
    ASSERT_NE(simulated, nullptr);
    EXPECT_EQ(control<QComboBox>(*form, "cboPort")->itemText(0), simulated->portPath());
    EXPECT_EQ(control<QComboBox>(*form, "cboPort")->itemText(1), "/dev/kz904-extra");
    EXPECT_EQ(control<QComboBox>(*form, "cboPort")->currentIndex(), 0);
    EXPECT_TRUE(recorder.messages().empty());
    control<QAction>(*form, "Read1")->trigger();
    EXPECT_EQ(state(), " Read Success !");
    const kz::TPagerImage read = form->image();
    EXPECT_EQ(read, shownByEditor(simulated->model().memory()));
}

} // namespace

namespace {

TEST_F(LinkE2eTest, FunctionKeysDuringAnOperationStartNothing) {
    startCradle();
    showWindow({cradle->portPath()});
    int requestsDuringRead = -1;
    // F9 (tone table for the marked field) is a window shortcut: it is off while the window is.
    auto* f9 = form->findChild<QShortcut*>("FormShortCutF9");
    ASSERT_NE(f9, nullptr);
    bool f9DuringRead = true;
    QTimer::singleShot(150, form.get(), [&] {
        f9DuringRead = f9->isEnabled();
        QTest::keyClick(form.get(), Qt::Key_F4);
        QTest::keyClick(form.get(), Qt::Key_F2);
        requestsDuringRead = cradle->model().requestCount();
    });
    control<QAction>(*form, "Read1")->trigger();
    EXPECT_EQ(state(), " Read Success !");
    EXPECT_GE(requestsDuringRead, 0);
    EXPECT_FALSE(f9DuringRead);
    EXPECT_TRUE(f9->isEnabled());
    EXPECT_TRUE(cradle->model().writtenAddresses().empty());
    // Start-up probe, board check, header, serial and four blocks: nothing more.
    EXPECT_EQ(cradle->model().requestCount(), 8);
    EXPECT_TRUE(form->isMainWindowEnabled());
}

} // namespace

namespace {

// The first panel of the status bar keeps the outcome of the last operation: its text and the
// time, red for a failure, until the next operation starts.
TEST_F(LinkE2eTest, OutcomePanelKeepsTheLastResultUntilTheNextOperation) {
    kz::sim::CradleFaults faults;
    faults.refuseWriteAt = 64;
    startCradle(kz::sim::defaultCradleMemory(), faults);
    showWindow({cradle->portPath()});
    auto* panel = control<QLabel>(*form, "StatusPanel0");
    auto* statusLine = control<QLabel>(*form, "StatusPanel1");
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(statusLine, nullptr);
    const QColor normal = statusLine->palette().color(QPalette::WindowText);
    const QRegularExpression stamped(R"(^(.*)  (\d\d):(\d\d):(\d\d)$)");
    const auto outcomeOf = [&](const QString& text) {
        const QRegularExpressionMatch m = stamped.match(text);
        EXPECT_TRUE(m.hasMatch()) << text.toStdString();
        const QTime at(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
        EXPECT_TRUE(at.isValid());
        EXPECT_LE(std::abs(at.secsTo(QTime::currentTime())), 5) << "the local time it happened";
        return m.captured(1);
    };
    form->image().setByte(100, 0x5A);

    control<QAction>(*form, "Write1")->trigger();
    EXPECT_EQ(state(), " Write Fail !");
    EXPECT_EQ(form->status(), "  Ready ......"); // the status line says no more than before
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_FALSE(form->progressWindow()->isVisible());
    QTest::qWait(50); // the operation is over: the panel stays
    EXPECT_EQ(outcomeOf(panel->text()), "Write Fail !");
    const QColor alert = panel->palette().color(QPalette::WindowText);
    EXPECT_NE(alert, normal);
    EXPECT_GT(alert.red(), 150);
    EXPECT_LT(alert.green(), 80);

    // The next Write clears it as it starts, and states its own success in the normal colour.
    cradle->model().setFaults({});
    QString panelDuringWrite = "not looked at";
    QColor colourDuringWrite;
    QTimer::singleShot(0, form.get(), [&] {
        panelDuringWrite = panel->text();
        colourDuringWrite = panel->palette().color(QPalette::WindowText);
    });
    control<QAction>(*form, "Write1")->trigger();
    EXPECT_EQ(panelDuringWrite, "");
    EXPECT_EQ(colourDuringWrite, normal);
    EXPECT_EQ(state(), " Write Success !");
    EXPECT_EQ(pager(), form->image());
    EXPECT_EQ(outcomeOf(panel->text()), "Write Success !");
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), normal);
    EXPECT_TRUE(recorder.messages().empty());
}

// A programmer that does not answer is a failure too, told in a few words beside the time.
TEST_F(LinkE2eTest, OutcomePanelTellsOfASilentProgrammer) {
    startCradle();
    showWindow({cradle->portPath()});
    kz::sim::CradleFaults silent;
    silent.silentAfter = 0;
    cradle->model().setFaults(silent);
    control<QAction>(*form, "Verify1")->trigger();
    EXPECT_EQ(recorder.texts(), QStringList({kBoardText}));
    auto* panel = control<QLabel>(*form, "StatusPanel0");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->text().startsWith("Board not responding !  "))
        << panel->text().toStdString();
    EXPECT_NE(panel->palette().color(QPalette::WindowText),
              control<QLabel>(*form, "StatusPanel1")->palette().color(QPalette::WindowText));
    // The whole text fits its 250-pixel panel.
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->width());
}

} // namespace

namespace {

// The serial field on a production line: a scanner types the label in a burst and ends it with
// Enter; a person types slower.
class SerialScanE2eTest : public LinkE2eTest {
protected:
    QLineEdit* field() { return control<QLineEdit>(*form, "edtSerialNo"); }
    void enterField() {
        QTest::mouseClick(field(), Qt::LeftButton);
        ASSERT_TRUE(field()->hasFocus());
    }
    QString logOfToday() const {
        QFile file(QDir(dir.path()).filePath(QDate::currentDate().toString("yyyy-MM-dd") + ".log"));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
};

TEST_F(SerialScanE2eTest, AScanProgramsThePagerAndLeavesTheFieldReadyForTheNextLabel) {
    startCradle();
    showWindow({cradle->portPath()});
    enterField();
    QTest::keyClicks(field(), "948GH3d0012001");
    QTest::keyClick(field(), Qt::Key_Return);

    EXPECT_EQ(pager().text(PagerField::serialNumber, 14), "948GH3d0012001");
    EXPECT_TRUE(pager().serialSumMatches());
    EXPECT_EQ(pager(), form->image());
    EXPECT_TRUE(logOfToday().contains("Serial No. = 948GH3d0012001  Write Success !\r\n"));
    EXPECT_TRUE(recorder.messages().empty());
    EXPECT_EQ(form->status(), "  Ready ......");
    // The field is the window's focus (the window itself becomes active again once the
    // progress window has gone, at the window system's moment).
    EXPECT_EQ(form->focusWidget(), field());
    EXPECT_TRUE(field()->text().isEmpty()) << "the next label starts on an empty field";

    // The next label right away.
    QTest::keyClicks(field(), "948GH3d0012002");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(pager().text(PagerField::serialNumber, 14), "948GH3d0012002");
}

TEST_F(SerialScanE2eTest, TypingByHandOrTooFewCharactersStartsNothing) {
    startCradle();
    showWindow({cradle->portPath()});
    const int requestsBefore = cradle->model().requestCount();

    enterField();
    QTest::keyClicks(field(), "9481234567"); // ten characters, fast
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(field()->text(), "9481234567");

    control<QLineEdit>(*form, "edtNull")->setFocus();
    enterField();
    EXPECT_TRUE(field()->text().isEmpty()) << "entering the field empties it";
    QTest::keyClicks(field(), "94");
    QTest::qWait(300);
    QTest::keyClicks(field(), "8GH3d0012001");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(control<QLineEdit>(*form, "edtNull")->hasFocus())
        << "Enter after a long entry typed by hand moves the focus on";
    EXPECT_EQ(cradle->model().requestCount(), requestsBefore);
    EXPECT_TRUE(logOfToday().isEmpty());
    EXPECT_TRUE(recorder.messages().empty());
}

TEST_F(SerialScanE2eTest, ASingleChannelPagerRefusedChecksOneChannel) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setSingleChannel(memory);
    startCradle(memory);
    showWindow({cradle->portPath()});
    auto* oneChannel = control<QCheckBox>(*form, "chkOneChannel");
    ASSERT_FALSE(oneChannel->isChecked());
    const kz::TPagerImage before = pager();
    enterField();
    QTest::keyClicks(field(), "948GH3d0012001");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(recorder.texts(), QStringList{"You cannot turn your single channel pager into a "
                                            "2-channel scan-capable model!"});
    EXPECT_EQ(pager(), before);
    EXPECT_TRUE(oneChannel->isChecked());
    EXPECT_EQ(form->image().byte(PagerField::oneChannelMark2), PagerValue::oneChannelPager);
    EXPECT_EQ(form->status(), "  Ready .....");
    EXPECT_EQ(form->focusWidget(), field());
}

TEST_F(SerialScanE2eTest, ASerialNumberShorterThanFourteenShowsWithoutItsZeroBytes) {
    kz::TPagerImage memory = kz::sim::defaultCradleMemory();
    kz::sim::setSerialNumber(memory, "948GH3d001200"); // 13 characters and a zero byte
    memory.storeImageSum();
    startCradle(memory);
    showWindow({cradle->portPath()});
    control<QAction>(*form, "Read1")->trigger();
    ASSERT_EQ(state(), " Read Success !");
    EXPECT_EQ(field()->text(), "948GH3d001200");
    EXPECT_EQ(field()->text().size(), 13);
}

} // namespace
