#pragma once

#include "call_layout.h"

#include <array>

namespace kz {

// Which tone field a tone-table picker fills: one row per kind of tone field (Tone 1, Tone 2,
// group), -1 when clear. The channel is the current channel page. At most one is set at a time.
class ToneFieldMarkers {
public:
    static constexpr int kClear = -1;

    int row(kz::ToneKind kind) const { return rows_[index(kind)]; }
    bool anySet() const { return rows_[0] != kClear || rows_[1] != kClear || rows_[2] != kClear; }
    // Marks the row for `kind` and clears the other two.
    void mark(kz::ToneKind kind, int row) {
        clearAll();
        rows_[index(kind)] = row;
    }
    void clear(kz::ToneKind kind) { rows_[index(kind)] = kClear; }
    void clearAll() { rows_ = {kClear, kClear, kClear}; }

private:
    static std::size_t index(kz::ToneKind kind) { return static_cast<std::size_t>(kind); }
    std::array<int, 3> rows_{kClear, kClear, kClear};
};

} // namespace kz
