#pragma once

#include "tone_system.h"

#include <array>

class QRadioButton;
class QWidget;

namespace kz {

class TPagerImage;

// The "Tone System" group: radio buttons radToneSystem0..2 (Tags 0, 1, 2) for Standard, User
// and Plectron. It shows the image's tone system; what a click does belongs to the editor.
class ToneSystemSelector {
public:
    // Builds the group into `holder` (into its layout when it has one, else a new one).
    explicit ToneSystemSelector(QWidget* holder);

    // Show step: the button of the image's toneSystem byte, without running its click.
    void show(const TPagerImage& image);
    ToneSystem selected() const;
    QRadioButton* button(ToneSystem system) const;

private:
    std::array<QRadioButton*, 3> radToneSystem{};
};

} // namespace kz
