// The Advance page on bare page widgets, without the main window: what it asks of the rest of
// the editor is recorded.
#include "advance_page.h"
#include "builtin_images.h"
#include "editor_state.h"
#include "message_recorder.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "window_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using kz::SquelchGroup;
namespace Field = PagerField;

class RecordingContext final : public kz::AdvancePageContext {
public:
    int bandwidthChanges = 0;
    std::vector<bool> fixedAlertTimes;
    std::vector<QString> chosenLevels; // "WB 0.93/0.78"
    void decoderBandwidthChanged() override { ++bandwidthChanges; }
    void applyFixedAlertTime(bool enabled) override { fixedAlertTimes.push_back(enabled); }
    void squelchLevelChosen(SquelchGroup group, const QString& on, const QString& off) override {
        chosenLevels.push_back(
            QStringLiteral("%1 %2/%3").arg(group == SquelchGroup::Wb ? "WB" : "NB", on, off));
    }
};

class AdvancePageAlone : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        sink_ = new QLineEdit(&window_);
        layout->addWidget(sink_);
        page_ = new QWidget(&window_);
        layout->addWidget(page_);
        setting_ = new QWidget(&window_);
        layout->addWidget(setting_);
        caption_ = new QWidget(&window_);
        page_editor_ = std::make_unique<kz::AdvancePage>(image_, state_, sink_, page_, setting_,
                                                         caption_, context_);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        sink_->setFocus();
    }

    // The page's show steps in the order of the loading pass.
    void showAll() {
        page_editor_->showFixedAlertTime();
        page_editor_->showDecoderBandwidth();
        page_editor_->showGroupCallDuration();
        page_editor_->showDecoderBandwidthAgain();
        page_editor_->showSquelchTables();
        page_editor_->showSquelchLevelSelection();
        page_editor_->showGapMax();
        page_editor_->showShutdownMode();
        page_editor_->showBattery();
    }

    template <typename T> T* find(const QString& name) { return control<T>(window_, name); }
    QLineEdit* field(const QString& name) { return find<QLineEdit>(name); }
    QComboBox* list(const QString& name) { return find<QComboBox>(name); }
    void choose(const QString& name, const QString& item) {
        QComboBox* l = list(name);
        const int position = l->findText(item);
        ASSERT_GE(position, 0) << item.toStdString();
        l->setCurrentIndex(position);
        emit l->activated(position);
    }
    void type(const QString& name, const QString& keys) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), keys);
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
    QWidget* setting_ = nullptr;
    QWidget* caption_ = nullptr;
    RecordingContext context_;
    std::unique_ptr<kz::AdvancePage> page_editor_;
};

TEST_F(AdvancePageAlone, BuildsTheNoticeAndPlacesTheLevelListsOnTheSettingPage) {
    EXPECT_EQ(find<QPlainTextEdit>("Memo1")->toPlainText(),
              "\n Notice : These decoder parameters may cause pager not to receive, please set "
              "up carefully.");
    EXPECT_TRUE(find<QPlainTextEdit>("Memo1")->isReadOnly());
    EXPECT_TRUE(setting_->isAncestorOf(list("cboWBSquelchlevel")));
    EXPECT_TRUE(setting_->isAncestorOf(list("cboNBSquelchlevel")));
    EXPECT_TRUE(page_->isAncestorOf(caption_)) << "the GAP MAX. unit caption sits on the page";
    EXPECT_FALSE(list("cboMuteBat")->isVisible());
    EXPECT_FALSE(find<QCheckBox>("chkLowPowSleep")->isVisible());
}

TEST_F(AdvancePageAlone, DecoderBandwidthStoresPositionAndValue) {
    showAll();
    choose("cboBandWidth", "1.5");
    EXPECT_EQ(byte(Field::decoderBandwidth), 7);
    EXPECT_EQ(state_.decoderBandwidthValue, 15);
    EXPECT_EQ(context_.bandwidthChanges, 1);
    choose("cboBandWidth", "3.1");
    EXPECT_EQ(byte(Field::decoderBandwidth), 15);
    EXPECT_EQ(state_.decoderBandwidthValue, 31);
}

TEST_F(AdvancePageAlone, DecoderBandwidthBeyondTheListKeepsTheLastValue) {
    image_.setByte(Field::decoderBandwidth, 2);
    showAll();
    EXPECT_EQ(state_.decoderBandwidthValue, 5);
    image_.setByte(Field::decoderBandwidth, 16);
    page_editor_->showDecoderBandwidth();
    EXPECT_EQ(list("cboBandWidth")->currentIndex(), -1);
    EXPECT_EQ(state_.decoderBandwidthValue, 5);
    EXPECT_EQ(byte(Field::decoderBandwidth), 16) << "shown as it is, not repaired";
    EXPECT_EQ(context_.bandwidthChanges, 0) << "showing checks no tone";
}

TEST_F(AdvancePageAlone, GapMaxAndGroupCallDurationChecks) {
    showAll();
    type("edtGapMax", "200");
    EXPECT_EQ(byte(Field::gapMax), 200);
    type("edtGapMax", "256");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 0 to 255"});
    EXPECT_EQ(byte(Field::gapMax), 200);
    messages_.clear();

    type("edtToneDur2", "65535");
    EXPECT_EQ(image_.word16(Field::groupCallDuration), 65535);
    type("edtToneDur2", "65536");
    type("edtToneDur2", "99999999999999999999");
    EXPECT_EQ(messages_.texts(), QStringList(2, "Please insert a number between 0 to 65535"));
    EXPECT_EQ(image_.word16(Field::groupCallDuration), 65535);
    messages_.clear();

    field("edtToneDur2")->setFocus();
    QTest::keyClicks(field("edtToneDur2"), "1a");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a numeric!"});
    EXPECT_EQ(field("edtToneDur2")->text(), "1");
    leave();
}

TEST_F(AdvancePageAlone, ToneSystemSetsGroupCallDuration) {
    showAll();
    page_editor_->setGroupCallDurationFor(kz::ToneSystem::Plectron);
    EXPECT_EQ(image_.word16(Field::groupCallDuration), 25);
    EXPECT_EQ(field("edtToneDur2")->text(), "25");
    page_editor_->setGroupCallDurationFor(kz::ToneSystem::User);
    EXPECT_EQ(image_.word16(Field::groupCallDuration), 50);
}

TEST_F(AdvancePageAlone, FixedAlertTimeAsksBeforeSwitchingOn) {
    showAll();
    auto* box = find<QCheckBox>("chkEnableAlertTime");
    ASSERT_FALSE(box->isChecked());
    messages_.answer({kz::MessageButton::Cancel});
    box->click();
    ASSERT_EQ(messages_.messages().size(), 1U);
    const kz::Message& asked = messages_.messages()[0];
    EXPECT_EQ(asked.title, "KZ904");
    EXPECT_EQ(asked.icon, kz::MessageIcon::None);
    EXPECT_EQ(asked.buttons, kz::MessageButtons::OkCancel);
    EXPECT_EQ(asked.text, "Attention : Because it does not record messages during alert, part of "
                          "the incoming message might be lost while TQ615 is alerting.");
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(context_.fixedAlertTimes.empty());

    box->click(); // answered OK
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_EQ(context_.fixedAlertTimes, (std::vector<bool>{true, false}));
    EXPECT_EQ(messages_.messages().size(), 2U) << "switching off asks nothing";
}

TEST_F(AdvancePageAlone, BatteryListsKeepHighAboveMedAboveLow) {
    image_.setByte(Field::batteryGaugeHigh, 224);   // 3.95 V
    image_.setByte(Field::batteryGaugeMedium, 213); // 3.75 V
    image_.setByte(Field::batteryGaugeLow, 210);    // 3.70 V
    showAll();
    ASSERT_EQ(list("cboBatHigh")->currentText(), "3.95V");
    ASSERT_EQ(list("cboBatMed")->currentText(), "3.75V");
    ASSERT_EQ(list("cboBatLow")->currentText(), "3.70V");
    const kz::TPagerImage before = image_;

    const QString order = "You must let Level-High > Level-Med > Level-Low !";
    choose("cboBatMed", "3.70V");  // equal to Low
    choose("cboBatMed", "3.95V");  // equal to High
    choose("cboBatHigh", "3.75V"); // equal to Med
    EXPECT_EQ(messages_.texts(), QStringList(3, order));
    EXPECT_EQ(image_, before);
    EXPECT_EQ(list("cboBatMed")->currentText(), "3.75V") << "the stored level is shown again";
    EXPECT_EQ(list("cboBatHigh")->currentText(), "3.95V");
    QCoreApplication::processEvents();
    EXPECT_TRUE(list("cboBatHigh")->hasFocus());
    messages_.clear();

    choose("cboBatLow", "3.50V");
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(byte(Field::batteryGaugeLow), 199);
    EXPECT_EQ(byte(Field::batteryLowAlert), 199);
    choose("cboBatHigh", "4.15V");
    EXPECT_EQ(byte(Field::batteryGaugeHigh), 236);
    choose("cboBatMed", "3.60V");
    EXPECT_EQ(byte(Field::batteryGaugeMedium), 204);
}

TEST_F(AdvancePageAlone, BatteryShowRepairsPeriodAndShutdownLevel) {
    image_.setByte(Field::batteryAlertPeriod, 7);
    image_.setByte(Field::shutdownBatteryLevel, 255);
    showAll();
    EXPECT_EQ(list("cboPeriodBat")->currentText(), "2 min");
    EXPECT_EQ(byte(Field::batteryAlertPeriod), 4);
    EXPECT_EQ(list("cboMuteBat")->currentText(), "3.45V");
    EXPECT_EQ(byte(Field::shutdownBatteryLevel), 196);

    image_.setByte(Field::batteryAlertPeriod, 255);
    image_.setByte(Field::shutdownBatteryLevel, 187);
    page_editor_->showBattery();
    EXPECT_EQ(list("cboPeriodBat")->currentText(), "Disable");
    EXPECT_EQ(list("cboMuteBat")->currentText(), "3.30V");
    EXPECT_EQ(byte(Field::shutdownBatteryLevel), 187);

    choose("cboPeriodBat", "30 min");
    EXPECT_EQ(byte(Field::batteryAlertPeriod), 60);
}

TEST_F(AdvancePageAlone, SquelchSelectionUnsetLoadsLevelThree) {
    image_.setByte(Field::squelchLevelSelect, 255);
    image_.setByte(400 + 4, 78); // WB level 3
    image_.setByte(400 + 5, 93);
    showAll();
    EXPECT_EQ(list("cboWBSquelchlevel")->currentText(), "3");
    EXPECT_EQ(list("cboNBSquelchlevel")->currentText(), "3");
    EXPECT_EQ(byte(Field::squelchLevelSelect), 0x22);
    EXPECT_EQ(byte(Field::wbSpeakerOn), 79);
    EXPECT_EQ(byte(Field::wbSpeakerOff), 66);
    ASSERT_EQ(context_.chosenLevels.size(), 2U);
    EXPECT_EQ(context_.chosenLevels[0], "WB 0.93/0.78");
}

TEST_F(AdvancePageAlone, ChoosingNbLevelFiveReadsItsOwnBytes) {
    showAll();
    image_.setByte(Field::nbSquelchLevel5, 70);
    image_.setByte(Field::nbSquelchLevel5 + 1, 91);
    context_.chosenLevels.clear();
    choose("cboNBSquelchlevel", "5");
    EXPECT_EQ(kz::selectedSquelchLevel(byte(Field::squelchLevelSelect), SquelchGroup::Nb), 4);
    EXPECT_EQ(byte(Field::nbSpeakerOn), kz::voltageCodeOf(91));
    EXPECT_EQ(byte(Field::nbSpeakerOff), kz::voltageCodeOf(70));
    EXPECT_EQ(context_.chosenLevels, std::vector<QString>{"NB 0.91/0.70"});
}

TEST_F(AdvancePageAlone, LevelSelectionAboveFiveShowsNoItemAndChangesNothing) {
    image_.setByte(Field::squelchLevelSelect, 0x72);
    const kz::TPagerImage before = image_;
    page_editor_->showSquelchLevelSelection();
    EXPECT_EQ(list("cboNBSquelchlevel")->currentIndex(), -1);
    EXPECT_EQ(list("cboWBSquelchlevel")->currentText(), "3");
    EXPECT_EQ(byte(Field::squelchLevelSelect), 0x72) << "left as stored";
    EXPECT_EQ(byte(Field::nbSpeakerOn), before.byte(Field::nbSpeakerOn));
    ASSERT_EQ(context_.chosenLevels.size(), 1U);
}

TEST_F(AdvancePageAlone, SquelchLevelEditsCheckAgainstSpeakerOnAndTheirPair) {
    image_.setByte(Field::wbSpeakerOn, 81); // 0.95 V
    image_.setByte(Field::nbSpeakerOn, 69); // 0.81 V
    image_.setByte(400 + 2, 80);            // WB level 2: 0.80 / 0.94
    image_.setByte(400 + 3, 94);
    showAll();
    // The squelch-level click of the loading pass rewrote the Speaker ON codes: put the bounds
    // of this case back.
    image_.setByte(Field::wbSpeakerOn, 81);
    image_.setByte(Field::nbSpeakerOn, 69);
    messages_.clear();

    type("edtSquLevel3", "0.96");
    type("edtSquLevel2", "0.01");
    EXPECT_EQ(messages_.texts(), QStringList(2, "Please insert a number between 0.02 to 0.95 !"));
    EXPECT_EQ(field("edtSquLevel3")->text(), "0.94") << "the stored value is shown again";
    EXPECT_EQ(byte(403), 94);
    messages_.clear();

    type("edtSquLevel2", "0.95");
    EXPECT_EQ(messages_.texts(), QStringList{"You must let Speaker OFF < Speaker ON !"});
    EXPECT_EQ(field("edtSquLevel2")->text(), "0.80");
    messages_.clear();

    type("edtSquLevel2", "0.94"); // equal passes
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(byte(402), 94);
    EXPECT_EQ(field("edtSquLevel2")->text(), "0.94");

    type("edtNBSquLevel1", "0.90");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 0.02 to 0.81 !"});
    messages_.clear();

    // NB level 5 sits apart; an accepted value runs the group's level list again.
    choose("cboNBSquelchlevel", "5");
    context_.chosenLevels.clear();
    image_.setByte(Field::nbSpeakerOn, 69);
    type("edtNBSquLevel9", "0.8");
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(byte(Field::nbSquelchLevel5 + 1), 80);
    EXPECT_EQ(field("edtNBSquLevel9")->text(), "0.80");
    EXPECT_EQ(context_.chosenLevels.size(), 1U);
}

TEST_F(AdvancePageAlone, ShutdownModeIsBitFiveInverted) {
    image_.setBits(Field::functionOptions, 5, 1, 1);
    showAll();
    auto* box = find<QCheckBox>("chkLowPowSleep");
    EXPECT_FALSE(box->isChecked());
    box->setChecked(true);
    page_editor_->lowPowSleepClick();
    EXPECT_EQ(image_.getBits(Field::functionOptions, 5, 1), 0);
}

} // namespace
