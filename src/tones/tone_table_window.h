#pragma once

#include <QDialog>

#include <functional>

class QPushButton;
class QTableWidget;

namespace kz {

class TonePickTarget;

// What the two tone-table pickers share: a modal window with a grid of tone texts and the
// "Enter" and "Exit" buttons under it. Some cells cannot become the current cell (headings, an
// empty cell): neither the mouse nor the keyboard selects them, so a pick never delivers a
// heading or an empty text.
//
// Every way of leaving the window runs the pick action (double click or Enter in the grid, the
// "Enter" button) or the Exit action (the "Exit" button, Esc, the title-bar close button), so the
// tone-field markers are always cleared when it closes.
class ToneTableWindow : public QDialog {
public:
    // The picker window for the pick target; it is created once and shown modally as often as
    // the user asks for it.
    void setTarget(TonePickTarget* target) { target_ = target; }
    // Shows the window modally, centred on its parent, until the user leaves it.
    void openModal();

    QTableWidget* grid() const { return StringGrid1; }

    // The actions behind the buttons, the grid's keys and the close button.
    void pickAction();
    void exitAction();

    struct Layout {
        int columns;
        int rows;
        QSize clientSize;
        // Whether the cell may become the current cell; the others are drawn in the button face.
        std::function<bool(int column, int row)> selectable;
        bool escapeAnywhere; // Esc leaves from any control, not only from the grid
    };

protected:
    ToneTableWindow(QWidget* parent, const Layout& layout);

    // Puts the grid and the buttons into `area` (the window itself, or a panel of the window).
    void placeGridAndButtons(QWidget* gridArea, QLayout* windowLayout);
    void setCell(int column, int row, const QString& text);
    // Makes (column, row) the current cell.
    void setCurrent(int column, int row);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* btnEnter = nullptr;
    QPushButton* btnExit = nullptr;
    Layout layout_;
    TonePickTarget* target_ = nullptr;
    bool leaving_ = false; // an action ran: the close that follows runs nothing more
};

} // namespace kz
