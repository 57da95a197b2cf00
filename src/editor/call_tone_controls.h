#pragma once

#include "call_layout.h"

#include <array>
#include <span>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace kz {

// The controls of one call row of a channel page. Row n of a family is the control whose Tag is
// n; the enable box sits beside the row panel, not on it, so that a disabled row can be enabled
// again.
struct CallRow {
    QCheckBox* enable = nullptr;
    QFrame* panel = nullptr;
    // Tone 1 and Tone 2 of a call; a group call has only tones[0].
    std::array<QLineEdit*, 2> tones{};
    QComboBox* toneType = nullptr;
    QLineEdit* pattern = nullptr;
    QComboBox* alertTimeList = nullptr;
    QLineEdit* alertTime = nullptr;
    QLabel* alertTimeUnit = nullptr;
    QCheckBox* priority = nullptr;
    QFrame* dutyPanel = nullptr;
    // SW-A..SW-D, children of the duty panel.
    std::array<QCheckBox*, kz::kSwitchCount> switches{};
};

// The "Call Tone" group of one channel page: the control tables of its two row families, the
// four duty boxes and the "[F9] Open Tone Table" label.
struct CallToneControls {
    kz::Channel channel = kz::Channel::F1;
    QGroupBox* group = nullptr;
    std::array<CallRow, kz::kCallRows> calls{};
    std::array<CallRow, kz::kGroupRows> groups{};
    std::array<QCheckBox*, kz::kSwitchCount> duty{};
    QLabel* toneTableLabel = nullptr;

    std::span<CallRow> rows(kz::CallFamily family) {
        if (family == kz::CallFamily::Calls)
            return calls;
        return groups;
    }
    QLineEdit* toneField(kz::ToneKind kind, int row) {
        const auto r = static_cast<std::size_t>(row);
        switch (kind) {
        case kz::ToneKind::Tone1:
            return calls[r].tones[0];
        case kz::ToneKind::Tone2:
            return calls[r].tones[1];
        case kz::ToneKind::Group:
            break;
        }
        return groups[r].tones[0];
    }
};

} // namespace kz
