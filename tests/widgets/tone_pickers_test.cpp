// The tone-table pickers opened from the tone fields of the real main window.
#include "channel_pages_fixture.h"

#include "standard_tone_table.h"
#include "tone_code.h"
#include "tone_spacing.h"

#include <QCheckBox>
#include <QTableWidget>

namespace {

using kz::Channel;
using kz::ToneKind;

using TonePickers = ChannelPagesTest;

// Makes the cell current with the mouse and picks it with a double click.
std::function<void(QWidget*)> doubleClickCell(int column, int row) {
    return [column, row](QWidget* picker) {
        auto* grid = picker->findChild<QTableWidget*>("StringGrid1");
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
}

TEST_F(TonePickers, PickedToneIsStoredWithItsCodeInTheMarkedRow) {
    find<QCheckBox>("chkF1Call2")->click();
    const int tone = kz::toneOffset(Channel::F1, ToneKind::Tone1, 2);
    const int code = kz::toneCodeOffset(Channel::F1, ToneKind::Tone1, 2);
    // "Mot 6", digit 5: column 6, row 6
    EXPECT_EQ(openedPicker([&] { QTest::mouseDClick(field("edtF1T12"), Qt::LeftButton); },
                           doubleClickCell(6, 6)),
              "Form2");
    EXPECT_EQ(image().word16(tone), 12858);
    EXPECT_EQ(image().word16(code), kz::toneCode(12858));
    EXPECT_EQ(field("edtF1T12")->text(), "1285.8");
    EXPECT_FALSE(editor_->tones().markers().anySet());
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(TonePickers, PickedToneGoesThroughTheSameCallCheck) {
    // the cell that holds the tone of CALL #1 Tone 2
    const kz::TPagerImage before = image();
    const QString partner = field("edtF1T20")->text();
    auto* form2 = &form_->editor().standardToneTable();
    const auto cell = form2->grid()->findItems(partner, Qt::MatchExactly);
    ASSERT_EQ(cell.size(), 1) << partner.toStdString();
    EXPECT_EQ(openedPicker([&] { QTest::mouseDClick(field("edtF1T10"), Qt::LeftButton); },
                           doubleClickCell(cell[0]->column(), cell[0]->row())),
              "Form2");
    EXPECT_EQ(messages_.texts(), QStringList{kz::sameCallMessage(15)});
    EXPECT_EQ(image(), before);
}

TEST_F(TonePickers, EveryWayOfLeavingShowsTheStoredToneOfTheEmptiedField) {
    struct Case {
        const char* what;
        std::function<void(QWidget*)> leave;
    };
    const std::vector<Case> cases = {
        {"Exit button", {}},
        {"title-bar close", [](QWidget* picker) { picker->close(); }},
        {"Esc in the grid",
         [](QWidget* picker) {
             QTest::keyClick(picker->findChild<QTableWidget*>("StringGrid1"), Qt::Key_Escape);
         }},
        {"Esc on a button",
         [](QWidget* picker) {
             QTest::keyClick(picker->findChild<QPushButton*>("btnEnter"), Qt::Key_Escape);
         }},
    };
    for (const Case& c : cases) {
        const kz::TPagerImage before = image();
        // the double click enters the field first, which empties it
        EXPECT_EQ(
            openedPicker([&] { QTest::mouseDClick(field("edtF1T10"), Qt::LeftButton); }, c.leave),
            "Form2")
            << c.what;
        EXPECT_EQ(field("edtF1T10")->text(), "1285.8") << c.what;
        EXPECT_EQ(image(), before) << c.what;
        EXPECT_FALSE(editor_->tones().markers().anySet()) << c.what;
        leave();
    }
}

TEST_F(TonePickers, PlectronPickFillsTheMarkedGroupFieldOfChannelF2) {
    clickSystem(2);
    showPage(1);
    find<QCheckBox>("chkF2GCall3")->click();
    const int tone = kz::toneOffset(Channel::F2, ToneKind::Group, 3);
    // 1287.0 is tone 35: column 5, row 5
    EXPECT_EQ(openedPicker([&] { QTest::mouseDClick(field("edtF2GT3"), Qt::LeftButton); },
                           doubleClickCell(5, 5)),
              "frmPlectronTbl");
    EXPECT_EQ(image().word16(tone), 12870);
    EXPECT_EQ(image().word16(kz::toneCodeOffset(Channel::F2, ToneKind::Group, 3)),
              kz::toneCode(12870));
}

TEST_F(TonePickers, OnAPageThatIsNoChannelPageThePickOnlyClearsTheMarkers) {
    field("edtF1T10")->setFocus();
    leave();
    ASSERT_EQ(editor_->tones().markers().row(ToneKind::Tone1), 0);
    showPage(2); // Setting
    const kz::TPagerImage before = image();
    EXPECT_EQ(
        openedPicker([&] { QTest::keyClick(edtNull_, Qt::Key_F9); },
                     [](QWidget* picker) { picker->findChild<QPushButton*>("btnEnter")->click(); }),
        "Form2");
    EXPECT_EQ(image(), before);
    EXPECT_FALSE(editor_->tones().markers().anySet());
}

} // namespace
