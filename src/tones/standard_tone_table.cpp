#include "standard_tone_table.h"

#include "tone_tables.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = kz::kStandardToneGroupCount + 1;
constexpr int kRows = 11;

kz::ToneTableWindow::Layout standardLayout() {
    // Row 0 holds the group names and column 0 the digits: neither can be picked.
    return {kColumns, kRows, QSize(862, 322),
            [](int column, int row) { return column > 0 && row > 0; }, true};
}

} // namespace

TForm2::TForm2(QWidget* parent) : kz::ToneTableWindow(parent, standardLayout()) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tone Table"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(grid());
    placeGridAndButtons(this, layout);

    for (int group = 0; group < kz::kStandardToneGroupCount; ++group) {
        const auto& tones = kz::kStandardToneGroups[static_cast<std::size_t>(group)];
        setCell(group + 1, 0,
                QString::fromLatin1(tones.name.data(), static_cast<qsizetype>(tones.name.size())));
        for (int digit = 0; digit < 10; ++digit)
            setCell(
                group + 1, digit + 1,
                QString::asprintf("%0.1f", tones.tones[static_cast<std::size_t>(digit)] / 10.0));
    }
    for (int digit = 0; digit < 10; ++digit)
        setCell(0, digit + 1, QString::number(digit));
    setCurrent(1, 1);
}
