// The System page on a bare page, without the main window: its own answers to what it asks of
// the rest of the editor are recorded.
#include "builtin_images.h"
#include "message_recorder.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "system_page.h"
#include "timing_unit_captions.h"
#include "window_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

class RecordingContext final : public kz::SystemPageContext {
public:
    kz::ToneSystem system = kz::ToneSystem::Standard;
    int periodUpdates = 0;
    std::vector<std::pair<kz::VoltageGroup, int>> levels;
    kz::ToneSystem selectedToneSystem() const override { return system; }
    void priorityScanValuesChanged() override { ++periodUpdates; }
    void showSquelchLevel(kz::VoltageGroup group, int level) override {
        levels.emplace_back(group, level);
    }
};

class SystemPageAlone : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        sink_ = new QLineEdit(&window_);
        layout->addWidget(sink_);
        page_ = new QWidget(&window_);
        layout->addWidget(page_);
        captions_ = std::make_unique<kz::TimingUnitCaptions>(page_);
        editor_ = std::make_unique<kz::SystemPage>(image_, sink_, page_, *captions_, context_);
        showAll();
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        sink_->setFocus();
    }
    void showAll() {
        editor_->showToneTiming();
        editor_->showSystemNumbers();
        editor_->showRemainingVoltages();
        editor_->showPlainNumbers();
        editor_->showAuxDb();
    }

    QLineEdit* field(const char* name) { return control<QLineEdit>(window_, name); }
    QString text(const char* name) { return field(name)->text(); }
    void type(const char* name, const QString& keys) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), keys);
        leave();
    }
    void paste(const char* name, const QString& text) {
        field(name)->setFocus();
        field(name)->setText(text);
        leave();
    }
    void leave() {
        sink_->setFocus();
        QCoreApplication::processEvents();
    }
    // Puts a value straight into the image and shows the page again.
    void set(int offset, std::uint8_t value) {
        image_.setByte(offset, value);
        showAll();
    }
    std::uint8_t byte(int offset) const { return image_.byte(offset); }

    MessageRecorder messages_;
    kz::TPagerImage image_ = builtinWorkingImage();
    QWidget window_;
    QLineEdit* sink_ = nullptr;
    QWidget* page_ = nullptr;
    RecordingContext context_;
    std::unique_ptr<kz::TimingUnitCaptions> captions_;
    std::unique_ptr<kz::SystemPage> editor_;
};

TEST_F(SystemPageAlone, ShowsTheImage) {
    image_.setByte(PagerField::decoderReset, 61);
    image_.setByte(PagerField::wbSpeakerOn, 32);
    image_.setByte(PagerField::nbRssi, 224);
    image_.setWord16(PagerField::tone2Duration, 300);
    image_.setByte(PagerField::auxFlags, 0b0001'0000);
    showAll();
    EXPECT_EQ(text("edtDecorderReset"), QStringLiteral("30.5"));
    EXPECT_EQ(text("edtRSSI"), QStringLiteral("0.38"));
    EXPECT_EQ(text("edtNB_SSI"), QStringLiteral("2.63"));
    EXPECT_EQ(text("edtToneDur1"), QStringLiteral("300"));
    EXPECT_EQ(control<QComboBox>(window_, "cboAUXDB")->currentText(), QStringLiteral("10"));
    // the timing-unit captions sit on the page, beside their fields
    EXPECT_TRUE(page_->isAncestorOf(captions_->holder(4)));
    EXPECT_FALSE(captions_->label50(0)->isHidden());
}

TEST_F(SystemPageAlone, DecoderResetOnTheHalfSecondGrid) {
    type("edtDecorderReset", "30");
    EXPECT_EQ(byte(PagerField::decoderReset), 60);
    EXPECT_EQ(text("edtDecorderReset"), QStringLiteral("30.0"));

    type("edtDecorderReset", "128");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 0 to 127.5"});
    EXPECT_EQ(byte(PagerField::decoderReset), 60);

    messages_.clear();
    paste("edtDecorderReset", QStringLiteral("30.3"));
    EXPECT_EQ(messages_.texts(), QStringList{"The interval is 0.5 second."});
    EXPECT_EQ(text("edtDecorderReset"), QStringLiteral("30.0"));

    messages_.clear();
    type("edtDecorderReset", "x");
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a numeric!"});
}

TEST_F(SystemPageAlone, WholeNumberFieldsRefuseWhatIsOutOfRangeOrNoNumber) {
    struct Case {
        const char* field;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"edtRFDelay", "256", "Please insert a number between 0 to 255"},
        {"edtNoiseLimit", "256", "Please insert a number between 0 to 255"},
        {"edtPriorityScanF1", "0", "Please insert a number between 1 to 255"},
        {"edtPriorityScanF1", "256", "Please insert a number between 1 to 255"},
        {"edtToneLimit0", "65536", "Please insert a number between 0 to 65535"},
        {"edtToneDur0", "99999999999999999999999", "Please insert a number between 0 to 65535"},
        {"edtBS_Period0", "1.5", "Please insert a number between 0 to 255"},
    };
    const kz::TPagerImage before = image_;
    for (const auto& c : cases) {
        messages_.clear();
        paste(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(messages_.texts(), QStringList{QString::fromLatin1(c.message)}) << c.field;
        EXPECT_TRUE(field(c.field)->hasFocus()) << c.field << ": the focus is back";
        EXPECT_TRUE(image_ == before) << c.field << " " << c.typed;
        leave();
    }
    messages_.clear();
    type("edtNoiseLimit", "255");
    EXPECT_EQ(byte(PagerField::noiseLimit), 255);
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(SystemPageAlone, PriorityScanStaysBelowThirtySeconds) {
    set(PagerField::batterySave2, 25);
    type("edtPriorityScanF1", "119");
    EXPECT_EQ(byte(PagerField::priorityScanF1), 119);
    EXPECT_EQ(context_.periodUpdates, 1);

    type("edtPriorityScanF1", "120");
    EXPECT_EQ(messages_.texts(),
              QStringList{"Priority ScanF1 x (Battery Save2 x 10ms) must less than 30000 ms !"});
    EXPECT_EQ(byte(PagerField::priorityScanF1), 119);
    leave();

    set(PagerField::priorityScanF1, 12);
    messages_.clear();
    type("edtBS_Period1", "255");
    EXPECT_EQ(messages_.texts(),
              QStringList{"Priority ScanF1 x (Battery Save2 x 10ms) must less than 30000 ms !"});
    EXPECT_EQ(byte(PagerField::batterySave2), 25);
    leave();

    messages_.clear();
    type("edtBS_Period0", "255");
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(byte(PagerField::batterySave1), 255);
    EXPECT_EQ(context_.periodUpdates, 2);
}

TEST_F(SystemPageAlone, Tone2DurationKeepsItsLowBytePerToneSystem) {
    set(PagerField::tone2DurationStd, 3);
    set(PagerField::tone2DurationPlectron, 2);
    type("edtToneDur1", "300");
    EXPECT_EQ(byte(PagerField::tone2Duration), 0x01);
    EXPECT_EQ(byte(PagerField::tone2Duration + 1), 0x2C);
    EXPECT_EQ(byte(PagerField::tone2DurationStd), 44);
    EXPECT_EQ(byte(PagerField::tone2DurationPlectron), 2);

    context_.system = kz::ToneSystem::Plectron;
    type("edtToneDur1", "301");
    EXPECT_EQ(byte(PagerField::tone2DurationPlectron), 45);
    EXPECT_EQ(byte(PagerField::tone2DurationStd), 44);

    // leaving a duration or limit empty shows all of them again
    field("edtToneLimit1")->setText(QStringLiteral("7"));
    type("edtToneDur0", "");
    EXPECT_EQ(text("edtToneLimit1"), QString::number(image_.word16(PagerField::tone2Limit)));
}

TEST_F(SystemPageAlone, VoltagesKeepTheirGroupsOrder) {
    set(PagerField::wbSpeakerOff, 51); // 0.60 V
    set(PagerField::wbRssi, 17);       // 0.20 V
    type("edtRSSI", "0.95");
    EXPECT_EQ(byte(PagerField::wbSpeakerOn), 81);
    EXPECT_TRUE(messages_.texts().isEmpty());

    const QString wbOrder =
        QStringLiteral("You must let WB_NRSSI > WB_Speaker OFF > WB_Speaker ON !");
    struct Case {
        const char* field;
        const char* typed;
        QString message;
    };
    const Case cases[] = {
        {"edtRSSI", "0.5", wbOrder},
        {"edtRSSI", "2.6", QStringLiteral("Please insert a number between 0 to 2.55")},
        {"edtRSSI2", "3", wbOrder},
        {"edtNB_RSSI2", "3", QStringLiteral("Please insert a number between 0 to 2.55")},
        {"edtSSI", "1.01", QStringLiteral("Please insert a number between 0 to 1")},
    };
    const kz::TPagerImage before = image_;
    for (const auto& c : cases) {
        messages_.clear();
        type(c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(messages_.texts(), QStringList{c.message}) << c.field << " " << c.typed;
        EXPECT_TRUE(image_ == before) << c.field << " " << c.typed;
        EXPECT_TRUE(field(c.field)->hasFocus()) << c.field << ": the focus is back";
        leave(); // nothing typed: the stored value shows again
    }

    messages_.clear();
    type("edtSSI", "0.60"); // equal to Speaker OFF
    EXPECT_TRUE(messages_.texts().isEmpty());
    EXPECT_EQ(byte(PagerField::wbRssi), 51);

    // pasted text that is no number is refused and stores nothing
    paste("edtNB_SSI", QStringLiteral("abc"));
    EXPECT_EQ(messages_.texts(), QStringList{"Please insert a number between 0 to 1"});
}

TEST_F(SystemPageAlone, SpeakerOnFollowsWithTheSquelchLevelOfTheRssiShown) {
    set(PagerField::wbSpeakerOff, 80); // 0.94 V
    set(PagerField::wbRssi, 79);       // shows 0.93 V, Speaker ON of level 3
    const std::uint8_t selection = byte(PagerField::squelchLevelSelect);
    type("edtRSSI", "2");
    EXPECT_EQ(byte(PagerField::wbSpeakerOn), kz::voltageCodeOf(200));
    ASSERT_EQ(context_.levels.size(), 1u);
    EXPECT_EQ(context_.levels[0].first, kz::VoltageGroup::Wb);
    EXPECT_EQ(context_.levels[0].second, 2);
    EXPECT_EQ(byte(PagerField::squelchLevelSelect), selection);

    // an RSSI that is no level's Speaker ON leaves the list alone
    set(PagerField::wbRssi, 17);
    type("edtRSSI", "1");
    EXPECT_EQ(context_.levels.size(), 1u);

    // empty Speaker ON: stored value again, and the focus goes to the hidden field
    field("edtNB_RSSI")->setFocus();
    field("edtNB_RSSI")->clear();
    QTest::keyClick(field("edtNB_RSSI"), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(text("edtNB_RSSI"), kz::voltageText(byte(PagerField::nbSpeakerOn)));
    EXPECT_TRUE(sink_->hasFocus());
}

TEST_F(SystemPageAlone, VoltageKeysAndEnter) {
    field("edtRSSI")->setFocus();
    QTest::keyClicks(field("edtRSSI"), "2.505");
    EXPECT_EQ(text("edtRSSI"), QStringLiteral("2.50")) << "no third decimal";
    QTest::keyClick(field("edtRSSI"), Qt::Key_Return);
    EXPECT_EQ(byte(PagerField::wbSpeakerOn), kz::voltageCodeOf(250));
    EXPECT_TRUE(field("edtRSSI")->hasFocus()) << "Enter checks and keeps the focus";
}

TEST_F(SystemPageAlone, AuxDbKeepsTheOtherBits) {
    set(PagerField::auxFlags, 0xE7);
    auto* list = control<QComboBox>(window_, "cboAUXDB");
    list->setCurrentIndex(3);
    emit list->activated(3);
    EXPECT_EQ(byte(PagerField::auxFlags), 0xFF);
}

} // namespace
