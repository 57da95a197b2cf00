#pragma once

#include "builtin_images.h"
#include "channel_pages_editor.h"
#include "message_recorder.h"
#include "pager_image.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A window holding the two channel pages, the tone system buttons and the focus sink, with the
// built-in image loaded. Controls are found by their names, as a user finds them by caption.
class ChannelPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window_);
        auto* tabs = new QTabWidget(&window_);
        tabs->setObjectName("PageControl1");
        auto* pageF1 = new QWidget;
        pageF1->setObjectName("tabChannelF1");
        new QVBoxLayout(pageF1);
        auto* pageF2 = new QWidget;
        pageF2->setObjectName("tabChannelF2");
        new QVBoxLayout(pageF2);
        tabs->addTab(pageF1, "Channel F1");
        tabs->addTab(pageF2, "Channel F2");
        layout->addWidget(tabs);
        std::array<QRadioButton*, 3> buttons{};
        const char* captions[] = {"Standard", "User", "Plectron"};
        for (int i = 0; i < 3; ++i) {
            buttons[static_cast<std::size_t>(i)] = new QRadioButton(captions[i], &window_);
            buttons[static_cast<std::size_t>(i)]->setObjectName(QString("radToneSystem%1").arg(i));
            layout->addWidget(buttons[static_cast<std::size_t>(i)]);
        }
        buttons[0]->setChecked(true);
        edtNull_ = new QLineEdit(&window_);
        edtNull_->setObjectName("edtNull");
        edtNull_->setFixedSize(1, 1);
        edtNull_->setFrame(false);
        layout->addWidget(edtNull_);

        ChannelPagesEditor::Environment env;
        env.image = &image_;
        env.toneSystemButtons = buttons;
        env.focusSink = edtNull_;
        env.decoderBandwidth = [this] { return bandwidth_; };
        editor_ = std::make_unique<ChannelPagesEditor>(env, pageF1, pageF2);
        load();

        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        edtNull_->setFocus();
    }

    // The steps of the loading pass that show the channel pages, in their order.
    void load() {
        editor_->showToneSystem();
        editor_->showChannelRows(kz::Channel::F1);
        editor_->showChannelRows(kz::Channel::F2);
        editor_->showDutySwitches();
    }

    template <typename T> T* find(const QString& name) {
        T* widget = window_.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* field(const QString& name) { return find<QLineEdit>(name); }

    // Enters the field, types the keys and leaves it for the focus sink.
    void type(const QString& name, const QString& keys) {
        QLineEdit* f = field(name);
        f->setFocus();
        QTest::keyClicks(f, keys);
        leave();
    }
    void leave() {
        edtNull_->setFocus();
        QCoreApplication::processEvents();
    }
    void showPage(int index) { find<QTabWidget>("PageControl1")->setCurrentIndex(index); }
    void clickSystem(int tag) {
        // on the indicator: a radio button takes clicks on its indicator and caption only
        auto* button = find<QRadioButton>(QString("radToneSystem%1").arg(tag));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QCoreApplication::processEvents();
    }

    MessageRecorder messages_;
    QWidget window_;
    QLineEdit* edtNull_ = nullptr;
    TPagerImage image_ = builtinWorkingImage();
    int bandwidth_ = 15;
    std::unique_ptr<ChannelPagesEditor> editor_;
};
