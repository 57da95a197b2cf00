// Sizes and places of the windows as a user sees them: the main window's client area with every
// page inside it, the help window's text, the about box's title bar and panel.
#include "about_box.h"
#include "help_window.h"
#include "main_window.h"
#include "main_window_link.h"
#include "test_start_options.h"
#include "window_controls.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class MainWindowGeometry : public ::testing::Test {
protected:
    // A long device path, as a simulated cradle or a port given by path has, must not widen
    // the row above the pages.
    void showWindow() {
        kz::StartOptions options = testStartOptions(dir.path());
        options.extraPorts = {QStringLiteral("/tmp/tq615-cradle-Ab12Cd/port-with-a-long-name")};
        form = std::make_unique<TForm1>(options);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QSize clientArea() const { return {form->width(), form->height() - form->menuBar()->height()}; }
    QRect placeOf(const char* name) const {
        auto* widget = control<QWidget>(*form, QString::fromLatin1(name));
        return {widget->mapTo(form.get(), QPoint(0, 0)), widget->size()};
    }

    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowGeometry, ClientAreaUnderTheMenuBarIsTheDescribedSize) {
    showWindow();
    EXPECT_EQ(clientArea(), QSize(825, 655));
    // Showing the Advance page (after its access code) must not make the window grow either.
    form->setPageShown(control<QWidget>(*form, "tabAdvance"), true);
    QTest::qWait(0);
    EXPECT_EQ(clientArea(), QSize(825, 655));
}

TEST_F(MainWindowGeometry, EveryPageFitsTheWindow) {
    showWindow();
    auto* pages = control<QTabWidget>(*form, "PageControl1");
    // The room a page has in a window of the described size, even if this one grew.
    const QSize room =
        pages->findChild<QStackedWidget*>()->size() - (clientArea() - QSize(825, 655));
    for (int i = 0; i < pages->count(); ++i) {
        QWidget* page = pages->widget(i);
        const QSize needed = page->minimumSizeHint();
        EXPECT_LE(needed.width(), room.width())
            << qPrintable(page->objectName()) << " needs " << needed.width() << " px";
        EXPECT_LE(needed.height(), room.height())
            << qPrintable(page->objectName()) << " needs " << needed.height() << " px";
    }
    // Nor does anything else of the window ask for more than its size.
    const QSize whole = form->minimumSizeHint();
    EXPECT_LE(whole.width(), form->width());
    EXPECT_LE(whole.height(), form->height());
}

TEST_F(MainWindowGeometry, CentredOnTheDesktopWithItsFinalSize) {
    form = std::make_unique<TForm1>(testStartOptions(dir.path()));
    // Where the window is put before it is shown (the test screen is narrower than the window,
    // and the platform then keeps the frame's edge on it).
    const QPoint desktopCentre = form->screen()->availableGeometry().center();
    const QPoint windowCentre = form->geometry().center();
    EXPECT_LE((windowCentre - desktopCentre).manhattanLength(), 1)
        << "window centre " << windowCentre.x() << "," << windowCentre.y() << " desktop centre "
        << desktopCentre.x() << "," << desktopCentre.y();
    // and the size it was centred with is the size it keeps.
    const QSize placedSize = form->size();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->size(), placedSize);
}

TEST_F(MainWindowGeometry, FirmwareLabelAppearsWithoutMovingTheGroups) {
    showWindow();
    const QRect serialNo = placeOf("GroupBox2");
    const QRect toneSystem = placeOf("grpToneSystem");
    const QSize size = form->size();

    // What a Read shows, with the widest version a header can carry.
    form->pagerLink().setFirmwareText(QStringLiteral("FirmVer. 99.99.99"));
    form->pagerLink().setFirmwareVisible(true);
    QTest::qWait(0);

    auto* label = control<QLabel>(*form, "lblVersion");
    EXPECT_TRUE(label->isVisible());
    EXPECT_GE(label->width(), label->sizeHint().width()) << "the version is cut";
    EXPECT_FALSE(placeOf("lblVersion").intersects(serialNo));
    EXPECT_EQ(placeOf("GroupBox2"), serialNo);
    EXPECT_EQ(placeOf("grpToneSystem"), toneSystem);
    EXPECT_EQ(form->size(), size);
}

TEST(HelpWindowGeometry, MemoFillsTheWindowWithEveryLineWhole) {
    TfrmHelp help;
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_EQ(help.size(), QSize(561, 360));
    EXPECT_EQ(help.Memo1->geometry(), QRect(0, 0, 561, 360));
    EXPECT_FALSE(help.Memo1->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(help.Memo1->verticalScrollBar()->isVisible());
    EXPECT_EQ(help.Memo1->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(help.Memo1->verticalScrollBar()->maximum(), 0);

    // The OK button lies on the memo at the bottom centre, under the text.
    const QRect button = help.Button1->geometry();
    EXPECT_TRUE(help.rect().contains(button));
    EXPECT_LE(std::abs(button.center().x() - help.rect().center().x()), 1);

    const QRect viewport = help.Memo1->viewport()->geometry();
    QAbstractTextDocumentLayout* layout = help.Memo1->document()->documentLayout();
    int line = 0;
    for (QTextBlock block = help.Memo1->document()->begin(); block.isValid();
         block = block.next()) {
        ++line;
        const QRectF box = layout->blockBoundingRect(block);
        const qreal textRight = box.left() + block.layout()->lineAt(0).naturalTextWidth();
        EXPECT_LE(textRight, viewport.width()) << "line " << line << " is cut at the right";
        EXPECT_LE(box.bottom(), viewport.height()) << "line " << line << " is out of sight";
        const QRectF text(box.left(), box.top(), textRight - box.left(), box.height());
        EXPECT_FALSE(text.intersects(QRectF(button))) << "the OK button covers line " << line;
    }
    EXPECT_EQ(line, 19);
}

TEST(AboutBoxGeometry, OnlyTheCloseButtonInTheTitleBar) {
    TAboutBox box;
    const Qt::WindowFlags flags = box.windowFlags();
    // Without CustomizeWindowHint the window manager picks its own buttons.
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
}

TEST(AboutBoxGeometry, PanelHasARaisedBevelOutsideALoweredOne) {
    TAboutBox box;
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    auto* panel = control<QWidget>(box, "Panel1");
    const QImage picture = panel->grab().toImage();
    const QColor light = panel->palette().color(QPalette::Light);
    const QColor dark = panel->palette().color(QPalette::Dark);
    ASSERT_NE(light, dark);
    const int w = picture.width();
    const int h = picture.height();
    struct Edge {
        const char* side;
        QPoint outer;
        QPoint inner;
        QColor outerColour;
        QColor innerColour;
    };
    // A raised bevel is lit on its top and left sides, a lowered one on its bottom and right.
    const Edge edges[] = {
        {"left", {0, h / 2}, {1, h / 2}, light, dark},
        {"top", {w / 2, 0}, {w / 2, 1}, light, dark},
        {"right", {w - 1, h / 2}, {w - 2, h / 2}, dark, light},
        {"bottom", {w / 2, h - 1}, {w / 2, h - 2}, dark, light},
    };
    for (const Edge& edge : edges) {
        EXPECT_EQ(picture.pixel(edge.outer), edge.outerColour.rgb()) << edge.side << " outside";
        EXPECT_EQ(picture.pixel(edge.inner), edge.innerColour.rgb()) << edge.side << " inside";
    }
}

} // namespace
