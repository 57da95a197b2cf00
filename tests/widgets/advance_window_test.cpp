// The Advance Setting page in the main window: the access through the Advance menu and what its
// controls reach on the other pages.
#include "channel_pages_fixture.h"
#include "password_dialog.h"
#include "tone_spacing.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>

namespace {

namespace Field = PagerField;

class AdvanceWindow : public ChannelPagesTest {
protected:
    QWidget* advancePage() { return find<QWidget>("tabAdvance"); }
    // Opens the access dialog from the menu and types `code` once it is up.
    void enterCode(const QString& code) {
        QTimer::singleShot(0, form_.get(), [this, code] {
            auto* dialog = form_->passwordDialog();
            QTest::keyClicks(dialog->edtPwd, code);
            dialog->btnOK->click();
            if (dialog->isVisible())
                dialog->btnCancel->click();
        });
        find<QAction>("Advance2")->trigger();
    }
    void choose(const QString& name, const QString& item) {
        auto* list = find<QComboBox>(name);
        const int position = list->findText(item);
        ASSERT_GE(position, 0);
        list->setCurrentIndex(position);
        emit list->activated(position);
    }
};

TEST_F(AdvanceWindow, TheRightCodeShowsThePageForGood) {
    EXPECT_FALSE(form_->isPageShown(advancePage()));
    enterCode("rj318");
    EXPECT_FALSE(form_->isPageShown(advancePage()));
    EXPECT_EQ(messages_.texts(), QStringList{"Password Error!"});
    enterCode("RJ318");
    EXPECT_TRUE(form_->isPageShown(advancePage()));
    enterCode("wrong");
    EXPECT_TRUE(form_->isPageShown(advancePage())) << "nothing hides the page again";
    load();
    EXPECT_TRUE(form_->isPageShown(advancePage()));
}

TEST_F(AdvanceWindow, SquelchLevelListsSitInTheSettingPagesLayout) {
    showPage(2);
    QCoreApplication::processEvents();
    auto* group = find<QWidget>("pnlSquelchLevel");
    EXPECT_TRUE(find<QWidget>("tabSetting")->isAncestorOf(group));
    EXPECT_TRUE(group->isVisible());
    EXPECT_GT(group->y(), find<QWidget>("GroupBox5")->y()) << "placed below the model options";
    EXPECT_LE(form_->minimumSizeHint().height(), form_->screen()->size().height())
        << "the window still fits the screen";
}

TEST_F(AdvanceWindow, DecoderBandwidthChecksEveryToneFieldAgain) {
    // Standard: tones outside its range in a disabled F1 row and in F2's last group call.
    image().setWord16(Field::f1CallTones + 20, 30000);
    image().setWord16(Field::f2GroupTones + 6, 30000);
    load();
    messages_.clear();
    choose("cboBandWidth", "1.5");
    EXPECT_EQ(image().byte(Field::decoderBandwidth), 7);
    EXPECT_EQ(form_->editor().state().decoderBandwidthValue, 15);
    EXPECT_EQ(messages_.texts(), QStringList(2, "Please insert a number between 288.5 to 2468.2"));
}

TEST_F(AdvanceWindow, TheSpacingRuleReadsTheChosenBandwidth) {
    image().setByte(Field::toneSystem, 254);      // User
    image().setWord16(Field::f2CallTones, 10000); // F2 CALL #1: both tones alike
    image().setWord16(Field::f2CallTones + 2, 10000);
    load();
    messages_.clear();
    choose("cboBandWidth", "3.1");
    EXPECT_EQ(messages_.texts(), QStringList(2, kz::sameCallMessage(31)));
}

TEST_F(AdvanceWindow, ToneSystemSetsGroupCallDuration) {
    clickSystem(2);
    EXPECT_EQ(image().word16(Field::groupCallDuration), 25);
    EXPECT_EQ(field("edtToneDur2")->text(), "25");
    clickSystem(0);
    EXPECT_EQ(image().word16(Field::groupCallDuration), 50);
}

TEST_F(AdvanceWindow, FixedAlertTimeOffClearsEveryAlertTime) {
    image().setByte(Field::fixedAlertTimeMark, 254);
    for (int i = 0; i < 12; ++i) {
        image().setByte(433 + 2 * i, 5);
        image().setByte(465 + 2 * i, 6);
    }
    load();
    auto* box = find<QCheckBox>("chkEnableAlertTime");
    ASSERT_TRUE(box->isChecked());
    box->click();
    EXPECT_EQ(image().byte(Field::fixedAlertTimeMark), 255);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(image().byte(433 + 2 * i), 0) << i;
        EXPECT_EQ(image().byte(465 + 2 * i), 0) << i;
    }
    EXPECT_TRUE(messages_.texts().isEmpty());

    messages_.answer({kz::MessageButton::Cancel});
    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(image().byte(Field::fixedAlertTimeMark), 255);
    box->click(); // OK
    EXPECT_EQ(image().byte(Field::fixedAlertTimeMark), 254);
}

TEST_F(AdvanceWindow, BatteryListsRefuseEqualLevelsAndLowFillsBothBytes) {
    image().setByte(Field::batteryGaugeHigh, 224); // 3.95 V
    image().setByte(Field::batteryGaugeMedium, 213);
    image().setByte(Field::batteryGaugeLow, 210); // 3.70 V
    load();
    const kz::TPagerImage before = image();
    choose("cboBatMed", "3.70V");
    choose("cboBatHigh", "3.75V");
    EXPECT_EQ(messages_.texts(),
              QStringList(2, "You must let Level-High > Level-Med > Level-Low !"));
    EXPECT_EQ(image(), before);
    choose("cboBatLow", "3.50V");
    EXPECT_EQ(image().byte(390), 199);
    EXPECT_EQ(image().byte(391), 199);
}

TEST_F(AdvanceWindow, ChannelBandwidthListsStoreTheirBits) {
    image().setByte(Field::bandwidthFlags, 0xF2); // F1 NB, F2 WB, other bits set
    load();
    EXPECT_EQ(find<QComboBox>("cboF1Bandwitdth")->currentText(), "NB");
    EXPECT_EQ(find<QComboBox>("cboF2Bandwitdth")->currentText(), "WB");
    EXPECT_EQ(image().byte(Field::bandwidthFlags), 0xF2);
    choose("cboF1Bandwitdth", "WB");
    EXPECT_EQ(image().byte(Field::bandwidthFlags), 0xF3);
    choose("cboF2Bandwitdth", "NB");
    EXPECT_EQ(image().byte(Field::bandwidthFlags), 0xF1);
}

TEST_F(AdvanceWindow, AcceptedFrequencyShowsTheNewSquelchTables) {
    field("edtSquLevel0")->setText("x");
    field("edtNBSquLevel9")->setText("x");
    type("edtF1Freq", "1520000");
    ASSERT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(field("edtSquLevel0")->text(), "0.84");
    EXPECT_EQ(field("edtNBSquLevel9")->text(), "0.91");
}

} // namespace
