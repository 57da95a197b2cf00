#include "timing_unit_captions.h"

#include "control_naming.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kz {

TimingUnitCaptions::TimingUnitCaptions(QWidget* parent) {
    for (int row = 0; row < kRows; ++row) {
        const auto i = static_cast<std::size_t>(row);
        auto* holder = new QWidget(parent);
        holder->setObjectName(QStringLiteral("pnlTimingUnit%1").arg(row));
        auto* layout = new QHBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        lbl100MS[i] = new QLabel(QStringLiteral("x 100 ms"), holder);
        lbl100MS[i]->setObjectName(QStringLiteral("lbl100MS%1").arg(row));
        lbl50MS[i] = new QLabel(QStringLiteral("x 50 ms"), holder);
        lbl50MS[i]->setObjectName(QStringLiteral("lbl50MS%1").arg(row));
        setTag(lbl100MS[i], row);
        setTag(lbl50MS[i], row);
        layout->addWidget(lbl100MS[i]);
        layout->addWidget(lbl50MS[i]);
        holders_[i] = holder;
    }
    show(TimingUnit::FiftyMs); // "x 50 ms" in front at start-up
}

void TimingUnitCaptions::show(TimingUnit unit) {
    unit_ = unit;
    for (int row = 0; row < kRows; ++row) {
        const auto i = static_cast<std::size_t>(row);
        lbl100MS[i]->setVisible(unit == TimingUnit::HundredMs);
        lbl50MS[i]->setVisible(unit == TimingUnit::FiftyMs);
    }
}

} // namespace kz
