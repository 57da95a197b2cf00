#pragma once

#include "call_layout.h"
#include "synthesizer.h"

#include <QObject>

#include <array>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QWidget;

namespace kz {

class TPagerImage;
class FrequencyContext;
struct EditorState;

// The controls of one channel's "Frequency" group and its bandwidth list.
struct FrequencyControls {
    QWidget* row = nullptr; // holds the two groups at the top of the page
    QGroupBox* group = nullptr;
    QLineEdit* freq = nullptr; // edtF1Freq: seven digits, units of 100 Hz
    QComboBox* step = nullptr; // cboCSpaceF1
    QLabel* pllR = nullptr;
    QLabel* pllN = nullptr;
    QLabel* mutl = nullptr;
    QGroupBox* bandwidthGroup = nullptr;
    QComboBox* bandwidth = nullptr; // cboF1Bandwitdth: "NB", "WB"
};

// The "Frequency" group of the two channel pages: the receive frequency, the channel step and
// the synthesizer words the pager tunes with. An accepted frequency stores its digits and both
// words, keeps the other channel in the same band and brings the band's squelch presets (asked
// of the context). The channel steps and the band class live in the editor state.
//
// The group also sets the channel's bandwidth list to WB and disables it in the 33..51 MHz band,
// where the pager only receives wide band; the list's own choice is stored when it is clicked.
class FrequencyEditor final : public QObject {
public:
    // Builds both groups above everything else on the two pages (at the top of their layouts
    // when they have one).
    FrequencyEditor(TPagerImage& image, EditorState& state, FrequencyContext& context,
                    QWidget* focusSink, QWidget* pageF1, QWidget* pageF2);
    FrequencyEditor(const FrequencyEditor&) = delete;
    FrequencyEditor& operator=(const FrequencyEditor&) = delete;

    // --- steps of the loading pass, in the order the pass runs them -------------------------
    // The four synthesizer words of the image in the PLLR / PLLN labels.
    void showWords();
    // An R word that asks for the 2.5 kHz reference forces that step (code 0x25).
    void applyForcedSteps();
    // Both frequencies of the image, then the synthesizer computation of F1 and of F2.
    void showFrequencies();
    // The step lists from the step codes, each fired as if clicked.
    void showChannelSteps();
    // The bandwidth lists from bandwidthFlags, each fired as if clicked.
    void showBandwidth();

    // --- handlers ----------------------------------------------------------------------------
    void enter(kz::Channel channel);
    bool keyPress(kz::Channel channel, QKeyEvent* event);
    // The exit check; also run by the step list and by the cross-channel band rule. True when
    // the frequency was accepted.
    bool exitCheck(kz::Channel channel);
    void stepClick(kz::Channel channel);
    // The bandwidth list stores its choice: 1 (WB) or 0 (NB) in the channel's bit.
    void bandwidthClick(kz::Channel channel);
    // The synthesizer computation of one channel from its field text and step.
    void computeSynthesizer(kz::Channel channel);

    // One Channel on the Setting page turns channel F2's group off and on again.
    void setChannelEnabled(kz::Channel channel, bool enabled);

    const FrequencyControls& controls(kz::Channel channel) const {
        return controls_[static_cast<std::size_t>(channel)];
    }

private:
    int& stepHz(kz::Channel channel);
    void connectChannel(kz::Channel channel);
    void refuse(kz::Channel channel, const QString& message);
    void showBandwidthList(kz::Channel channel);

    TPagerImage& image_;
    EditorState& state_;
    FrequencyContext& context_;
    QWidget* focusSink_;
    std::array<FrequencyControls, 2> controls_;
    std::array<bool, 2> enabled_{true, true};
    std::array<bool, 2> lowBand_{false, false};
};

} // namespace kz
