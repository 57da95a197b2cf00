// The channel pages on two bare pages, without the main window: every page of the editor can be
// tested this way, with its own answers to what it asks of the rest of the editor.
#include "builtin_images.h"
#include "call_layout.h"
#include "channel_pages_editor.h"
#include "message_recorder.h"
#include "pager_image.h"
#include "tone_field_context.h"
#include "window_controls.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using kz::Channel;
using kz::ToneKind;
using kz::ToneSystem;

class ScriptedContext final : public kz::ToneFieldContext {
public:
    ToneSystem system = ToneSystem::Standard;
    int bandwidth = 7;
    std::vector<ToneSystem> opened;

    ToneSystem selectedToneSystem() const override { return system; }
    int decoderBandwidthValue() override { return bandwidth; }
    void openToneTable(ToneSystem which) override { opened.push_back(which); }
};

class ChannelPagesAlone : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        sink_ = new QLineEdit(&window_);
        layout->addWidget(sink_);
        for (QWidget*& page : pages_) {
            page = new QWidget(&window_);
            new QVBoxLayout(page);
            layout->addWidget(page);
        }
        editor_ =
            std::make_unique<kz::ChannelPagesEditor>(image_, context_, sink_, pages_[0], pages_[1]);
        for (Channel channel : kz::kChannels)
            editor_->showChannelRows(channel);
        editor_->showDutySwitches();
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        sink_->setFocus();
    }

    QLineEdit* field(const char* name) { return control<QLineEdit>(window_, name); }
    void type(const char* name, const QString& keys) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), keys);
        sink_->setFocus();
        QCoreApplication::processEvents();
    }

    MessageRecorder messages_;
    kz::TPagerImage image_ = builtinWorkingImage();
    ScriptedContext context_;
    QWidget window_;
    QLineEdit* sink_ = nullptr;
    std::array<QWidget*, 2> pages_{};
    std::unique_ptr<kz::ChannelPagesEditor> editor_;
};

TEST_F(ChannelPagesAlone, ShowsTheImageAndStoresWhatTheUserTypesUnderTheContextsSystem) {
    const int f2Tone = kz::toneOffset(Channel::F2, ToneKind::Tone2, 3);
    EXPECT_EQ(field("edtF2T23")->text(), kz::toneText(image_.word16(f2Tone)));

    // Standard moves a typed tone to its nearest table tone; User keeps it as typed.
    const int f1Tone = kz::toneOffset(Channel::F1, ToneKind::Tone1, 0);
    type("edtF1T10", "1001");
    EXPECT_EQ(image_.word16(f1Tone), kz::nearestTone(ToneSystem::Standard, 10010));
    context_.system = ToneSystem::User;
    type("edtF1T10", "1001");
    EXPECT_EQ(image_.word16(f1Tone), 10010);
    EXPECT_TRUE(messages_.texts().isEmpty()) << messages_.texts().join('|').toStdString();
}

TEST_F(ChannelPagesAlone, AsksTheEditorForTheToneTableOfTheSelectedSystem) {
    struct Case {
        const char* what;
        ToneSystem system;
        bool markFirst;
        bool doubleClick;
        std::vector<ToneSystem> expected;
    };
    const std::vector<Case> cases = {
        {"F9 with no marked field", ToneSystem::Standard, false, false, {}},
        {"F9 after entering a field", ToneSystem::Plectron, true, false, {ToneSystem::Plectron}},
        {"double click", ToneSystem::Standard, false, true, {ToneSystem::Standard}},
        {"double click under User", ToneSystem::User, false, true, {}},
        {"F9 under User", ToneSystem::User, true, false, {}},
    };
    for (const Case& c : cases) {
        sink_->setFocus();
        QCoreApplication::processEvents();
        editor_->tones().markers().clearAll();
        context_.opened.clear();
        context_.system = c.system;
        if (c.markFirst) {
            field("edtF1T20")->setFocus();
            QCoreApplication::processEvents();
            ASSERT_EQ(editor_->tones().markers().row(ToneKind::Tone2), 0) << c.what;
            sink_->setFocus();
        }
        if (c.doubleClick)
            QTest::mouseDClick(field("edtF1T20"), Qt::LeftButton);
        else
            editor_->tones().f9Pressed();
        EXPECT_EQ(context_.opened, c.expected) << c.what;
    }
}

} // namespace
