#pragma once

#include "system_rules.h"
#include "tone_system.h"

#include <QObject>

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace kz {

class TPagerImage;
class TimingUnitCaptions;

// What the System page asks of the rest of the editor. The configuration editor answers; a test
// of the page alone gives its own answers.
class SystemPageContext {
public:
    // The tone system now selected: Tone2 Duration keeps a copy of its low byte per system.
    virtual ToneSystem selectedToneSystem() const = 0;
    // Priority Scan F1 or a battery-save period was stored: the period list shows them.
    virtual void priorityScanValuesChanged() = 0;
    // A Speaker ON voltage was stored and the group's RSSI matches squelch level `level`.
    virtual void showSquelchLevel(VoltageGroup group, int level) = 0;

protected:
    ~SystemPageContext() = default;
};

// The System page: decoder reset, RF delay, priority-scan count, the two battery-save periods,
// tone durations and limits, noise limit, the WB and NB speaker and RSSI thresholds and the AUX DB
// bits. Every field writes the working image when its exit check accepts it.
class SystemPage final : public QObject {
public:
    // Builds the controls into `page`; the timing-unit caption holders 0..4 go beside their
    // fields.
    SystemPage(TPagerImage& image, QWidget* focusSink, QWidget* page, TimingUnitCaptions& captions,
               SystemPageContext& context);
    SystemPage(const SystemPage&) = delete;
    SystemPage& operator=(const SystemPage&) = delete;
    ~SystemPage() override;

    // --- show steps, in the order the loading pass runs them ---------------------------------
    void showToneTiming();        // Tone1 and Tone2 durations and limits
    void showSystemNumbers();     // decoder reset, RF delay, WB and NB Speaker ON
    void showRemainingVoltages(); // RSSI and Speaker OFF of both groups
    void showPlainNumbers();      // battery-save periods, noise limit, priority scan
    void showAuxDb();
    void showPriorityScanF1();
    void showSpeakerOn(); // both groups' Speaker ON
    // A squelch level was chosen: the group's Speaker ON and OFF fields show its pair as typed
    // into the level table (the codes are stored by the level list).
    void showSpeakerPair(VoltageGroup group, const QString& speakerOn, const QString& speakerOff);
    // Tone2 Duration shows the copy of the system's low byte (a tone-system change).
    void showTone2DurationOf(ToneSystem system);

    // --- handlers ----------------------------------------------------------------------------
    bool decoderResetExit();
    bool rfDelayExit();
    bool priorityScanF1Exit();
    bool batterySaveExit(int row);
    bool toneDurationExit(int row); // rows 0 and 1
    bool toneLimitExit(int row);
    bool noiseLimitExit();
    bool voltageExit(VoltageGroup group, VoltageRole role);
    void auxDbClick();

private:
    void build(QWidget* page, TimingUnitCaptions& captions);
    void connectFields();
    bool integerKey(QKeyEvent* event);
    bool voltageKey(VoltageGroup group, VoltageRole role, QKeyEvent* event);
    void focusSink();
    QLineEdit* voltageField(VoltageGroup group, VoltageRole role) const;
    VoltageGroupShown shownVoltages(VoltageGroup group) const;
    int voltageOffset(VoltageGroup group, VoltageRole role) const;
    // The typed whole number of a field that is not empty; nullopt after refusing it (message,
    // focus back, text kept).
    std::optional<int> typedNumber(QLineEdit* field, int low, int high, const QString& message);

    TPagerImage& image_;
    QWidget* focusSink_;
    SystemPageContext& context_;

    QGroupBox* GroupBox11 = nullptr;
    QLineEdit* edtDecorderReset = nullptr;
    QLineEdit* edtRFDelay = nullptr;
    QLineEdit* edtPriorityScanF1 = nullptr;
    std::array<QLineEdit*, 2> edtBS_Period{};
    std::array<QLineEdit*, 2> edtToneDur{}; // Group Call Duration (row 2) is on the Advance page
    std::array<QLineEdit*, 2> edtToneLimit{};
    QLineEdit* edtNoiseLimit = nullptr;
    QLineEdit* edtRSSI = nullptr;
    QLineEdit* edtRSSI2 = nullptr;
    QLineEdit* edtSSI = nullptr;
    QLineEdit* edtNB_RSSI = nullptr;
    QLineEdit* edtNB_RSSI2 = nullptr;
    QLineEdit* edtNB_SSI = nullptr;
    QComboBox* cboAUXDB = nullptr;
};

} // namespace kz
