#include "channel_pages_fixture.h"

#include "tone_code.h"
#include "tone_spacing.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>

namespace {

using namespace PagerField;
using kz::Channel;
using kz::ToneKind;

using ToneFields = ChannelPagesTest;

TEST_F(ToneFields, LoadShowsEveryStoredTone) {
    for (const char* ch : {"F1", "F2"}) {
        for (int row = 0; row < 8; ++row) {
            EXPECT_EQ(field(QString("edt%1T1%2").arg(ch).arg(row))->text(), "1285.8");
            EXPECT_EQ(field(QString("edt%1T2%2").arg(ch).arg(row))->text(), "879.0");
        }
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(field(QString("edt%1GT%2").arg(ch).arg(row))->text(), "1285.8");
    }
    const kz::ToneCache& cache = editor_->tones().toneCache(Channel::F2);
    EXPECT_EQ(cache[0], 12858);
    EXPECT_EQ(cache[15], 8790);
    EXPECT_EQ(cache[19], 12858);
    EXPECT_FALSE(find<QLabel>("lblF1ToneTbl")->isVisible());
    EXPECT_EQ(find<QLabel>("lblF2ToneTbl")->text(), "[F9] Open Tone Table");
}

TEST_F(ToneFields, TypedToneIsMovedToTheNearestStandardToneAndStoredWithItsCode) {
    image().setWord16(f1CallTones, 10000); // start from another tone so the store is visible
    editor_->tones().refreshCallTones(Channel::F1);
    type("edtF1T10", "1285.7");
    EXPECT_EQ(field("edtF1T10")->text(), "1285.8");
    EXPECT_EQ(image().word16(f1CallTones), 12858);
    EXPECT_EQ(image().word16(f1CallToneCodes), 0x9510);
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(ToneFields, CommitOfTone2RewritesTheCodeTheBuiltInImageGotWrong) {
    EXPECT_EQ(image().word16(f1CallToneCodes + 2), 0x4E86);
    showPage(1);
    type("edtF2T20", "879");
    EXPECT_EQ(image().word16(f2CallTones + 2), 8790);
    EXPECT_EQ(image().word16(f2CallToneCodes + 2), 0x8E86);
    EXPECT_EQ(image().word16(f1CallToneCodes + 2), 0x4E86) << "other fields untouched";
}

TEST_F(ToneFields, EnteringAndLeavingWithoutTypingChangesNothing) {
    const kz::TPagerImage before = image();
    QLineEdit* f = field("edtF1T20");
    f->setFocus();
    EXPECT_EQ(f->text(), "") << "a tone field is emptied on entry";
    leave();
    EXPECT_EQ(f->text(), "879.0");
    EXPECT_EQ(image(), before);
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(ToneFields, MenuBarTakingTheKeyboardNeitherEndsNorStartsAnEntry) {
    QLineEdit* f = field("edtF1T10");
    f->setFocus();
    QTest::keyClicks(f, "1000");
    form_->menuBar()->setFocus(Qt::MenuBarFocusReason); // Alt hands the keys to the menu bar
    EXPECT_EQ(image().word16(f1CallTones), 12858) << "no exit check";
    f->setFocus(Qt::MenuBarFocusReason); // Escape hands them back
    EXPECT_EQ(f->text(), "1000") << "no enter step";
    leave();
    EXPECT_EQ(image().word16(f1CallTones), 10069);
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(ToneFields, SameCallIsComparedBeforeAdjustment) {
    type("edtF1T10", "1000");
    EXPECT_EQ(image().word16(f1CallTones), 10069);
    type("edtF1T20", "1285.8");
    EXPECT_EQ(image().word16(f1CallTones + 2), 12858);
    // 1285.7 differs from the partner's 1285.8 as typed, so it passes and is then moved onto it
    type("edtF1T10", "1285.7");
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(image().word16(f1CallTones), 12858);
    EXPECT_EQ(image().word16(f1CallTones + 2), 12858);

    // the partner's exact tone is refused in every system and the stored tone shows again
    type("edtF1T20", "1006.9");
    type("edtF1T10", "1006.9");
    ASSERT_EQ(messages_.texts().size(), 1);
    EXPECT_EQ(messages_.texts()[0], kz::sameCallMessage(15));
    EXPECT_EQ(messages_.messages()[0].title, "KZ904");
    EXPECT_EQ(field("edtF1T10")->text(), "1285.8");
    EXPECT_EQ(image().word16(f1CallTones), 12858);
    EXPECT_EQ(editor_->tones().markers().row(ToneKind::Tone1), -1) << "marker of the field cleared";
}

TEST_F(ToneFields, PartnersExactToneIsRefusedInEverySystem) {
    for (int system : {1, 2, 0}) { // User, Plectron, Standard
        clickSystem(system);
        messages_.clear();
        const QString partner = field("edtF1T20")->text();
        const kz::TPagerImage before = image();
        type("edtF1T10", partner);
        EXPECT_EQ(messages_.texts(), QStringList{kz::sameCallMessage(15)}) << system;
        EXPECT_EQ(image(), before) << system;
        showPage(1);
        messages_.clear();
        type("edtF2T20", field("edtF2T10")->text());
        EXPECT_EQ(messages_.texts(), QStringList{kz::sameCallMessage(15)}) << "F2 " << system;
        showPage(0);
    }
}

TEST_F(ToneFields, KeyFilterTakesOneDecimalNumber) {
    struct Case {
        const char* keys;
        const char* shown;
    };
    const Case cases[] = {
        {".5", "5"}, {"12.3.4", "12.3"}, {"12.34", "12.3"}, {"1a2-b", "12"}, {"9 9", "99"},
    };
    QLineEdit* f = field("edtF1T20");
    for (const auto& c : cases) {
        f->setFocus();
        QTest::keyClicks(f, c.keys);
        EXPECT_EQ(f->text(), c.shown) << c.keys;
        f->clear();
    }
    f->setFocus();
    QTest::keyClicks(f, "912.3");
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, ".5");
    EXPECT_EQ(f->text(), "912.5");
    EXPECT_TRUE(messages_.texts().isEmpty()) << "a swallowed key shows no message";
    // Enter ends the entry through the focus sink, which runs the exit check
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_TRUE(edtNull_->hasFocus());
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(ToneFields, OutOfRangeKeepsTheImageAndPutsTheFocusBack) {
    const kz::TPagerImage before = image();
    type("edtF1T10", "288.4");
    ASSERT_EQ(messages_.texts(), QStringList{"Please insert a number between 288.5 to 2468.2"});
    EXPECT_EQ(image(), before);
    QCoreApplication::processEvents();
    EXPECT_TRUE(field("edtF1T10")->hasFocus());
    EXPECT_EQ(field("edtF1T10")->text(), "") << "entering again empties the field";
    leave();
    EXPECT_EQ(field("edtF1T10")->text(), "1285.8");
    EXPECT_EQ(messages_.texts().size(), 1);

    // a tone beyond 6553.5 Hz does not wrap round into the range
    type("edtF1T10", "9000");
    EXPECT_EQ(messages_.texts().size(), 2);
    EXPECT_EQ(image(), before);
}

// After a refusal the message box closes and the window manager activates the main window again
// at its own moment: before the field's focus is given back, or after. Either way the refused
// field gets its enter step (emptied) and the field the user had moved to gets its exit step.
TEST_F(ToneFields, RefusedFieldGetsItsFocusBackWhicheverComesFirstFocusOrActivation) {
    for (const bool activationFirst : {true, false}) {
        SCOPED_TRACE(activationFirst ? "window active again first" : "focus given back first");
        messages_.clear();
        const kz::TPagerImage before = image();
        QLineEdit* refused = field("edtF1T10");
        QLineEdit* next = field("edtF1T20");
        const QString nextShown = next->text();
        refused->setFocus();
        QTest::keyClicks(refused, "3500");
        next->setFocus(Qt::TabFocusReason); // the exit check refuses; `next` is entered
        ASSERT_EQ(messages_.texts().size(), 1);

        QWidget elsewhere; // another application's window, say
        if (!activationFirst) {
            elsewhere.show();
            QApplication::setActiveWindow(&elsewhere);
            QCoreApplication::processEvents(); // the focus is given back while inactive
            QApplication::setActiveWindow(form_.get());
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();

        EXPECT_TRUE(refused->hasFocus());
        EXPECT_EQ(refused->text(), "") << "the refused field is entered again";
        EXPECT_EQ(next->text(), nextShown) << "the field moved to is left again";
        EXPECT_EQ(image(), before);
        leave();
    }
}

TEST_F(ToneFields, UserToneRefusedOnSwitchingToStandard) {
    clickSystem(1);
    EXPECT_EQ(image().byte(toneSystem), 254);
    EXPECT_TRUE(messages_.texts().isEmpty()) << "every built-in tone passes under User";
    type("edtF1T10", "3500.0");
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(image().word16(f1CallTones), 35000);
    EXPECT_EQ(image().word16(f1CallToneCodes), 0xBA02);

    clickSystem(0);
    EXPECT_EQ(image().byte(toneSystem), 255);
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 288.5 to 2468.2"});
    EXPECT_EQ(image().word16(f1CallTones), 35000) << "a refused tone is left as stored";
}

TEST_F(ToneFields, SwitchingUserToPlectronMovesEveryToneToItsTable) {
    clickSystem(1);
    showPage(1);
    find<QCheckBox>("chkF2GCall2")->click();
    type("edtF2GT2", "1000.0");
    EXPECT_EQ(image().word16(f2GroupTones + 4), 10000);
    clickSystem(2);
    EXPECT_EQ(image().byte(toneSystem), 253);
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(field("edtF2GT2")->text(), "992.0");
    EXPECT_EQ(image().word16(f2GroupTones + 4), 9920);
    EXPECT_EQ(image().word16(f2GroupToneCodes + 4), kz::toneCode(9920));
    EXPECT_EQ(image().word16(f1CallTones), 12870) << "1285.8 -> 1287.0";
    EXPECT_EQ(image().word16(f2CallTones + 30), 8710) << "879.0 -> 871.0";
    EXPECT_EQ(image().word16(f2CallToneCodes + 30), kz::toneCode(8710));
}

TEST_F(ToneFields, SystemChangeChecksEveryFieldOfBothChannels) {
    // An image stored under User with tones outside the Standard range in a disabled row, on the
    // page not shown and in a group call.
    image().setByte(toneSystem, 254);
    image().setWord16(f1CallTones + 20, 30000); // CALL #6 Tone 1, disabled
    image().setWord16(f2CallTones + 2, 30000);  // F2 CALL #1 Tone 2
    image().setWord16(f2GroupTones + 6, 30000); // F2 Group Call #4
    load();
    ASSERT_TRUE(find<QRadioButton>("radToneSystem1")->isChecked());
    clickSystem(0);
    EXPECT_EQ(messages_.texts().size(), 3);
    for (const QString& text : messages_.texts())
        EXPECT_EQ(text, "Please insert a number between 288.5 to 2468.2");
    EXPECT_EQ(image().word16(f2CallTones + 2), 30000);
    EXPECT_EQ(image().word16(f2GroupTones + 6), 30000);
    EXPECT_EQ(image().word16(f2CallTones + 28), 12858) << "later fields still checked";
    EXPECT_EQ(image().word16(f2CallToneCodes + 30), 0x8E86) << "and stored with their codes";
    QCoreApplication::processEvents();
    EXPECT_FALSE(field("edtF2T20")->hasFocus()) << "a field on a page not shown takes no focus";
    EXPECT_FALSE(field("edtF1T15")->hasFocus()) << "nor does a disabled one";
}

TEST_F(ToneFields, SystemChangeChecksRowByRowAcrossBothChannels) {
    image().setByte(toneSystem, 254);
    image().setWord16(f2CallTones, 10000); // F2 CALL #1: both tones alike
    image().setWord16(f2CallTones + 2, 10000);
    image().setWord16(f1CallTones + 4, 30000); // F1 CALL #2 Tone 1
    image().setWord16(f1GroupTones, 30000);    // F1 Group Call #1
    load();
    clickSystem(0);
    const QString range = "Please insert a number between 288.5 to 2468.2";
    EXPECT_EQ(messages_.texts(),
              (QStringList{kz::sameCallMessage(15), kz::sameCallMessage(15), range, range}));
}

TEST_F(ToneFields, SpacingRuleUnderUser) {
    clickSystem(1);
    type("edtF1T10", "1000");
    ASSERT_TRUE(messages_.texts().isEmpty());
    find<QCheckBox>("chkF1GCall0")->click();
    type("edtF1GT0", "1030.9");
    ASSERT_EQ(messages_.texts(), QStringList{kz::spacingMessage(15)});
    EXPECT_EQ(editor_->tones().spacingConflictMark(), 0);
    EXPECT_EQ(field("edtF1GT0")->text(), "1285.8");
    EXPECT_EQ(image().word16(f1GroupTones), 12858);

    type("edtF1GT0", "1031.0");
    EXPECT_EQ(messages_.texts().size(), 1) << "exactly on the bound passes";
    EXPECT_EQ(image().word16(f1GroupTones), 10310);
    EXPECT_EQ(editor_->tones().spacingConflictMark(), -1) << "a stored tone clears the mark";

    find<QCheckBox>("chkF1Call1")->click();
    type("edtF1T11", "975");
    EXPECT_EQ(messages_.texts().size(), 2) << "too close to the 1000.0 of CALL #1";
    EXPECT_EQ(editor_->tones().spacingConflictMark(), 0);
    // the tone of a disabled call never refuses
    find<QCheckBox>("chkF1Call0")->click();
    type("edtF1T11", "975");
    EXPECT_EQ(messages_.texts().size(), 2);
    EXPECT_EQ(image().word16(f1CallTones + 4), 9750);
}

TEST_F(ToneFields, SpacingFollowsTheStoredDecoderBandwidth) {
    image().setByte(decoderBandwidth, 0); // "0.1": the narrowest spacing, 0.3 %
    load();                               // the Decoder Bandwidth list shows it
    clickSystem(1);
    type("edtF1T10", "700");
    type("edtF1T20", "702.1"); // on the bound in decimals; the device's rounding refuses it
    ASSERT_EQ(messages_.texts().size(), 1);
    EXPECT_TRUE(messages_.texts()[0].contains("minimum of 0.1%."));
    EXPECT_EQ(image().word16(f1CallTones + 2), 8790);
    type("edtF1T20", "702.2");
    EXPECT_EQ(messages_.texts().size(), 1);
    EXPECT_EQ(image().word16(f1CallTones + 2), 7022);
}

TEST_F(ToneFields, MarkersAndTheToneTableLabel) {
    const auto& markers = editor_->tones().markers();
    EXPECT_EQ(openedPicker([&] { editor_->tones().f9Pressed(); }), "")
        << "F9 with no marker opens nothing";

    field("edtF1T10")->setFocus();
    EXPECT_EQ(markers.row(ToneKind::Tone1), 0);
    EXPECT_TRUE(find<QLabel>("lblF1ToneTbl")->isVisible());
    QTest::keyClicks(field("edtF1T10"), "1000");
    leave();
    EXPECT_EQ(markers.row(ToneKind::Tone1), 0) << "kept after an F1 Tone 1 commit";
    // the window's F9, wherever the focus is; leaving the picker clears the markers
    EXPECT_EQ(openedPicker([&] { QTest::keyClick(edtNull_, Qt::Key_F9); }), "Form2");
    EXPECT_FALSE(markers.anySet());

    type("edtF1T20", "900");
    EXPECT_EQ(markers.row(ToneKind::Tone1), -1);
    EXPECT_EQ(markers.row(ToneKind::Tone2), 0);
    showPage(1);
    type("edtF2T10", "1000");
    EXPECT_FALSE(markers.anySet()) << "an F2 Tone 1 commit clears its marker";
    find<QCheckBox>("chkF2GCall1")->click();
    type("edtF2GT1", "900");
    EXPECT_FALSE(markers.anySet()) << "a group commit clears its marker";

    EXPECT_EQ(openedPicker([&] { QTest::mouseDClick(field("edtF2T20"), Qt::LeftButton); }),
              "Form2");
    EXPECT_FALSE(markers.anySet()) << "leaving the picker clears the marker it set";

    clickSystem(1);
    field("edtF2T10")->setFocus();
    EXPECT_FALSE(find<QLabel>("lblF2ToneTbl")->isVisible()) << "no tone table under User";
    leave();
    EXPECT_EQ(openedPicker([&] { QTest::mouseDClick(field("edtF2T20"), Qt::LeftButton); }), "");
    EXPECT_EQ(openedPicker([&] { editor_->tones().f9Pressed(); }), "")
        << "neither double click nor F9 opens anything under User";
    EXPECT_EQ(markers.row(ToneKind::Tone2), 0) << "the field's own enter marked it, nothing more";
}

} // namespace
