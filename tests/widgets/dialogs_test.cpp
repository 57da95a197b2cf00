#include "about_box.h"
#include "help_window.h"
#include "main_window.h"
#include "maker_info.h"
#include "test_start_options.h"
#include "window_controls.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

TEST(AboutBox, TextsAndLinks) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.ProductName->text(), "KZ904");
    EXPECT_EQ(box.Version->text(), "Version 1.0.8 (2014.6.11)");
    EXPECT_EQ(box.lblUrl->text(), kz::maker::kWebAddress);
    EXPECT_EQ(box.lblEmail->text(), kz::maker::kEmailAddress);
    EXPECT_TRUE(box.OKButton->isDefault());
    EXPECT_EQ(box.OKButton->text(), "OK");

    QList<QUrl> opened;
    box.openUrl = [&opened](const QUrl& url) { opened << url; };
    box.show();
    QTest::mouseClick(box.lblUrl, Qt::LeftButton);
    QTest::mouseClick(box.lblEmail, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(kz::maker::kWebAddress));
    EXPECT_EQ(opened[1].toString(), "mailto:" + kz::maker::kEmailAddress);
}

TEST(AboutBox, HoverMakesTheLinkBoldAndLeavingKeepsItUnderlinedOnly) {
    TAboutBox box;
    box.show();
    for (QLabel* link : {box.lblUrl, box.lblEmail}) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_FALSE(link->font().bold());
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(link, &enter);
        EXPECT_TRUE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        EXPECT_FALSE(link->font().bold());
        EXPECT_TRUE(link->font().underline());
    }
}

TEST(AboutBox, AboutMenuShowsTheBoxModallyAndOkClosesIt) {
    QTemporaryDir dir;
    TForm1 form(testStartOptions(dir.path()));
    form.show();
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        sawModal = form.aboutBox()->isVisible() && form.aboutBox()->isModal();
        form.aboutBox()->OKButton->click();
    });
    control<QAction>(form, "About2")->trigger();
    EXPECT_TRUE(sawModal);
    EXPECT_FALSE(form.aboutBox()->isVisible());
    EXPECT_EQ(form.aboutBox()->result(), QDialog::Accepted);
}

TEST(HelpWindow, NineteenLinesKeptExactlyAndReadOnly) {
    TfrmHelp help;
    EXPECT_EQ(help.windowTitle(), "RESET FUNCTION HELP");
    EXPECT_TRUE(help.windowFlags() & Qt::FramelessWindowHint);
    const QStringList lines = help.Memo1->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[0], "                      RESET FUNCTION HELP");
    EXPECT_EQ(lines[8], "    Reverts to Monitor Mode after receiving a SelCall page.");
    EXPECT_EQ(lines[12], "    Resets the audio and record when the Reset Switch is ");
    EXPECT_EQ(lines[17], "    Wait N seconds and then behave as monitor mode ");
    EXPECT_EQ(lines[18], "    until the reset button is pushed.");

    help.show();
    EXPECT_TRUE(help.Memo1->isReadOnly());
    help.Memo1->setFocus();
    QTest::keyClicks(help.Memo1, "typed");
    EXPECT_EQ(help.Memo1->toPlainText().split('\n'), lines);

    help.Button1->click();
    EXPECT_FALSE(help.isVisible());
}

} // namespace
