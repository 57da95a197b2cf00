#include "tone_table_window.h"

#include "tone_pick_target.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>

#include <cstdlib>

namespace kz {

namespace {

// The grid of a picker: a cell that cannot be selected never becomes the current cell, whichever
// key moves the cursor. A move that would land on one ends on the nearest cell that can be
// selected, and stays where it is when that is the nearest.
class ToneGrid final : public QTableWidget {
public:
    ToneGrid(int rows, int columns, std::function<bool(int, int)> selectable, QWidget* parent)
        : QTableWidget(rows, columns, parent), selectable_(std::move(selectable)) {}

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const QModelIndex target = QTableWidget::moveCursor(action, modifiers);
        if (!target.isValid() || selectable_(target.column(), target.row()))
            return target;
        return nearestSelectable(target);
    }

private:
    QModelIndex nearestSelectable(const QModelIndex& target) const {
        const QModelIndex current = currentIndex();
        QModelIndex best = current;
        int bestScore = current.isValid() ? score(current, target, current) : 1 << 30;
        for (int row = 0; row < rowCount(); ++row)
            for (int column = 0; column < columnCount(); ++column) {
                if (!selectable_(column, row))
                    continue;
                const QModelIndex candidate = model()->index(row, column);
                const int s = score(candidate, target, current);
                if (s < bestScore) {
                    best = candidate;
                    bestScore = s;
                }
            }
        return best;
    }
    // Distance to the cell the move aimed at; on a tie the current cell wins, then a cell in the
    // aimed row, then one in the aimed column.
    static int score(const QModelIndex& cell, const QModelIndex& target,
                     const QModelIndex& current) {
        const int distance =
            std::abs(cell.row() - target.row()) + std::abs(cell.column() - target.column());
        const int preference = cell == current                    ? 0
                               : cell.row() == target.row()       ? 1
                               : cell.column() == target.column() ? 2
                                                                  : 3;
        return distance * 4 + preference;
    }

    std::function<bool(int, int)> selectable_;
};

} // namespace

ToneTableWindow::ToneTableWindow(QWidget* parent, const Layout& layout)
    : QDialog(parent), layout_(layout) {
    // A fixed frame with the close button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(layout_.clientSize);

    StringGrid1 = new ToneGrid(layout_.rows, layout_.columns, layout_.selectable, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    // The first row and column are cells of the grid, not header bars: a cell's coordinates are
    // those the pickers speak of.
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(55);
    // Every row fits the fixed window, as on the pickers' grid of one-line cells.
    StringGrid1->verticalHeader()->setMinimumSectionSize(18);
    StringGrid1->verticalHeader()->setDefaultSectionSize(23);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(13);
    StringGrid1->setFont(courier);
    for (int row = 0; row < layout_.rows; ++row)
        for (int column = 0; column < layout_.columns; ++column)
            setCell(column, row, QString());
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);

    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    btnEnter = new QPushButton(QStringLiteral("Enter"), this);
    btnEnter->setObjectName(QStringLiteral("btnEnter"));
    btnExit = new QPushButton(QStringLiteral("Exit"), this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    for (QPushButton* button : {btnEnter, btnExit}) {
        button->setFont(bold);
        button->setAutoDefault(false);
    }
    connect(btnEnter, &QPushButton::clicked, this, &ToneTableWindow::pickAction);
    connect(btnExit, &QPushButton::clicked, this, &ToneTableWindow::exitAction);
}

void ToneTableWindow::placeGridAndButtons(QWidget* gridArea, QLayout* windowLayout) {
    if (gridArea->layout())
        gridArea->layout()->addWidget(StringGrid1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnEnter);
    buttons->addWidget(btnExit);
    buttons->addStretch();
    if (auto* box = qobject_cast<QBoxLayout*>(windowLayout))
        box->addLayout(buttons);
}

void ToneTableWindow::setCell(int column, int row, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (layout_.selectable(column, row)) {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setBackground(palette().color(QPalette::HighlightedText));
    } else {
        // Headings and the empty cell: drawn in the button face and out of the cursor's reach.
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(palette().color(QPalette::Button));
        item->setForeground(palette().color(QPalette::ButtonText));
    }
    StringGrid1->setItem(row, column, item);
}

void ToneTableWindow::setCurrent(int column, int row) {
    StringGrid1->setCurrentCell(row, column);
}

void ToneTableWindow::openModal() {
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
    StringGrid1->setFocus();
    exec();
}

void ToneTableWindow::showEvent(QShowEvent* event) {
    leaving_ = false; // each showing is left once, by one action
    QDialog::showEvent(event);
}

void ToneTableWindow::pickAction() {
    if (leaving_)
        return;
    leaving_ = true;
    const QTableWidgetItem* cell = StringGrid1->currentItem();
    if (target_)
        target_->pickTone(cell ? cell->text() : QString());
    finish();
}

void ToneTableWindow::exitAction() {
    if (leaving_)
        return;
    leaving_ = true;
    if (target_)
        target_->leaveToneTable();
    finish();
}

void ToneTableWindow::finish() {
    done(QDialog::Accepted);
}

bool ToneTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            exitAction();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            pickAction();
            return true;
        }
    }
    if (watched == StringGrid1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The press before it has made the cell under the mouse current when it can be.
        pickAction();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ToneTableWindow::keyPressEvent(QKeyEvent* event) {
    // Esc away from the grid: the standard table leaves, the Plectron table does nothing.
    if (event->key() == Qt::Key_Escape) {
        if (layout_.escapeAnywhere)
            exitAction();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ToneTableWindow::reject() {
    // Reached by the window's Esc handling; keyPressEvent and closeEvent decide instead.
}

void ToneTableWindow::closeEvent(QCloseEvent* event) {
    // The title-bar close button and Alt+F4 leave through the Exit action.
    if (!leaving_)
        exitAction();
    event->accept();
}

} // namespace kz
