#pragma once

#include "channel_pages_editor.h"
#include "configuration_editor.h"
#include "main_window.h"
#include "message_recorder.h"
#include "pager_image.h"
#include "test_start_options.h"
#include "window_controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The main window with the built-in image loaded, active, and the focus in the focus sink.
// Controls are found by their names, as a user finds them by their captions.
class ChannelPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TForm1>(testStartOptions(dir_.path()));
        edtNull_ = control<QLineEdit>(*form_, "edtNull");
        editor_ = &form_->editor().channelPages();
        // Decoder bandwidth "1.5": a spacing of 3.1 %, easy to reason about in the cases below.
        image().setByte(PagerField::decoderBandwidth, 7);
        load();
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        // With no port listed, the first show tells once that no programmer answers.
        messages_.clear();
        edtNull_->setFocus();
    }

    kz::TPagerImage& image() { return form_->image(); }
    void load() { form_->loadImageIntoEditor(); }

    template <typename T> T* find(const QString& name) {
        T* widget = form_->findChild<T*>(name);
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
    void showPage(int index) {
        control<QTabWidget>(*form_, "PageControl1")->setCurrentIndex(index);
    }
    void clickSystem(int tag) {
        // on the indicator: a radio button takes clicks on its indicator and caption only
        QRadioButton* button = control<QRadioButton>(
            *form_, QStringLiteral("radToneSystem%1").arg(static_cast<std::size_t>(tag)));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QCoreApplication::processEvents();
    }

    // Runs `trigger`, which may open a tone-table picker modally, and once the picker shows lets
    // `act` work in it (by default: leave through "Exit"). Returns the object name of the picker
    // that opened, or nothing when none did.
    QString openedPicker(const std::function<void()>& trigger,
                         const std::function<void(QWidget*)>& act = {}) {
        QString opened;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* picker = QApplication::activeModalWidget()) {
                poll.stop();
                opened = picker->objectName();
                if (act)
                    act(picker);
                else if (auto* exit = picker->findChild<QPushButton*>("btnExit"))
                    exit->click();
            }
        });
        poll.start();
        trigger();
        poll.stop();
        if (!opened.isEmpty()) {
            // Back in the main window, as the window manager activates it after a dialog. The
            // activation changes of the closing dialog arrive on their own time (later on a slow
            // run): let them pass before the window is activated and the test goes on.
            QTest::qWait(50);
            form_->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
            QCoreApplication::processEvents();
        }
        return opened;
    }

    QTemporaryDir dir_;
    MessageRecorder messages_;
    std::unique_ptr<TForm1> form_;
    QLineEdit* edtNull_ = nullptr;
    kz::ChannelPagesEditor* editor_ = nullptr;
};
