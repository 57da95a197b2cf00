#pragma once

#include "tone_table_window.h"

// The Plectron tone table: the 59 Plectron tones, six to a column in ascending order; the last
// cell stays empty. Opened by F9 or a double click on a tone field while the Plectron tone system
// is selected. Esc leaves it only from the grid.
class TfrmPlectronTbl final : public kz::ToneTableWindow {
public:
    explicit TfrmPlectronTbl(QWidget* parent = nullptr);

    static constexpr int kColumns = 10;
    static constexpr int kRows = 6;
};
