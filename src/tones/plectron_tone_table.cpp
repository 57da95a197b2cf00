#include "plectron_tone_table.h"

#include "tone_tables.h"

#include <QFrame>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

int toneNumber(int column, int row) {
    return column * TfrmPlectronTbl::kRows + row;
}

kz::ToneTableWindow::Layout plectronLayout() {
    // Only the cell after the last tone (column 9, row 5) holds nothing to pick.
    return {TfrmPlectronTbl::kColumns, TfrmPlectronTbl::kRows, QSize(575, 223),
            [](int column, int row) { return toneNumber(column, row) < kz::kPlectronToneCount; },
            false};
}

} // namespace

TfrmPlectronTbl::TfrmPlectronTbl(QWidget* parent) : kz::ToneTableWindow(parent, plectronLayout()) {
    setObjectName(QStringLiteral("frmPlectronTbl"));
    setWindowTitle(QStringLiteral("Plectron Tone Table"));
    auto* layout = new QVBoxLayout(this);
    // Ten columns of 55 pixels leave little room in the 575-pixel window.
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(3, 2, 3, 3);
    panelLayout->setSpacing(4);
    auto* title = new QLabel(QStringLiteral("Plectron Format Tones"), panel);
    title->setObjectName(QStringLiteral("Label1"));
    QFont arial(QStringLiteral("Arial"));
    arial.setBold(true);
    arial.setPixelSize(16);
    title->setFont(arial);
    title->setAlignment(Qt::AlignCenter);
    panelLayout->addWidget(title);
    layout->addWidget(panel);
    placeGridAndButtons(panel, layout);

    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row) {
            const int k = toneNumber(column, row);
            if (k < kz::kPlectronToneCount)
                setCell(column, row,
                        QString::asprintf("%0.1f",
                                          kz::kPlectronTones[static_cast<std::size_t>(k)] / 10.0));
        }
    setCurrent(0, 0);
}
