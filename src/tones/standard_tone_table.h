#pragma once

#include "tone_table_window.h"

// The standard tone table: fourteen tone groups (columns 1..14, their names in row 0) by the ten
// digits (rows 1..10, the digit in column 0). Opened by F9 or a double click on a tone field
// while the Standard tone system is selected.
class TForm2 final : public kz::ToneTableWindow {
public:
    explicit TForm2(QWidget* parent = nullptr);
};
