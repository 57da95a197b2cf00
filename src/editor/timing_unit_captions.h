#pragma once

#include "timing_units.h"

#include <QString>

#include <array>

class QLabel;
class QWidget;

// The unit caption beside Tone1 Duration, Tone2 Duration, Tone1 Limit, Tone2 Limit, Noise Limit
// (System page) and GAP MAX. (Advance page): two overlapping labels per field, "x 50 ms"
// (lbl50MS0..5) and "x 100 ms" (lbl100MS0..5); exactly one of each pair is shown. The numbers
// stored in the image never change with the caption.
namespace kz {

class TimingUnitCaptions {
public:
    static constexpr int kRows = 6;

    // Creates the pairs; each pair sits in its own small holder widget (parented to `parent`)
    // that the page puts beside its field.
    explicit TimingUnitCaptions(QWidget* parent);

    QWidget* holder(int row) const { return holders_[static_cast<std::size_t>(row)]; }
    QLabel* label100(int row) const { return lbl100MS[static_cast<std::size_t>(row)]; }
    QLabel* label50(int row) const { return lbl50MS[static_cast<std::size_t>(row)]; }

    void show(TimingUnit unit);
    TimingUnit shown() const { return unit_; }

private:
    std::array<QWidget*, kRows> holders_{};
    std::array<QLabel*, kRows> lbl100MS{};
    std::array<QLabel*, kRows> lbl50MS{};
    TimingUnit unit_ = TimingUnit::FiftyMs;
};

} // namespace kz
