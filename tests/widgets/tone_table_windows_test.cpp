// The two tone-table windows on their own, with a recording pick target.
#include "plectron_tone_table.h"
#include "qstring_printer.h"
#include "standard_tone_table.h"
#include "tone_pick_target.h"
#include "window_controls.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class RecordingTarget final : public kz::TonePickTarget {
public:
    QStringList calls;
    void pickTone(const QString& tone) override { calls << "pick:" + tone; }
    void leaveToneTable() override { calls << "leave"; }
};

template <typename Window> class ToneTableWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<Window>();
        window_->setTarget(&target_);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        grid()->setFocus();
    }
    QTableWidget* grid() { return window_->grid(); }
    QString current() {
        return grid()->currentItem() ? grid()->currentItem()->text() : QStringLiteral("<none>");
    }
    QPoint current(int) { return {grid()->currentColumn(), grid()->currentRow()}; }
    void clickCell(int column, int row) {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(grid(), key, modifiers);
    }

    RecordingTarget target_;
    std::unique_ptr<Window> window_;
};

using StandardWindow = ToneTableWindowTest<TForm2>;
using PlectronWindow = ToneTableWindowTest<TfrmPlectronTbl>;

TEST_F(StandardWindow, GridHoldsGroupsDigitsAndTones) {
    EXPECT_EQ(window_->windowTitle(), "Tone Table");
    EXPECT_EQ(window_->size(), QSize(862, 322));
    EXPECT_EQ(grid()->columnCount(), 15);
    EXPECT_EQ(grid()->rowCount(), 11);
    EXPECT_EQ(grid()->item(0, 1)->text(), "Mot 1");
    EXPECT_EQ(grid()->item(0, 14)->text(), "GE C' ");
    EXPECT_EQ(grid()->item(1, 0)->text(), "0");
    EXPECT_EQ(grid()->item(10, 0)->text(), "9");
    EXPECT_EQ(grid()->item(0, 0)->text(), "");
    EXPECT_EQ(grid()->item(6, 6)->text(), "1285.8"); // Mot 6, digit 5
    EXPECT_EQ(current(), "330.5") << "the first current cell is Mot 1, digit 0";
}

TEST_F(StandardWindow, HeadingsNeverBecomeTheCurrentCell) {
    struct Move {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Move moves[] = {{Qt::Key_Up, {}},
                          {Qt::Key_Left, {}},
                          {Qt::Key_Home, {}},
                          {Qt::Key_PageUp, {}},
                          {Qt::Key_Home, Qt::ControlModifier},
                          {Qt::Key_End, {}},
                          {Qt::Key_PageDown, {}},
                          {Qt::Key_End, Qt::ControlModifier},
                          {Qt::Key_Right, {}},
                          {Qt::Key_Down, {}}};
    for (const Move& move : moves) {
        press(move.key, move.modifiers);
        EXPECT_GE(grid()->currentRow(), 1) << move.key;
        EXPECT_GE(grid()->currentColumn(), 1) << move.key;
    }
    grid()->setCurrentCell(3, 4);
    press(Qt::Key_Home);
    EXPECT_EQ(current(0), QPoint(1, 3)) << "Home stops at the first tone of the row";
    clickCell(5, 0);
    clickCell(0, 5);
    EXPECT_EQ(current(0), QPoint(1, 3)) << "a click on a heading changes nothing";
    EXPECT_TRUE(target_.calls.isEmpty());
}

TEST_F(StandardWindow, EnterPicksTheCurrentCellAndEscLeavesFromAnywhere) {
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    EXPECT_EQ(target_.calls, QStringList{"pick:" + grid()->item(1, 2)->text()});
    EXPECT_FALSE(window_->isVisible());

    window_->show();
    QTest::keyClick(control<QPushButton>(*window_, "btnEnter"), Qt::Key_Escape);
    EXPECT_EQ(target_.calls.last(), "leave") << "Esc on a button leaves the standard table";
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(PlectronWindow, GridHoldsTheTonesColumnByColumnWithOneEmptyCell) {
    EXPECT_EQ(window_->windowTitle(), "Plectron Tone Table");
    EXPECT_EQ(window_->size(), QSize(575, 223));
    EXPECT_EQ(grid()->item(0, 0)->text(), "282.2");
    EXPECT_EQ(grid()->item(5, 0)->text(), "350.5");
    EXPECT_EQ(grid()->item(5, 5)->text(), "1287.0");
    EXPECT_EQ(grid()->item(4, 9)->text(), "3487.0");
    EXPECT_EQ(grid()->item(5, 9)->text(), "");
    EXPECT_EQ(current(), "282.2");
    press(Qt::Key_Enter);
    EXPECT_EQ(target_.calls, QStringList{"pick:282.2"}) << "Enter at once picks 282.2";
}

TEST_F(PlectronWindow, TheEmptyCellNeverBecomesCurrent) {
    grid()->setCurrentCell(4, 9);
    press(Qt::Key_Down);
    EXPECT_EQ(current(0), QPoint(9, 4));
    grid()->setCurrentCell(5, 8);
    press(Qt::Key_Right);
    EXPECT_EQ(current(0), QPoint(8, 5));
    press(Qt::Key_End);
    EXPECT_NE(current(0), QPoint(9, 5));
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_NE(current(0), QPoint(9, 5));
    clickCell(9, 5);
    EXPECT_NE(current(0), QPoint(9, 5));
    EXPECT_FALSE(current().isEmpty());
}

TEST_F(PlectronWindow, EscLeavesOnlyFromTheGridAndTheCloseButtonLeavesToo) {
    QTest::keyClick(control<QPushButton>(*window_, "btnExit"), Qt::Key_Escape);
    EXPECT_TRUE(target_.calls.isEmpty()) << "Esc on a button does nothing";
    EXPECT_TRUE(window_->isVisible());
    press(Qt::Key_Escape);
    EXPECT_EQ(target_.calls, QStringList{"leave"});
    EXPECT_FALSE(window_->isVisible());

    window_->show();
    window_->close();
    EXPECT_EQ(target_.calls, (QStringList{"leave", "leave"})) << "the close button leaves";
}

} // namespace
