// The "Frequency" groups of the two channel pages on bare pages, without the main window.
#include "builtin_images.h"
#include "editor_state.h"
#include "frequency_context.h"
#include "frequency_editor.h"
#include "message_recorder.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "window_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

using kz::Channel;

class CountingContext final : public kz::FrequencyContext {
public:
    int accepted = 0;
    std::vector<kz::BandClass> bands;
    kz::EditorState* state = nullptr;
    void frequencyAccepted() override {
        ++accepted;
        bands.push_back(state->bandClass);
    }
};

std::array<std::uint8_t, 7> digitsAt(const kz::TPagerImage& image, int offset) {
    std::array<std::uint8_t, 7> d{};
    for (int i = 0; i < 7; ++i)
        d[i] = image.byte(offset + i);
    return d;
}

class FrequencyAlone : public ::testing::Test {
protected:
    void SetUp() override {
        context_.state = &state_;
        auto* layout = new QVBoxLayout(&window_);
        sink_ = new QLineEdit(&window_);
        layout->addWidget(sink_);
        for (QWidget*& page : pages_) {
            page = new QWidget(&window_);
            auto* pageLayout = new QVBoxLayout(page);
            pageLayout->addWidget(new QLabel(QStringLiteral("Call Tone"), page));
            layout->addWidget(page);
        }
        editor_ = std::make_unique<kz::FrequencyEditor>(image_, state_, context_, sink_, pages_[0],
                                                        pages_[1]);
        editor_->showWords();
        editor_->applyForcedSteps();
        editor_->showFrequencies();
        editor_->showChannelSteps();
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        sink_->setFocus();
        messages_.clear();
        context_.accepted = 0;
        context_.bands.clear();
    }

    template <typename T> T* find(const char* name) { return control<T>(window_, name); }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    void type(const char* name, const QString& keys) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), keys);
        sink_->setFocus();
        QCoreApplication::processEvents();
    }
    void chooseStep(const char* list, int position) {
        auto* combo = find<QComboBox>(list);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
        QCoreApplication::processEvents();
    }

    MessageRecorder messages_;
    kz::TPagerImage image_ = builtinWorkingImage();
    kz::EditorState state_;
    CountingContext context_;
    QWidget window_;
    QLineEdit* sink_ = nullptr;
    std::array<QWidget*, 2> pages_{};
    std::unique_ptr<kz::FrequencyEditor> editor_;
};

TEST_F(FrequencyAlone, BuildsTheGroupAboveTheCallToneGroup) {
    for (QWidget* page : pages_) {
        QWidget* top = page->layout()->itemAt(0)->widget();
        ASSERT_NE(top, nullptr);
        EXPECT_NE(top->findChild<QGroupBox*>(), nullptr);
    }
    EXPECT_NE(pages_[1]->findChild<QGroupBox*>("GroupBox15"), nullptr);
    EXPECT_EQ(field("edtF1Freq")->maxLength(), 7);
    EXPECT_EQ(find<QComboBox>("cboCSpaceF2")->count(), 4);
    EXPECT_EQ(find<QComboBox>("cboF2Bandwitdth")->itemText(1), QStringLiteral("WB"));
}

TEST_F(FrequencyAlone, AcceptedFrequencyStoresDigitsAndWords) {
    struct Case {
        const char* typed;
        std::array<std::uint8_t, 7> digits;
        const char* r;
        const char* n;
    };
    const Case cases[] = {
        {"1620000", {1, 6, 2, 0, 0, 0, 0}, "00010011", "0015F800"},
        {"1520000", {1, 5, 2, 0, 0, 0, 0}, "00010011", "00146800"},
    };
    chooseStep("cboCSpaceF1", 2);
    context_.accepted = 0;
    for (const auto& c : cases) {
        type("edtF1Freq", QString::fromLatin1(c.typed));
        EXPECT_EQ(field("edtF1Freq")->text(), QString::fromLatin1(c.typed));
        EXPECT_EQ(digitsAt(image_, PagerField::f1FreqDigits), c.digits) << c.typed;
        EXPECT_EQ(label("lblF1PLLR"), QString::fromLatin1(c.r));
        EXPECT_EQ(label("lblF1PLLN"), QString::fromLatin1(c.n));
        EXPECT_EQ(QString::asprintf("%08X", image_.word32(PagerField::f1PllR)),
                  QString::fromLatin1(c.r));
        EXPECT_EQ(QString::asprintf("%08X", image_.word32(PagerField::f1PllN)),
                  QString::fromLatin1(c.n));
    }
    EXPECT_EQ(context_.accepted, 2);
    EXPECT_TRUE(messages_.messages().empty());
}

TEST_F(FrequencyAlone, RefusalsKeepTheImageAndGiveTheFocusBack) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"0329999", "Please input a number greater than 33MHz"},
        {"1520050", "F1 Channel Spacing Error!"},
    };
    chooseStep("cboCSpaceF1", 2);
    const kz::TPagerImage before = image_;
    context_.accepted = 0;
    for (const auto& c : cases) {
        messages_.clear();
        type("edtF1Freq", QString::fromLatin1(c.typed));
        ASSERT_EQ(messages_.messages().size(), 1u) << c.typed;
        EXPECT_EQ(messages_.messages().at(0).text, QString::fromLatin1(c.message));
        EXPECT_EQ(messages_.messages().at(0).title, QStringLiteral("KZ904"));
        EXPECT_TRUE(before.bytes() == image_.bytes()) << c.typed;
        QCoreApplication::processEvents();
        EXPECT_TRUE(field("edtF1Freq")->hasFocus()) << c.typed;
        sink_->setFocus(); // empty again: shows the stored frequency
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(context_.accepted, 0);
    // 33 MHz itself is accepted
    messages_.clear();
    type("edtF1Freq", QStringLiteral("0330000"));
    EXPECT_TRUE(messages_.messages().empty());
    EXPECT_EQ(image_.byte(PagerField::f1FreqDigits + 1), 3);
}

TEST_F(FrequencyAlone, KeyFilterRefusesNonDigitsWithTheStopBox) {
    field("edtF1Freq")->setFocus();
    QTest::keyClicks(field("edtF1Freq"), QStringLiteral("15a2"));
    EXPECT_EQ(field("edtF1Freq")->text(), QStringLiteral("152"));
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages().at(0).text, QStringLiteral("Please insert a numeric  !"));
    EXPECT_EQ(messages_.messages().at(0).title, QStringLiteral("Warning!"));
    EXPECT_EQ(messages_.messages().at(0).icon, kz::MessageIcon::Error);
    // Enter ends the entry: the focus goes to the sink and the exit check runs.
    QTest::keyClicks(field("edtF1Freq"), QStringLiteral("0000"));
    QTest::keyClick(field("edtF1Freq"), Qt::Key_Return);
    EXPECT_TRUE(sink_->hasFocus());
    EXPECT_EQ(digitsAt(image_, PagerField::f1FreqDigits),
              (std::array<std::uint8_t, 7>{1, 5, 2, 0, 0, 0, 0}));
}

TEST_F(FrequencyAlone, PastedTextThatIsNoNumberIsRefusedAsTooLow) {
    const kz::TPagerImage before = image_;
    field("edtF1Freq")->setFocus();
    field("edtF1Freq")->insert(QStringLiteral("15.2"));
    sink_->setFocus();
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages().at(0).text,
              QStringLiteral("Please input a number greater than 33MHz"));
    EXPECT_TRUE(before.bytes() == image_.bytes());
}

TEST_F(FrequencyAlone, AutoFindsTheWidestStepThatDivides) {
    chooseStep("cboCSpaceF1", 3);
    type("edtF1Freq", QStringLiteral("1520025"));
    EXPECT_TRUE(messages_.messages().empty());
    EXPECT_EQ(state_.f1StepHz, 2500);
    EXPECT_EQ(image_.byte(PagerField::f1StepCode), 0x24);
    EXPECT_EQ(label("lblF1PLLR"), QStringLiteral("00050011"));
    EXPECT_EQ(label("lblF1PLLN"), QStringLiteral("00660880"));

    // No step divides: refused, and the channel keeps the step it had.
    type("edtF1Freq", QStringLiteral("1520010"));
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages().at(0).text, QStringLiteral("F1 Channel Spacing Error!"));
    EXPECT_EQ(state_.f1StepHz, 2500);
    EXPECT_EQ(image_.byte(PagerField::f1StepCode), 0x24);

    // A fixed step chosen from the list stores its code and checks the frequency again.
    messages_.clear();
    sink_->setFocus();
    QCoreApplication::processEvents();
    chooseStep("cboCSpaceF1", 2);
    ASSERT_EQ(messages_.messages().size(), 1u);
    EXPECT_EQ(messages_.messages().at(0).text, QStringLiteral("F1 Channel Spacing Error!"));
    EXPECT_EQ(image_.byte(PagerField::f1StepCode), 0x22);
    EXPECT_EQ(state_.f1StepHz, 12500);
}

TEST_F(FrequencyAlone, TheOtherChannelFollowsIntoTheBand) {
    auto* f1Bandwidth = find<QComboBox>("cboF1Bandwitdth");
    auto* f2Bandwidth = find<QComboBox>("cboF2Bandwitdth");
    f1Bandwidth->setCurrentIndex(0);
    const std::uint8_t bandwidthFlags = image_.byte(PagerField::bandwidthFlags);
    ASSERT_EQ(field("edtF2Freq")->text(), QStringLiteral("1620000"));

    type("edtF1Freq", QStringLiteral("0400000"));
    EXPECT_EQ(field("edtF2Freq")->text(), QStringLiteral("0400000"));
    EXPECT_EQ(digitsAt(image_, PagerField::f2FreqDigits),
              (std::array<std::uint8_t, 7>{0, 4, 0, 0, 0, 0, 0}));
    EXPECT_EQ(image_.word32(PagerField::f1PllN), 0x00099800u);
    EXPECT_EQ(image_.word32(PagerField::f2PllN), 0x00099800u);
    EXPECT_EQ(label("lblF2PLLN"), QStringLiteral("00099800"));
    for (QComboBox* list : {f1Bandwidth, f2Bandwidth}) {
        EXPECT_EQ(list->currentText(), QStringLiteral("WB"));
        EXPECT_FALSE(list->isEnabled());
    }
    EXPECT_EQ(image_.byte(PagerField::bandwidthFlags), bandwidthFlags); // only the lists change
    // both channels' exit checks brought the presets of the low band
    EXPECT_EQ(context_.bands, (std::vector{kz::BandClass::Low, kz::BandClass::Low}));

    // 450 MHz: the other band, multiplier 2 on both labels, the lists enabled again
    type("edtF1Freq", QStringLiteral("4500000"));
    EXPECT_EQ(field("edtF2Freq")->text(), QStringLiteral("4500000"));
    EXPECT_EQ(image_.word32(PagerField::f1PllN), 0x00217C00u);
    EXPECT_EQ(label("lblF1MUTL"), QStringLiteral("2"));
    EXPECT_EQ(label("lblF2MUTL"), QStringLiteral("2"));
    EXPECT_TRUE(f1Bandwidth->isEnabled());
    EXPECT_TRUE(f2Bandwidth->isEnabled());

    // Within one band the other channel keeps its frequency.
    type("edtF2Freq", QStringLiteral("4600000"));
    EXPECT_EQ(field("edtF1Freq")->text(), QStringLiteral("4500000"));
}

TEST_F(FrequencyAlone, EmptyExitShowsTheStoredFrequenciesAndRecomputesTheWords) {
    image_.setWord32(PagerField::f1PllN, 0);
    image_.setWord32(PagerField::f2PllR, 0);
    field("edtF1Freq")->setFocus();
    EXPECT_TRUE(field("edtF1Freq")->text().isEmpty());
    sink_->setFocus();
    EXPECT_EQ(field("edtF1Freq")->text(), QStringLiteral("1520000"));
    EXPECT_EQ(image_.word32(PagerField::f1PllN), 0x00146800u);
    EXPECT_EQ(image_.word32(PagerField::f2PllR), 0x00010011u);
    EXPECT_EQ(context_.accepted, 0);
}

TEST_F(FrequencyAlone, HoverOverTheGroupEndsTheEntry) {
    field("edtF2Freq")->setFocus();
    QTest::keyClicks(field("edtF2Freq"), QStringLiteral("1640000"));
    auto* group = find<QGroupBox>("GroupBox15");
    QTest::mouseMove(group, QPoint(2, group->height() - 2));
    QCoreApplication::processEvents();
    EXPECT_TRUE(sink_->hasFocus());
    EXPECT_EQ(image_.byte(PagerField::f2FreqDigits + 2), 4);
}

TEST_F(FrequencyAlone, ChannelOffAndOnKeepsTheLowBandListDisabled) {
    type("edtF1Freq", QStringLiteral("0400000"));
    editor_->setChannelEnabled(Channel::F2, false);
    EXPECT_FALSE(field("edtF2Freq")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("cboCSpaceF2")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("cboF2Bandwitdth")->isEnabled());
    editor_->setChannelEnabled(Channel::F2, true);
    EXPECT_TRUE(field("edtF2Freq")->isEnabled());
    EXPECT_FALSE(find<QComboBox>("cboF2Bandwitdth")->isEnabled());
    // Off, a channel that leaves the low band keeps its list off.
    editor_->setChannelEnabled(Channel::F2, false);
    type("edtF1Freq", QStringLiteral("1520000"));
    EXPECT_EQ(field("edtF2Freq")->text(), QStringLiteral("1520000"));
    EXPECT_FALSE(find<QComboBox>("cboF2Bandwitdth")->isEnabled());
    EXPECT_TRUE(find<QComboBox>("cboF1Bandwitdth")->isEnabled());
}

} // namespace
