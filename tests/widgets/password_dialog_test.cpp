// The access dialog in front of the Advance Setting page.
#include "message_recorder.h"
#include "password_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class PasswordDialog : public ::testing::Test {
protected:
    // Opens the dialog modally and, once it runs, types each entry and presses OK, or Cancel
    // for an empty entry. Returns the dialog's result.
    int run(const QStringList& entries) {
        QTimer::singleShot(0, &dialog_, [this, entries] {
            for (const QString& entry : entries) {
                if (!dialog_.isVisible())
                    return;
                if (entry.isEmpty()) {
                    dialog_.btnCancel->click();
                    return;
                }
                EXPECT_TRUE(dialog_.edtPwd->text().isEmpty());
                QTest::keyClicks(dialog_.edtPwd, entry);
                dialog_.btnOK->click();
            }
        });
        return dialog_.exec();
    }

    MessageRecorder messages_;
    TPasswordDlg dialog_;
};

TEST_F(PasswordDialog, LooksAsTheUserExpects) {
    EXPECT_EQ(dialog_.windowTitle(), "Password Dialog");
    EXPECT_EQ(dialog_.edtPwd->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(dialog_.btnOK->isDefault());
    EXPECT_FALSE(dialog_.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST_F(PasswordDialog, TheRightCodeIsAcceptedAndClearsTheCount) {
    EXPECT_EQ(run({"rj318", "RJ318"}), QDialog::Accepted);
    EXPECT_EQ(dialog_.wrongEntries(), 0);
    ASSERT_EQ(messages_.messages().size(), 1U) << "the code is case-sensitive";
    const kz::Message& refused = messages_.messages()[0];
    EXPECT_EQ(refused.title, "Password");
    EXPECT_EQ(refused.text, "Password Error!");
    EXPECT_EQ(refused.icon, kz::MessageIcon::Warning);
}

TEST_F(PasswordDialog, WrongEntriesCountOverCancelAndTheThirdCloses) {
    EXPECT_EQ(run({"1", "2", ""}), QDialog::Rejected);
    EXPECT_EQ(dialog_.wrongEntries(), 2) << "Cancel keeps the count";
    EXPECT_EQ(run({"RJ3181"}), QDialog::Rejected) << "the third wrong entry closes the dialog";
    EXPECT_EQ(dialog_.wrongEntries(), 0);
    EXPECT_EQ(messages_.texts(), QStringList(3, "Password Error!"));
    EXPECT_EQ(run({"x", "RJ318"}), QDialog::Accepted) << "a fresh count after the third";
}

TEST_F(PasswordDialog, EachOpeningStartsEmpty) {
    dialog_.edtPwd->setText("left over");
    EXPECT_EQ(run({"RJ318"}), QDialog::Accepted);
}

} // namespace
