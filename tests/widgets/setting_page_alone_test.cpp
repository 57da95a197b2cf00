// The Setting page on a bare page, without the main window: its own answers to what it asks of
// the rest of the editor are recorded.
#include "alert_tonality.h"
#include "builtin_images.h"
#include "editor_state.h"
#include "function_switch.h"
#include "message_recorder.h"
#include "pager_image.h"
#include "program_identity.h"
#include "setting_page.h"
#include "setting_rules.h"
#include "window_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Records what the page asks of the rest of the editor.
class RecordingContext final : public kz::SettingPageContext {
public:
    std::vector<bool> oneChannelCalls;
    int helpOpened = 0;
    int countChanges = 0;
    void applyOneChannel(bool one) override { oneChannelCalls.push_back(one); }
    void openResetHelp() override { ++helpOpened; }
    void priorityScanCountChanged() override { ++countChanges; }
};

class SettingPageAlone : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        sink_ = new QLineEdit(&window_);
        layout->addWidget(sink_);
        page_ = new QWidget(&window_);
        new QVBoxLayout(page_);
        layout->addWidget(page_);
        page_editor_ = std::make_unique<kz::SettingPage>(image_, state_, sink_, page_, context_);
        showAll();
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        sink_->setFocus();
    }

    // The page's show steps in the order of the loading pass.
    void showAll() {
        page_editor_->showSettingTab();
        page_editor_->showOneChannel();
        page_editor_->showResetControl();
        page_editor_->showDelay();
        page_editor_->showReminder();
        page_editor_->showRecordSections();
        page_editor_->showCarrierOffDelay();
        page_editor_->showFunctionOptions();
        page_editor_->showPriorityScanPeriod();
        page_editor_->showSquelchControlRecord();
    }

    template <typename T> T* find(const QString& name) { return control<T>(window_, name); }
    QLineEdit* field(const QString& name) { return find<QLineEdit>(name); }
    QComboBox* list(const QString& name) { return find<QComboBox>(name); }
    QCheckBox* box(const QString& name) { return find<QCheckBox>(name); }

    // The user picks an item of a list.
    void choose(const QString& name, int position) {
        QComboBox* l = list(name);
        l->setCurrentIndex(position);
        emit l->activated(position);
    }
    void click(const QString& name) {
        QCheckBox* b = box(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    // Enters the field, types the keys and leaves it for the focus sink.
    void type(const QString& name, const QString& keys) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), keys);
        leave();
    }
    // Pasted text: the key filters never see it.
    void paste(const QString& name, const QString& text) {
        field(name)->setFocus();
        field(name)->setText(text);
        leave();
    }
    void leave() {
        sink_->setFocus();
        QCoreApplication::processEvents();
    }
    std::uint8_t byte(int offset) const { return image_.byte(offset); }

    MessageRecorder messages_;
    kz::TPagerImage image_ = builtinWorkingImage();
    kz::EditorState state_;
    QWidget window_;
    QLineEdit* sink_ = nullptr;
    QWidget* page_ = nullptr;
    RecordingContext context_;
    std::unique_ptr<kz::SettingPage> page_editor_;
};

TEST_F(SettingPageAlone, ShowsTheBuiltInImage) {
    EXPECT_EQ(list("cboResetCon")->currentText(), QStringLiteral("Time-Out RESET"));
    EXPECT_FALSE(field("edtDelay")->isHidden());
    EXPECT_EQ(field("edtDelay")->text(), QStringLiteral("8.0"));
    EXPECT_EQ(list("cboReminder")->currentText(), QStringLiteral("120 Second"));
    EXPECT_EQ(field("edtTonality0")->text(), QStringLiteral("0.200"));
    EXPECT_EQ(field("edtTonality3")->text(), QStringLiteral("1.700"));
    EXPECT_TRUE(box("chkSysStoredVoice")->isChecked());
    EXPECT_FALSE(box("chkSysFIXAlert")->isChecked());
    EXPECT_TRUE(box("chkSysVibratorInCharger")->isHidden());
    EXPECT_FALSE(box("chkOneChannel")->isChecked());
    EXPECT_EQ(context_.oneChannelCalls, std::vector<bool>{false});
    EXPECT_EQ(list("cboFunMode0")->currentText(), QStringLiteral("Priority Scan F1"));
    EXPECT_EQ(list("cboFunAType0")->currentText(), QStringLiteral("Vibrate"));
    EXPECT_TRUE(list("cboC1FunMode0")->isHidden());
    EXPECT_EQ(list("cboCircle")->currentText(), QStringLiteral("1 Second"));
    EXPECT_EQ(
        find<QLabel>("lblResetCon")->toolTip(),
        QStringLiteral(
            "Determines how a select call pager squelches a message after receiving a page."));
    EXPECT_TRUE(list("cboResetCon")->toolTip().isEmpty());
}

TEST_F(SettingPageAlone, ResetControlStoresTheVariantAndShowsTheDelayRowWhenItWaits) {
    choose("cboResetCon", 4);
    EXPECT_EQ(byte(PagerField::resetMode), 3);
    EXPECT_EQ(image_.getBits(PagerField::controlFlags, kz::kResetUntilPressBit, 1), 0);
    EXPECT_TRUE(field("edtDelay")->isHidden());
    EXPECT_TRUE(find<QLabel>("lblDelayTime")->isHidden());

    choose("cboResetCon", 3);
    EXPECT_EQ(byte(PagerField::resetMode), 3);
    EXPECT_EQ(image_.getBits(PagerField::controlFlags, kz::kResetUntilPressBit, 1), 1);

    choose("cboResetCon", 6);
    EXPECT_EQ(byte(PagerField::resetMode), 5);
    EXPECT_FALSE(field("edtDelay")->isHidden());
    EXPECT_FALSE(find<QLabel>("lblDelaySec")->isHidden());

    // showing 3 with the flag clear selects the until-press variant
    image_.setByte(PagerField::resetMode, 3);
    image_.setBits(PagerField::controlFlags, kz::kResetUntilPressBit, 0, 1);
    page_editor_->showResetControl();
    EXPECT_EQ(list("cboResetCon")->currentIndex(), 4);

    // a method the list does not know: no item, bytes kept, no delay row
    image_.setByte(PagerField::resetMode, 6);
    image_.setBits(PagerField::controlFlags, kz::kResetUntilPressBit, 1, 1);
    page_editor_->showResetControl();
    EXPECT_EQ(list("cboResetCon")->currentIndex(), -1);
    EXPECT_EQ(byte(PagerField::resetMode), 6);
    EXPECT_EQ(image_.getBits(PagerField::controlFlags, kz::kResetUntilPressBit, 1), 1);
    EXPECT_TRUE(field("edtDelay")->isHidden());
}

TEST_F(SettingPageAlone, DelayTimeOnTheHalfSecondGrid) {
    type("edtDelay", "2.5");
    EXPECT_EQ(byte(PagerField::resetDelay), 5);
    EXPECT_EQ(field("edtDelay")->text(), QStringLiteral("2.5"));

    // the filter lets no second decimal in: "2.34" arrives as "2.3"
    type("edtDelay", "2.34");
    EXPECT_EQ(messages_.texts(), QStringList{"The interval is 0.5 second."});
    EXPECT_EQ(field("edtDelay")->text(), QStringLiteral("2.5"));
    EXPECT_EQ(byte(PagerField::resetDelay), 5);

    messages_.clear();
    type("edtDelay", "128");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 1 to 127.5"});
    EXPECT_EQ(byte(PagerField::resetDelay), 5);

    messages_.clear();
    paste("edtDelay", QStringLiteral("1e9x"));
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 1 to 127.5"});
    EXPECT_EQ(byte(PagerField::resetDelay), 5);

    // nothing typed shows the stored value again
    messages_.clear();
    type("edtDelay", "");
    EXPECT_EQ(field("edtDelay")->text(), QStringLiteral("2.5"));

    // Enter checks the entry and leaves the field
    field("edtDelay")->setFocus();
    QTest::keyClicks(field("edtDelay"), "127.5");
    QTest::keyClick(field("edtDelay"), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(byte(PagerField::resetDelay), 255);
    EXPECT_TRUE(sink_->hasFocus());
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(SettingPageAlone, CarrierOffDelayTakesWholeNumbersUpTo255) {
    type("edtSquelch", "12");
    EXPECT_EQ(byte(PagerField::carrierOffDelay), 12);

    // a letter is refused at once and leaves the typed digits alone
    field("edtSquelch")->setFocus();
    QTest::keyClicks(field("edtSquelch"), "3a");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a numeric!"});
    EXPECT_EQ(field("edtSquelch")->text(), QStringLiteral("3"));
    EXPECT_TRUE(field("edtSquelch")->hasFocus());
    leave();
    EXPECT_EQ(byte(PagerField::carrierOffDelay), 3);

    messages_.clear();
    type("edtSquelch", "256");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 0 to 255"});
    EXPECT_EQ(byte(PagerField::carrierOffDelay), 3);
    messages_.clear();
    paste("edtSquelch", QStringLiteral("-4"));
    paste("edtSquelch", QStringLiteral("seven"));
    EXPECT_EQ(messages_.texts().size(), 2);
    EXPECT_EQ(byte(PagerField::carrierOffDelay), 3);
}

TEST_F(SettingPageAlone, TonalitiesStoreHertzAndTheirTimers) {
    type("edtTonality1", "0.25");
    EXPECT_EQ(field("edtTonality1")->text(), QStringLiteral("0.250"));
    EXPECT_EQ(image_.word16(kz::tonalityOffset(1)), 250);
    EXPECT_EQ(byte(kz::tonalityTimerOffset(1)), 4);
    EXPECT_EQ(byte(kz::tonalityTimerOffset(1) + 1), 124);
    EXPECT_TRUE(messages_.texts().isEmpty());

    // leaving by hand, to see the rewritten text before the focus comes back (and empties it)
    field("edtTonality1")->setFocus();
    QTest::keyClicks(field("edtTonality1"), "0.1");
    sink_->setFocus();
    EXPECT_EQ(field("edtTonality1")->text(), QStringLiteral("0.100"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(field("edtTonality1")->hasFocus());
    ASSERT_EQ(messages_.messages().size(), 1u);
    const kz::Message& refusal = messages_.messages().front();
    EXPECT_EQ(refusal.text, QStringLiteral("Please insert a number between 0.150 and 6.000 !"));
    EXPECT_EQ(refusal.title, QString::fromStdString(kz::programTitle()));
    EXPECT_EQ(refusal.icon, kz::MessageIcon::None);
    EXPECT_EQ(image_.word16(kz::tonalityOffset(1)), 250);

    messages_.clear();
    paste("edtTonality2", QStringLiteral("loud"));
    EXPECT_EQ(messages_.texts().size(), 1);
    EXPECT_EQ(image_.word16(kz::tonalityOffset(2)), 900);

    // a fourth decimal cannot be typed
    type("edtTonality3", "2.0009");
    EXPECT_EQ(image_.word16(kz::tonalityOffset(3)), 2000);
}

TEST_F(SettingPageAlone, AStoredTonalityThePagerCannotMakeKeepsItsTimer) {
    image_.setWord16(kz::tonalityOffset(0), 0);
    image_.setWord16(kz::tonalityOffset(1), 7000);
    image_.setByte(kz::tonalityTimerOffset(0), 9);
    image_.setByte(kz::tonalityTimerOffset(1) + 1, 9);
    page_editor_->showTonalities();
    EXPECT_EQ(field("edtTonality0")->text(), QStringLiteral("0.000"));
    EXPECT_EQ(field("edtTonality1")->text(), QStringLiteral("7.000"));
    EXPECT_EQ(byte(kz::tonalityTimerOffset(0)), 9);
    EXPECT_EQ(byte(kz::tonalityTimerOffset(1) + 1), 9);
    EXPECT_EQ(byte(kz::tonalityTimerOffset(2)), 3) << "the others are computed as ever";
}

TEST_F(SettingPageAlone, ModeListsAndPushToListen) {
    const int sw1 = kz::functionSwitchOffset(1);
    choose("cboFunMode1", 2); // Selective Call F1
    EXPECT_TRUE(box("chkFunPTListen1")->isEnabled());
    click("chkFunPTListen1");
    EXPECT_EQ(list("cboFunAType1")->currentText(), QStringLiteral("Vibrate"));
    EXPECT_FALSE(list("cboFunAType1")->isEnabled());
    EXPECT_EQ(byte(sw1), 0x80 | 0x40 | 0x01);

    click("chkFunPTListen1");
    EXPECT_TRUE(list("cboFunAType1")->isEnabled());
    choose("cboFunAType1", 2);
    click("chkFunPTListen1");
    choose("cboFunMode1", 5); // Priority Scan F1: no push to listen, the alert type stays
    EXPECT_FALSE(box("chkFunPTListen1")->isChecked());
    EXPECT_FALSE(box("chkFunPTListen1")->isEnabled());
    EXPECT_TRUE(list("cboFunAType1")->isEnabled());
    EXPECT_EQ(byte(sw1), 0x40 | 0x12);
    EXPECT_EQ(state_.twoChannelModes[1], 5);

    choose("cboFunAType1", 2);
    EXPECT_EQ(byte(sw1), 0x60 | 0x12);
}

TEST_F(SettingPageAlone, ShowingSwitchesReEncodesThem) {
    // a scan with the channel bit set, push to listen on a monitor, alert type 0, class 3
    image_.replace(std::array<std::uint8_t, 4>{0x26, 0xA0, 0x01, 0x63},
                   PagerField::functionSwitches);
    page_editor_->showOneChannel();
    EXPECT_EQ(list("cboFunMode0")->currentText(), QStringLiteral("Normal Scan"));
    EXPECT_EQ(byte(kz::functionSwitchOffset(0)), 0x22);
    EXPECT_EQ(byte(kz::functionSwitchOffset(1)), 0x20) << "monitor: push to listen is cleared";
    EXPECT_EQ(byte(kz::functionSwitchOffset(2)) & 0x1F, 0x01);
    // class 3 leaves the list where it was (Selective Call F2), which is then stored
    EXPECT_EQ(list("cboFunMode3")->currentText(), QStringLiteral("Selective Call F2"));
    EXPECT_EQ(byte(kz::functionSwitchOffset(3)), 0x65);
}

TEST_F(SettingPageAlone, PriorityScanPeriodFromBatterySave2) {
    struct Case {
        int batterySave2;
        int position;
        int count;
    };
    for (const Case& c : {Case{25, 0, 2}, Case{25, 1, 4}, Case{25, 2, 8}, Case{255, 0, 1}}) {
        image_.setByte(PagerField::batterySave2, static_cast<std::uint8_t>(c.batterySave2));
        choose("cboCircle", c.position);
        EXPECT_EQ(byte(PagerField::priorityScanF1), c.count) << c.batterySave2 << "/" << c.position;
    }
    EXPECT_EQ(context_.countChanges, 4);

    // no cycle length: the count stays and the list shows it again
    image_.setByte(PagerField::batterySave2, 0);
    choose("cboCircle", 2);
    EXPECT_EQ(byte(PagerField::priorityScanF1), 1);
    EXPECT_EQ(context_.countChanges, 4);
    EXPECT_EQ(list("cboCircle")->currentIndex(), 0);

    image_.setByte(PagerField::batterySave2, 25);
    image_.setByte(PagerField::priorityScanF1, 12);
    page_editor_->showPriorityScanPeriod();
    EXPECT_EQ(list("cboCircle")->currentIndex(), -1);
}

TEST_F(SettingPageAlone, OptionBoxesWriteTheirBits) {
    click("chkSysFIXAlert");
    EXPECT_EQ(image_.getBits(PagerField::modelOptions, 1, 1), 1);
    click("chkSysBatLevelDisplay");
    EXPECT_EQ(image_.getBits(PagerField::modelOptions, 7, 1), 1);
    click("chkSysStoredVoice");
    EXPECT_EQ(byte(PagerField::modelOptions), 0x82);

    const std::uint8_t options = byte(PagerField::functionOptions); // 0xD7
    click("chkFunPriorityScanMonitor");
    EXPECT_EQ(byte(PagerField::functionOptions), options ^ 0x08);
    click("chkSpeedUp"); // bit 4 is 1: unchecked, so the click checks it and clears the bit
    EXPECT_EQ(byte(PagerField::functionOptions), options ^ 0x08 ^ 0x10);

    EXPECT_FALSE(box("chkSQLRec")->isChecked()) << "controlFlags 0xFF";
    click("chkSQLRec");
    EXPECT_EQ(image_.getBits(PagerField::controlFlags, 0, 1), 0);

    choose("cboRecordMax", 3);
    EXPECT_EQ(byte(PagerField::recordSections), 3);
    choose("cboReminder", 1);
    EXPECT_EQ(byte(PagerField::reminderInterval), 60);
    image_.setByte(PagerField::reminderInterval, 45);
    page_editor_->showReminder();
    EXPECT_EQ(list("cboReminder")->currentText(), QStringLiteral("30  Second"));
    EXPECT_EQ(byte(PagerField::reminderInterval), 60);

    QLabel* help = find<QLabel>("lblHelp");
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(context_.helpOpened, 1);
}

TEST_F(SettingPageAlone, OneChannelSwapsTheModeListsAndRemembersEachKind) {
    click("chkOneChannel");
    EXPECT_EQ(context_.oneChannelCalls.back(), true);
    EXPECT_EQ(byte(PagerField::oneChannelMark), 254);
    EXPECT_EQ(byte(PagerField::oneChannelMark2), 254);
    EXPECT_TRUE(list("cboFunMode0")->isHidden());
    EXPECT_FALSE(list("cboC1FunMode0")->isHidden());
    const std::array<std::uint8_t, 4> modes{0, 0, 1, 1};
    for (int sw = 0; sw < 4; ++sw)
        EXPECT_EQ(byte(kz::functionSwitchOffset(sw)) & 0x1F, modes[static_cast<std::size_t>(sw)]);

    choose("cboC1FunMode0", 1);
    click("chkOneChannel");
    EXPECT_EQ(context_.oneChannelCalls.back(), false);
    EXPECT_EQ(byte(PagerField::oneChannelMark), 255);
    EXPECT_EQ(list("cboFunMode0")->currentText(), QStringLiteral("Priority Scan F1"));
    EXPECT_EQ(byte(kz::functionSwitchOffset(0)) & 0x1F, 0x12);

    click("chkOneChannel");
    EXPECT_EQ(list("cboC1FunMode0")->currentText(), QStringLiteral("Selective Call F1"));
    EXPECT_EQ(byte(kz::functionSwitchOffset(0)) & 0x1F, 0x01);
}

} // namespace
