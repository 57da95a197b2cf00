#include "channel_pages_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

namespace {

using namespace PagerField;
using kz::Channel;

using CallRows = ChannelPagesTest;

TEST_F(CallRows, BuiltInImageShowsCall1OfEachChannelEnabledOnly) {
    for (const char* ch : {"F1", "F2"}) {
        for (int row = 0; row < 8; ++row) {
            const bool on = row == 0;
            const QString n = QString::number(row);
            EXPECT_EQ(find<QCheckBox>(QString("chk%1Call%2").arg(ch, n))->isChecked(), on);
            EXPECT_EQ(find<QCheckBox>(QString("chk%1Call%2").arg(ch, n))->text(),
                      QString("CALL #%1").arg(row + 1));
            EXPECT_EQ(field(QString("edt%1T1%2").arg(ch, n))->isEnabled(), on);
            EXPECT_EQ(find<QComboBox>(QString("cbo%1TType%2").arg(ch, n))->isEnabled(), on);
            EXPECT_FALSE(find<QCheckBox>(QString("chk%1SA%2").arg(ch, n))->isEnabled())
                << "every duty is off in the built-in image";
            EXPECT_EQ(find<QCheckBox>(QString("chk%1Priority%2").arg(ch, n))->isEnabled(), on);
            EXPECT_EQ(field(QString("edt%1Patten%2").arg(ch, n))->text(), "ABCDABCD");
            EXPECT_FALSE(field(QString("edt%1Patten%2").arg(ch, n))->isEnabled())
                << "Standard tone type has no pattern";
            EXPECT_FALSE(find<QComboBox>(QString("cbo%1ATime%2").arg(ch, n))->isEnabled())
                << "fixed alert time is off";
            EXPECT_EQ(find<QComboBox>(QString("cbo%1ATime%2").arg(ch, n))->currentText(), "STD");
            EXPECT_TRUE(find<QCheckBox>(QString("chk%1SD%2").arg(ch, n))->isChecked());
        }
        for (int row = 0; row < 4; ++row) {
            const QString n = QString::number(row);
            EXPECT_FALSE(find<QCheckBox>(QString("chk%1GCall%2").arg(ch, n))->isChecked());
            EXPECT_EQ(find<QCheckBox>(QString("chk%1GCall%2").arg(ch, n))->text(),
                      QString("Group Call #%1").arg(row + 1));
            EXPECT_FALSE(field(QString("edt%1GT%2").arg(ch, n))->isEnabled());
            EXPECT_FALSE(find<QFrame>(QString("pan%1GDuty%2").arg(ch, n))->isEnabled());
        }
        for (char sw : {'A', 'B', 'C', 'D'})
            EXPECT_FALSE(find<QCheckBox>(QString("chk%1Duty%2").arg(ch).arg(sw))->isChecked());
    }
    EXPECT_TRUE(find<QRadioButton>("radToneSystem0")->isChecked());
    EXPECT_EQ(find<QGroupBox>("groupF1")->title(), "Call Tone");
    auto* type = find<QComboBox>("cboF2GTType3");
    ASSERT_EQ(type->count(), 3);
    EXPECT_EQ(type->itemText(2), "User define");
    EXPECT_EQ(find<QLabel>("lblF1ATsec0")->text(), "s.");
    EXPECT_TRUE(field("edtF2ATime5")->toolTip().startsWith("Attention: Because it does not"));
}

TEST_F(CallRows, UncheckingAndCheckingACall) {
    image().setByte(dutyDisableFlags, 0x00);
    load();
    find<QCheckBox>("chkF1Call2")->click();
    EXPECT_EQ(image().byte(f1CallEnable), 0x05);
    EXPECT_TRUE(field("edtF1T12")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("chkF1SC2")->isEnabled());
    EXPECT_TRUE(messages_.texts().isEmpty()) << "its tones pass their exit checks";

    const kz::TPagerImage before = image();
    find<QCheckBox>("chkF1Call2")->click();
    EXPECT_EQ(image().byte(f1CallEnable), 0x01);
    for (const char* name : {"edtF1T12", "edtF1T22", "edtF1Patten2", "edtF1ATime2"})
        EXPECT_FALSE(field(name)->isEnabled()) << name;
    for (const char* name : {"chkF1SA2", "chkF1SD2", "chkF1Priority2"})
        EXPECT_FALSE(find<QCheckBox>(name)->isEnabled()) << name;
    EXPECT_FALSE(find<QComboBox>("cboF1TType2")->isEnabled());
    EXPECT_FALSE(find<QFrame>("panF1Call2")->isEnabled());
    kz::TPagerImage expected = before;
    expected.setByte(f1CallEnable, 0x01);
    EXPECT_EQ(image(), expected) << "tones, pattern, type, priority and alert time untouched";
}

TEST_F(CallRows, CheckingACallChecksItsTones) {
    image().setWord16(f1CallTones + 8, 30000); // CALL #3 Tone 1, beyond the Standard range
    editor_->tones().refreshCallTones(Channel::F1);
    find<QCheckBox>("chkF1Call2")->click();
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 288.5 to 2468.2"});
    EXPECT_TRUE(find<QCheckBox>("chkF1Call2")->isChecked()) << "the row stays enabled";
    EXPECT_EQ(image().word16(f1CallTones + 10), 8790);
    EXPECT_EQ(image().word16(f1CallToneCodes + 10), 0x8E86) << "Tone 2 was committed";
}

TEST_F(CallRows, OnlyF2GroupCallsCheckTheirToneWhenUnchecked) {
    image().setWord16(f1GroupTones + 2, 30000);
    image().setWord16(f2GroupTones + 2, 30000);
    load();
    find<QCheckBox>("chkF1GCall1")->click();
    find<QCheckBox>("chkF1GCall1")->click();
    EXPECT_EQ(messages_.texts().size(), 1) << "F1: only when checked";
    find<QCheckBox>("chkF2GCall1")->click();
    find<QCheckBox>("chkF2GCall1")->click();
    EXPECT_EQ(messages_.texts().size(), 3) << "F2: checked and unchecked";
    EXPECT_EQ(image().byte(f2GroupEnable), 0x00);
}

TEST_F(CallRows, ToneTypeEnablesThePattern) {
    auto* type = find<QComboBox>("cboF1TType0");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down);
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(type->currentText(), "User define");
    EXPECT_EQ(image().byte(f1CallAttributes) & 0x03, 2);
    EXPECT_TRUE(field("edtF1Patten0")->isEnabled());
    QTest::keyClick(type, Qt::Key_Up);
    EXPECT_EQ(image().byte(f1CallAttributes), 0x01);
    EXPECT_FALSE(field("edtF1Patten0")->isEnabled());
    EXPECT_EQ(image().byte(f1CallPatterns), 0x12) << "pattern bytes kept";

    image().setByte(f1CallAttributes + 2, 0xFE); // type 2 with bits 2..7 set
    image().setByte(f1CallAttributes + 4, 0x03); // no such type
    editor_->rows(Channel::F1).showToneTypes(kz::CallFamily::Calls);
    EXPECT_EQ(find<QComboBox>("cboF1TType1")->currentIndex(), 2);
    EXPECT_EQ(find<QComboBox>("cboF1TType2")->currentIndex(), -1);
    find<QCheckBox>("chkF1Call1")->click();
    auto* type1 = find<QComboBox>("cboF1TType1");
    type1->setFocus();
    QTest::keyClick(type1, Qt::Key_Up);
    EXPECT_EQ(image().byte(f1CallAttributes + 2), 0xFD) << "bits 2..7 kept";
}

TEST_F(CallRows, AlertPatterns) {
    image().setByte(f1CallAttributes, 2);
    image().setByte(f2CallAttributes, 2);
    load();
    type("edtF1Patten0", "AB");
    EXPECT_EQ(field("edtF1Patten0")->text(), "AB------");
    EXPECT_EQ(image().block(f1CallPatterns, 4)[0], 0x12);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(image().block(f1CallPatterns, 4)[static_cast<std::size_t>(i)], 0x00);

    type("edtF1Patten0", "d-d-d-d-");
    EXPECT_EQ(field("edtF1Patten0")->text(), "D-D-D-D-");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(image().byte(f1CallPatterns + i), 0x40);

    // nothing typed: the family shows its stored patterns again
    field("edtF1Patten1")->setText("junk"); // a stale text in another row of the family
    QLineEdit* f = field("edtF1Patten0");
    f->setFocus();
    EXPECT_EQ(f->text(), "");
    leave();
    EXPECT_EQ(f->text(), "D-D-D-D-");
    EXPECT_EQ(field("edtF1Patten1")->text(), "ABCDABCD");

    // a key that is no pattern character is refused with the stop box
    f->setFocus();
    QTest::keyClicks(f, "AxB");
    EXPECT_EQ(f->text(), "AB");
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages()[0].title, "Warning!");
    EXPECT_EQ(messages_.messages()[0].text, "Please input A~D or - !");
    EXPECT_EQ(messages_.messages()[0].icon, kz::MessageIcon::Error);
    // at eight characters F1 keeps the focus, F2 ends the entry
    QTest::keyClicks(f, "CDABCDAA");
    EXPECT_EQ(f->text(), "ABCDABCD");
    EXPECT_TRUE(f->hasFocus());
    EXPECT_EQ(messages_.messages().size(), 1u) << "a full pattern swallows silently";
    leave();

    showPage(1);
    QLineEdit* f2 = field("edtF2Patten0");
    f2->setFocus();
    QTest::keyClicks(f2, "ABCDABCDA");
    EXPECT_TRUE(edtNull_->hasFocus());
    EXPECT_EQ(f2->text(), "ABCDABCD");
    EXPECT_EQ(image().byte(f2CallPatterns + 3), 0x34);
}

TEST_F(CallRows, FixedAlertTime) {
    editor_->applyFixedAlertTime(true);
    EXPECT_EQ(image().byte(fixedAlertTimeMark), 254);
    auto* list = find<QComboBox>("cboF1ATime0");
    EXPECT_TRUE(list->isEnabled());
    EXPECT_FALSE(find<QComboBox>("cboF1ATime1")->isEnabled()) << "disabled row";

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentText(), "FIXED");
    QLineEdit* time = field("edtF1ATime0");
    EXPECT_TRUE(time->isVisible());
    EXPECT_TRUE(find<QLabel>("lblF1ATsec0")->isVisible());
    EXPECT_EQ(time->text(), "1.0");
    EXPECT_EQ(image().byte(f1CallAttributes + 1), 2);

    type("edtF1ATime0", "7.5");
    EXPECT_EQ(image().byte(f1CallAttributes + 1), 15);
    type("edtF1ATime0", "7.3");
    EXPECT_EQ(messages_.texts(), QStringList{"The interval is 0.5 second."});
    EXPECT_EQ(time->text(), "7.5");
    EXPECT_EQ(image().byte(f1CallAttributes + 1), 15);

    type("edtF1ATime0", "0.4");
    EXPECT_EQ(messages_.texts().last(), "Please insert a number between 0.5 to 120.0");
    EXPECT_EQ(image().byte(f1CallAttributes + 1), 15);
    QCoreApplication::processEvents();
    EXPECT_TRUE(time->hasFocus()) << "focus back in the field";
    // Enter on a refused time keeps the focus there and shows the message once
    QTest::keyClicks(time, "121");
    QTest::keyClick(time, Qt::Key_Return);
    EXPECT_EQ(messages_.texts().size(), 3);
    QCoreApplication::processEvents();
    EXPECT_TRUE(time->hasFocus());
    EXPECT_EQ(time->text(), "121") << "the typed text stays";
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(time, Qt::Key_Backspace);
    QTest::keyClicks(time, "120");
    QTest::keyClick(time, Qt::Key_Return);
    EXPECT_TRUE(edtNull_->hasFocus());
    EXPECT_EQ(image().byte(f1CallAttributes + 1), 240);
    EXPECT_EQ(messages_.texts().size(), 3);

    // STD hides the field and stores 0
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_FALSE(time->isVisible());
    EXPECT_EQ(time->text(), "0");
    EXPECT_EQ(image().byte(f1CallAttributes + 1), 0);

    // turning fixed alert time off makes every alert time STD
    image().setByte(f2GroupAttributes + 7, 9);
    image().setByte(f1CallAttributes + 15, 9);
    editor_->applyFixedAlertTime(false);
    EXPECT_EQ(image().byte(fixedAlertTimeMark), 255);
    EXPECT_EQ(image().byte(f2GroupAttributes + 7), 0);
    EXPECT_EQ(image().byte(f1CallAttributes + 15), 0);
    EXPECT_FALSE(list->isEnabled());
}

TEST_F(CallRows, AlertTimeShowStep) {
    image().setByte(fixedAlertTimeMark, 254);
    image().setByte(f2CallAttributes + 1, 15);
    load();
    showPage(1);
    EXPECT_EQ(find<QComboBox>("cboF2ATime0")->currentText(), "FIXED");
    EXPECT_EQ(field("edtF2ATime0")->text(), "7.5");
    EXPECT_TRUE(field("edtF2ATime0")->isVisible());
    EXPECT_TRUE(field("edtF2ATime0")->isEnabled());
    EXPECT_FALSE(field("edtF2ATime1")->isVisible());
}

TEST_F(CallRows, PriorityAndSwitchBoxes) {
    image().setByte(dutyDisableFlags, 0x00);
    load();
    auto* priority = find<QCheckBox>("chkF1Priority0");
    priority->click();
    EXPECT_EQ(image().byte(f1CallAttributes), 0x80);
    priority->click();
    EXPECT_EQ(image().byte(f1CallAttributes), 0x00);

    find<QCheckBox>("chkF1SB0")->click();
    EXPECT_EQ(image().byte(f1CallSwitchB), 0xFE);
    // group call 2, SW-D: bit 5 of the CD byte, on both channels
    find<QCheckBox>("chkF1GCall1")->click();
    find<QCheckBox>("chkF1GSD1")->click();
    EXPECT_EQ(image().byte(f1GroupSwitchCD), 0xDF);
    EXPECT_EQ(image().byte(f1GroupSwitchAB), 0xFF);
    showPage(1);
    find<QCheckBox>("chkF2GCall1")->click();
    find<QCheckBox>("chkF2GSD1")->click();
    EXPECT_EQ(image().byte(f2GroupSwitchCD), 0xDF);

    image().setByte(f2CallSwitchC, 0x0F);
    editor_->rows(Channel::F2).showSwitches();
    EXPECT_TRUE(find<QCheckBox>("chkF2SC3")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("chkF2SC4")->isChecked());
}

TEST_F(CallRows, DutyBoxSwitchesAWholeColumn) {
    image().setByte(dutyDisableFlags, 0x00);
    load();
    showPage(1);
    EXPECT_TRUE(find<QCheckBox>("chkF2SB0")->isEnabled());
    auto* dutyB = find<QCheckBox>("chkF2DutyB");
    dutyB->click();
    EXPECT_EQ(image().byte(dutyDisableFlags), 0x20);
    for (int row = 0; row < 8; ++row)
        EXPECT_FALSE(find<QCheckBox>(QString("chkF2SB%1").arg(row))->isEnabled()) << row;
    for (int row = 0; row < 4; ++row)
        EXPECT_FALSE(find<QCheckBox>(QString("chkF2GSB%1").arg(row))->isEnabled()) << row;
    EXPECT_TRUE(find<QCheckBox>("chkF2SA0")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("chkF1SB0")->isEnabled()) << "F1 has its own duty boxes";
    EXPECT_EQ(image().byte(f2CallSwitchB), 0xFF) << "switch bits kept";
    EXPECT_TRUE(find<QCheckBox>("chkF2SB0")->isChecked());

    // a row enabled meanwhile keeps its switch box off while the duty is off
    find<QCheckBox>("chkF2Call1")->click();
    EXPECT_FALSE(find<QCheckBox>("chkF2SB1")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("chkF2SA1")->isEnabled());

    dutyB->click();
    EXPECT_EQ(image().byte(dutyDisableFlags), 0x00);
    EXPECT_TRUE(find<QCheckBox>("chkF2SB1")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("chkF2SB2")->isEnabled()) << "row disabled";
    EXPECT_FALSE(find<QCheckBox>("chkF2GSB0")->isEnabled()) << "row disabled";
}

TEST_F(CallRows, DutyShowStepFollowsTheFlags) {
    image().setByte(dutyDisableFlags, 0b0100'1010); // F1 B, D off; F2 C off
    load();
    const bool expected[2][4] = {{true, false, true, false}, {true, true, false, true}};
    for (int ch = 0; ch < 2; ++ch)
        for (int sw = 0; sw < 4; ++sw) {
            const QString channel = QString("F%1").arg(ch + 1);
            const QString letter = QString(QChar('A' + sw));
            const bool on = expected[ch][sw];
            EXPECT_EQ(find<QCheckBox>("chk" + channel + "Duty" + letter)->isChecked(), on)
                << (channel + letter).toStdString();
            EXPECT_EQ(find<QCheckBox>("chk" + channel + "S" + letter + "0")->isEnabled(), on)
                << (channel + letter).toStdString();
        }
    EXPECT_EQ(image().byte(dutyDisableFlags), 0b0100'1010) << "written back unchanged";
}

TEST_F(CallRows, HoverCountsOnlyOverTheRowPanelItself) {
    auto* panel = find<QFrame>("panF1Call0");
    QLineEdit* pattern = field("edtF1Patten0");
    auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), panel->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &move);
    };
    QLineEdit* tone = field("edtF1T20");
    tone->setFocus();
    moveTo(tone->geometry().center()); // over a field of the row: not the panel's own area
    EXPECT_TRUE(tone->hasFocus());
    const QPoint gap(tone->geometry().right() + 3, panel->height() / 2); // between two cells
    ASSERT_EQ(panel->childAt(gap), nullptr);
    moveTo(gap);
    EXPECT_TRUE(edtNull_->hasFocus());
    EXPECT_EQ(tone->text(), "879.0") << "the entry ended with the stored tone shown again";
    EXPECT_FALSE(pattern->hasFocus());
}

// The mouse goes through the window, as the system delivers it: a disabled control takes no
// mouse input, so a move over it is a move over the panel or group box that holds it. In the
// built-in image most rows are disabled.
TEST_F(CallRows, HoverCountsOverDisabledControlsAndBetweenTheGroupsControls) {
    form_->resize(1600, 1000);
    QCoreApplication::processEvents();
    const QPoint rowAt = find<QFrame>("panF1Call0")->pos();
    field("edtF1T10")->setFocus(); // shows the "[F9] Open Tone Table" label
    QCoreApplication::processEvents();
    EXPECT_EQ(find<QFrame>("panF1Call0")->pos(), rowAt) << "the label moves no row";
    auto* group = find<QGroupBox>("groupF1");
    QLabel* tone2Heading = nullptr;
    for (QLabel* label : group->findChildren<QLabel*>())
        if (label->text() == "Tone 2")
            tone2Heading = label;
    ASSERT_NE(tone2Heading, nullptr);
    auto* panel1 = find<QFrame>("panF1Call1");
    auto centre = [](QWidget* w) { return w->rect().center(); };
    struct Case {
        const char* what;
        QWidget* over;
        QPoint at;
        bool ends;
    };
    const Case cases[] = {
        {"gap in a disabled row panel", panel1,
         QPoint(field("edtF1T11")->geometry().right() + 3, panel1->height() / 2), true},
        {"disabled tone field of a disabled row", field("edtF1T21"), centre(field("edtF1T21")),
         true},
        {"disabled group-call tone field", field("edtF1GT2"), centre(field("edtF1GT2")), true},
        {"disabled pattern field of an enabled row", field("edtF1Patten0"),
         centre(field("edtF1Patten0")), true},
        {"between two column headings", group,
         tone2Heading->geometry().topLeft() + QPoint(-3, tone2Heading->height() / 2), true},
        {"between two duty boxes", group,
         find<QCheckBox>("chkF1DutyA")->geometry().center() +
             QPoint(find<QCheckBox>("chkF1DutyA")->width() / 2 + 3, 0),
         true},
        {"enabled type list", find<QComboBox>("cboF1TType0"),
         centre(find<QComboBox>("cboF1TType0")), false},
        {"enabled enable box", find<QCheckBox>("chkF1Call1"), QPoint(5, 5), false},
    };
    QLineEdit* tone = field("edtF1T10");
    for (const Case& c : cases) {
        const QWidget* hit = form_->childAt(c.over->mapTo(form_.get(), c.at));
        ASSERT_TRUE(hit == c.over || c.over->isAncestorOf(hit)) << c.what;
        tone->setFocus();
        QTest::mouseMove(c.over, c.at);
        QCoreApplication::processEvents();
        EXPECT_EQ(edtNull_->hasFocus(), c.ends) << c.what;
        EXPECT_EQ(tone->text(), c.ends ? "1285.8" : "") << c.what;
        // one hover only: a second one would clear the marker the exit check has just set
        EXPECT_EQ(editor_->tones().markers().row(kz::ToneKind::Tone1), 0) << c.what;
    }
}

TEST_F(CallRows, HoverEndsTheToneEntryUnlessASpacingConflictIsPending) {
    QLineEdit* tone = field("edtF1T10");
    tone->setFocus();
    QTest::keyClicks(tone, "1000");
    auto* group = find<QGroupBox>("groupF1");
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), group->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(group, &move);
    EXPECT_TRUE(edtNull_->hasFocus());
    EXPECT_FALSE(find<QLabel>("lblF1ToneTbl")->isVisible());
    EXPECT_EQ(image().word16(f1CallTones), 10069) << "the entry was ended and committed";

    // after a refused spacing the hover does nothing until a tone is stored
    clickSystem(1);
    type("edtF1T20", "1020");
    ASSERT_EQ(editor_->tones().spacingConflictMark(), 0);
    tone->setFocus();
    QCoreApplication::sendEvent(group, &move);
    EXPECT_TRUE(tone->hasFocus());
    QTest::keyClicks(tone, "1200");
    leave();
    EXPECT_EQ(editor_->tones().spacingConflictMark(), -1);
    tone->setFocus();
    QCoreApplication::sendEvent(group, &move);
    EXPECT_TRUE(edtNull_->hasFocus());
}

} // namespace
