#include "configuration_editor.h"
#include "control_naming.h"
#include "main_window.h"
#include "message_recorder.h"
#include "splash_window.h"
#include "test_start_options.h"
#include "window_controls.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { form = std::make_unique<TForm1>(testStartOptions(dir.path())); }
    QTemporaryDir dir;
    MessageRecorder recorder;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, CaptionSizeAndIdentityStamp) {
    EXPECT_EQ(form->windowTitle(), "KZ904 V1.0.8");
    EXPECT_EQ(form->objectName(), "Form1");
    // 825 x 655 under the menu bar (the window's geometry tests check it on screen).
    EXPECT_EQ(form->size(), QSize(825, 655 + form->menuBar()->sizeHint().height()));
    EXPECT_EQ(form->startupDirectory(), dir.path());

    const auto& image = form->image();
    EXPECT_EQ(image.text(498, 12), "KZ904V108107");
    EXPECT_EQ(image.byte(510), 0x01);
    EXPECT_EQ(image.byte(511), 0x08);
}

TEST_F(MainWindowTest, PagesInOrderWithDebugAndAdvanceHidden) {
    QTabWidget* pages = control<QTabWidget>(*form, "PageControl1");
    const QStringList expected = {"Channel F1", "Channel F2", "Setting",
                                  "System",     "DEBUG",      "Advance Setting"};
    const QStringList names = {"tabChannelF1", "tabChannelF2", "tabSetting",
                               "tabSystem",    "TabSheet5",    "tabAdvance"};
    ASSERT_EQ(pages->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pages->tabText(i), expected[i]);
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        EXPECT_EQ(pages->isTabVisible(i), i < 4) << qPrintable(names[i]);
    }
    EXPECT_EQ(pages->currentWidget(), control<QWidget>(*form, "tabChannelF1"));

    form->setPageShown(control<QWidget>(*form, "tabAdvance"), true);
    EXPECT_TRUE(form->isPageShown(control<QWidget>(*form, "tabAdvance")));
    EXPECT_FALSE(form->isPageShown(control<QWidget>(*form, "TabSheet5")));
}

TEST_F(MainWindowTest, CurrentChannelPageFollowsTheChannelPagesOnly) {
    form->setPageShown(control<QWidget>(*form, "tabAdvance"), true);
    struct Case {
        QWidget* page;
        int expected;
    };
    const std::vector<Case> cases = {
        {control<QWidget>(*form, "tabChannelF2"), 2}, {control<QWidget>(*form, "tabAdvance"), 2},
        {control<QWidget>(*form, "tabSetting"), 3},   {control<QWidget>(*form, "tabSystem"), 4},
        {control<QWidget>(*form, "tabAdvance"), 4},   {control<QWidget>(*form, "tabChannelF1"), 1}};
    EXPECT_EQ(form->editor().state().currentChannelPage, 1);
    for (const auto& c : cases) {
        control<QTabWidget>(*form, "PageControl1")->setCurrentWidget(c.page);
        EXPECT_EQ(form->editor().state().currentChannelPage, c.expected)
            << qPrintable(c.page->objectName());
    }
}

TEST_F(MainWindowTest, MenusWithTheirItemsAndShortcuts) {
    struct Item {
        const char* menu;
        const char* text;
        const char* name;
        QKeySequence shortcut;
    };
    const std::vector<Item> items = {
        {"&File", "&Open", "Open1", {}},
        {"&File", "&Save", "Save1", {}},
        {"&File", "Save As ...", "SaveAs1", {}},
        {"&File", "Restore all factory settings", "Recallfaxtorysetup1", {}},
        {"&File", "&Exit", "Close1", {}},
        {"&Pager", "&Write", "Write1", QKeySequence(Qt::Key_F4)},
        {"&Pager", "&Read", "Read1", QKeySequence(Qt::Key_F3)},
        {"&Pager", "&Verify", "Verify1", QKeySequence(Qt::Key_F2)},
        {"Advance", "Advance", "Advance2", {}},
        {"About", "About", "About2", {}},
    };
    QStringList menus;
    for (QAction* top : form->menuBar()->actions())
        menus << top->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Pager", "Advance", "About"}));

    for (const auto& item : items) {
        auto* action = form->findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
        ASSERT_TRUE(action->parent()->inherits("QMenu"));
        EXPECT_EQ(static_cast<QMenu*>(action->parent())->title(), item.menu);
    }
    // a separator stands between the restore item and Exit
    const auto fileItems =
        static_cast<QMenu*>(control<QAction>(*form, "Open1")->parent())->actions();
    ASSERT_EQ(fileItems.size(), 6);
    EXPECT_TRUE(fileItems[4]->isSeparator());
}

TEST_F(MainWindowTest, FunctionKeysTriggerVerifyReadAndWrite) {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QSignalSpy verify(control<QAction>(*form, "Verify1"), &QAction::triggered);
    QSignalSpy read(control<QAction>(*form, "Read1"), &QAction::triggered);
    QSignalSpy write(control<QAction>(*form, "Write1"), &QAction::triggered);

    QTest::keyClick(control<QLineEdit>(*form, "edtNull"), Qt::Key_F2);
    QTest::keyClick(control<QLineEdit>(*form, "edtNull"), Qt::Key_F3);
    QTest::keyClick(control<QLineEdit>(*form, "edtNull"), Qt::Key_F3);
    QTest::keyClick(control<QLineEdit>(*form, "edtNull"), Qt::Key_F4);
    EXPECT_EQ(verify.count(), 1);
    EXPECT_EQ(read.count(), 2);
    EXPECT_EQ(write.count(), 1);

    // a disabled main window (a pager operation running) takes no shortcut
    form->setMainWindowEnabled(false);
    QTest::keyClick(form.get(), Qt::Key_F3);
    EXPECT_EQ(read.count(), 2);
    form->setMainWindowEnabled(true);
}

TEST_F(MainWindowTest, StatusBarPanelsAndStatusLine) {
    ASSERT_NE(control<QStatusBar>(*form, "StatusBar1"), nullptr);
    EXPECT_EQ(control<QLabel>(*form, "StatusPanel0")->width(), 250);
    EXPECT_EQ(control<QLabel>(*form, "StatusPanel1")->width(), 400);
    EXPECT_EQ(control<QLabel>(*form, "StatusPanel2")->width(), 50);
    EXPECT_EQ(form->status(), "  Ready ......");
    form->setStatus("  Reading .....");
    EXPECT_EQ(control<QLabel>(*form, "StatusPanel1")->text(), "  Reading .....");
}

TEST_F(MainWindowTest, ShellControlsCarryTheirNames) {
    auto* serial = form->findChild<QLineEdit*>("edtSerialNo");
    ASSERT_NE(serial, nullptr);
    EXPECT_EQ(serial->maxLength(), 14);
    EXPECT_TRUE(serial->text().isEmpty()) << "the built-in image has no serial number";

    auto* version = form->findChild<QLabel*>("lblVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Firmware Ver.");
    EXPECT_TRUE(version->isHidden());

    auto* sink = form->findChild<QLineEdit*>("edtNull");
    ASSERT_NE(sink, nullptr);
    EXPECT_EQ(sink->size(), QSize(1, 1));

    ASSERT_NE(form->findChild<QComboBox*>("cboPort"), nullptr);
    ASSERT_NE(form->findChild<QPlainTextEdit*>("memSend"), nullptr);
    ASSERT_NE(form->findChild<QPlainTextEdit*>("memRec"), nullptr);
    EXPECT_TRUE(control<QPlainTextEdit>(*form, "memSend")->isReadOnly());

    const QStringList radios = {"Standard", "User", "Plectron"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = form->findChild<QRadioButton*>(QStringLiteral("radToneSystem%1").arg(i));
        ASSERT_NE(radio, nullptr);
        EXPECT_EQ(radio->text(), radios[i]);
        EXPECT_EQ(kz::tagOf(radio), i);
    }
    EXPECT_TRUE(
        control<QRadioButton>(*form, QStringLiteral("radToneSystem%1").arg(0))->isChecked());
}

TEST_F(MainWindowTest, BenchStripControls) {
    struct Button {
        const char* name;
        const char* caption;
        int tag;
    };
    for (const Button& b :
         {Button{"btnVibratorOn", "ON", 1}, Button{"btnVibratorOFF", "OFF", 2},
          Button{"btnAlertTestOn", "ON", 3}, Button{"btnAlertTestOFF", "OFF", 4}}) {
        auto* button = form->findChild<QPushButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(kz::tagOf(button), b.tag);
    }
    EXPECT_EQ(control<QComboBox>(*form, "cboChannel")->count(), 2);
    EXPECT_EQ(control<QComboBox>(*form, "cboChannel")->currentText(), "Channel F1");
    EXPECT_FALSE(control<QComboBox>(*form, "cboChannel")->isEditable());
    ASSERT_EQ(control<QComboBox>(*form, "cboCall")->count(), 12);
    EXPECT_EQ(control<QComboBox>(*form, "cboCall")->itemText(0), "Call #1");
    EXPECT_EQ(control<QComboBox>(*form, "cboCall")->itemText(7), "Call #8");
    EXPECT_EQ(control<QComboBox>(*form, "cboCall")->itemText(8), "Group Call #1");
    EXPECT_EQ(control<QComboBox>(*form, "cboCall")->itemText(11), "Group Call #4");
    EXPECT_EQ(control<QComboBox>(*form, "cboCall")->currentIndex(), 0);
    EXPECT_FALSE(control<QComboBox>(*form, "cboCall")->isEditable());
}

struct ToneSystemCase {
    int byte;
    int radio;
};

class ToneSystemShowTest : public MainWindowTest,
                           public ::testing::WithParamInterface<ToneSystemCase> {};

TEST_P(ToneSystemShowTest, LoadingPassChecksTheRadioOfTheStoredSystem) {
    const auto [byte, radio] = GetParam();
    form->image().setByte(PagerField::toneSystem, static_cast<std::uint8_t>(byte));
    form->loadImageIntoEditor();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(control<QRadioButton>(
                      *form, QStringLiteral("radToneSystem%1").arg(static_cast<std::size_t>(i)))
                      ->isChecked(),
                  i == radio);
    EXPECT_EQ(form->image().byte(PagerField::toneSystem), byte) << "showing stores nothing";
}

INSTANTIATE_TEST_SUITE_P(Bytes, ToneSystemShowTest,
                         ::testing::Values(ToneSystemCase{255, 0}, ToneSystemCase{254, 1},
                                           ToneSystemCase{253, 2}, ToneSystemCase{0, 0},
                                           ToneSystemCase{252, 0}));

TEST_F(MainWindowTest, LoadingPassShowsTheSerialNumberOrEmptiesTheField) {
    form->image().setText(PagerField::serialNumber, "AB1234567890YZ");
    form->image().storeSerialSum();
    form->loadImageIntoEditor();
    EXPECT_EQ(control<QLineEdit>(*form, "edtSerialNo")->text(), "AB1234567890YZ");

    for (int i = 0; i < 16; ++i)
        form->image().setByte(PagerField::serialNumber + i, 0xFF);
    form->loadImageIntoEditor();
    EXPECT_TRUE(control<QLineEdit>(*form, "edtSerialNo")->text().isEmpty());
}

TEST_F(MainWindowTest, DisablingTheMainWindowRefusesInputAndRestores) {
    form->setMainWindowEnabled(false);
    EXPECT_FALSE(form->isMainWindowEnabled());
    EXPECT_FALSE(control<QLineEdit>(*form, "edtSerialNo")->isEnabled());
    EXPECT_FALSE(control<QAction>(*form, "Read1")->isEnabled() && form->menuBar()->isEnabled());
    form->setMainWindowEnabled(true);
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_TRUE(control<QLineEdit>(*form, "edtSerialNo")->isEnabled());
}

TEST_F(MainWindowTest, FirstShowFocusesTheFocusSink) {
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(control<QLineEdit>(*form, "edtNull")->hasFocus());
    EXPECT_FALSE(form->splashWindow()->isVisible());
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
    form->show();
    ASSERT_TRUE(form->isVisible());
    control<QAction>(*form, "Close1")->trigger();
    EXPECT_FALSE(form->isVisible());
}

} // namespace

namespace {

TEST_F(MainWindowTest, BringToFrontRestoresAMinimisedWindow) {
    form->showMinimized();
    ASSERT_TRUE(form->isMinimized());
    form->bringToFront();
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowTest, BringToFrontDoesNotReopenAClosedWindow) {
    // A second start asks to come to the front just as the window closes (a logout, Exit): the
    // program must still end.
    form->show();
    control<QAction>(*form, "Close1")->trigger();
    ASSERT_FALSE(form->isVisible());
    form->bringToFront();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
