#include "main_window.h"
#include "progress_window.h"
#include "test_start_options.h"

#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProgressWindowTest : public ::testing::Test {
protected:
    ProgressWindowTest() {
        form = std::make_unique<TForm1>(testStartOptions(dir.path()));
        progress = form->progressWindow();
    }
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    TForm4* progress = nullptr;
};

TEST_F(ProgressWindowTest, GaugeClampsToItsRange) {
    progress->setGaugeRange(0, 512);
    struct Case {
        int value;
        int shown;
    };
    for (const Case c : {Case{0, 0}, Case{256, 256}, Case{512, 512}, Case{600, 512}, Case{-5, 0},
                         Case{100000, 512}}) {
        progress->setGaugeValue(c.value);
        EXPECT_EQ(progress->gaugeValue(), c.shown) << c.value;
    }
    progress->setGaugeValue(600);
    EXPECT_EQ(progress->CGauge1->value(), progress->CGauge1->maximum()) << "a full bar";

    // A narrower range clamps the value the gauge holds instead of emptying the gauge.
    progress->setGaugeRange(0, 1728);
    progress->setGaugeValue(1000);
    progress->setGaugeRange(0, 512);
    EXPECT_EQ(progress->gaugeValue(), 512);
    progress->setGaugeRange(0, 1728);
    EXPECT_EQ(progress->gaugeValue(), 512) << "a wider range keeps the value";
}

TEST_F(ProgressWindowTest, ShowDisablesTheMainWindowAndCloseEnablesIt) {
    form->show();
    progress->setGaugeVisible(false);
    progress->setState(" Reading .....");
    progress->showWindow();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_FALSE(form->isMainWindowEnabled());
    EXPECT_TRUE(progress->CGauge1->isVisible()) << "showing makes the gauge visible";
    EXPECT_EQ(progress->lblState->text(), " Reading .....");
    EXPECT_EQ(progress->objectName(), "Form4");

    progress->setGaugeRange(0, 100);
    progress->setGaugeValue(70);
    progress->closeWindow();
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(form->isMainWindowEnabled());
    EXPECT_EQ(progress->gaugeValue(), 0);
}

TEST_F(ProgressWindowTest, ShowingAnAlreadyShownWindowRunsNothingAgain) {
    form->show();
    progress->showWindow();
    // something re-enables the main window while the progress window stays up
    form->setMainWindowEnabled(true);
    progress->setGaugeVisible(false);
    progress->showWindow();
    EXPECT_TRUE(form->isMainWindowEnabled()) << "no second hidden-to-shown transition";
    EXPECT_FALSE(progress->CGauge1->isVisible());
    progress->closeWindow();
}

} // namespace
