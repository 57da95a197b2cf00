#pragma once

#include "advance_page.h"
#include "call_layout.h"
#include "editor_state.h"
#include "frequency_context.h"
#include "loading_pass.h"
#include "setting_page.h"
#include "system_page.h"
#include "timing_units.h"
#include "tone_field_context.h"
#include "tone_pick_target.h"

#include <QObject>

#include <memory>
#include <optional>

class QDialog;
class QShortcut;
class TForm2;
class TfrmPlectronTbl;
class QWidget;

namespace kz {

class TPagerImage;
class ChannelPagesEditor;
class FrequencyEditor;
class SerialPrefixSource;
class SettingPage;
class TimingUnitCaptions;
class ToneSystemSelector;

// The empty widgets the main window gives the editor to build its pages into.
struct EditorPages {
    QWidget* window = nullptr; // the window whose F9 opens the tone table
    QWidget* focusSink = nullptr;
    QWidget* toneSystem = nullptr; // holder for the "Tone System" group
    QWidget* channelF1 = nullptr;
    QWidget* channelF2 = nullptr;
    QWidget* setting = nullptr;
    QWidget* system = nullptr;
    QWidget* advance = nullptr;
    QDialog* resetHelp = nullptr; // the reset-function help window, opened from the Setting page
};

// The configuration editor: every page of the editor, the working image they edit, the editor
// state that lives beside the image, and the calls between pages.
//
// Each page is one class that builds and owns its controls and registers its show steps with
// the loading pass here. When one page's change reaches another (the tone system click checks
// every tone field again, the Enable Fixed Alert Time box refreshes the call rows), the call goes
// through this class, so the order stays visible in one place.
class ConfigurationEditor final : public QObject,
                                  private ToneFieldContext,
                                  private TonePickTarget,
                                  private FrequencyContext,
                                  private SettingPageContext,
                                  private SystemPageContext,
                                  private AdvancePageContext {
public:
    // `serialPrefix` tells the serial-prefix flag that the squelch presets of an accepted
    // frequency read (the pager operations own it).
    ConfigurationEditor(TPagerImage& image, const EditorPages& pages,
                        const SerialPrefixSource& serialPrefix);
    ~ConfigurationEditor() override;
    ConfigurationEditor(const ConfigurationEditor&) = delete;
    ConfigurationEditor& operator=(const ConfigurationEditor&) = delete;

    TPagerImage& image() { return image_; }
    EditorState& state() { return state_; }
    // The frame adds the show steps of its own fields (the serial number) here.
    LoadingPass& loadingPass() { return loadingPass_; }
    // Runs the loading pass: every control shows the working image.
    void loadImage();

    // The page now shown: the tone pickers fill the tone fields of the last channel page.
    void currentPageChanged(const QWidget* page);
    // F9 is the window's: off while a pager operation runs.
    void setShortcutsEnabled(bool enabled);
    void f9Pressed();

    // --- calls between pages ----------------------------------------------------------------
    // The tone system click (radToneSystem0Click): stores the system and checks every tone.
    void toneSystemClick(ToneSystem system);
    // What the Enable Fixed Alert Time box does to the calls once its new state is settled.
    void applyFixedAlertTime(bool enabled) override;
    // The squelch presets of the band computed last and the given serial-prefix flag: run after
    // a serial intake (the link passes the flag it has just set) and after an accepted frequency.
    void applySquelchPresets(bool serialPrefix);

    // --- what the file commands change besides the image ---------------------------------
    // "x 100 ms" or "x 50 ms" beside the tone timing fields, after the firmware of the image.
    void showTimingUnit(TimingUnit unit);
    bool oneChannelChecked() const;
    // The serial-number run refused to make a single-channel pager two-channel: the image
    // becomes one of a single-channel pager, as after a click on One Channel.
    void checkOneChannel();
    void setChannelSteps(int f1Hz, int f2Hz);
    // Puts back the start positions of the remembered Mode lists of one kind of pager.
    void resetModeMemory(bool oneChannel);

    ChannelPagesEditor& channelPages() { return *channelPages_; }
    // The "Frequency" groups; One Channel turns F2's off and on with setChannelEnabled.
    FrequencyEditor& frequency() { return *frequency_; }
    SettingPage& settingPage() { return *settingPage_; }
    SystemPage& systemPage() { return *systemPage_; }
    ToneSystemSelector& toneSystemSelector() { return *toneSystem_; }
    TimingUnitCaptions& timingUnitCaptions() { return *timingUnits_; }
    AdvancePage& advancePage() { return *advancePage_; }
    // The tone-table pickers, created once with the editor and shown modally when asked for.
    TForm2& standardToneTable() { return *form2_; }
    TfrmPlectronTbl& plectronToneTable() { return *frmPlectronTbl_; }

private:
    // ToneFieldContext
    ToneSystem selectedToneSystem() const override;
    int decoderBandwidthValue() override;
    void openToneTable(ToneSystem system) override;
    // TonePickTarget
    void pickTone(const QString& tone) override;
    void leaveToneTable() override;
    // The channel of the current channel page, or nothing on another page.
    std::optional<Channel> currentChannel() const;
    // FrequencyContext
    void frequencyAccepted() override;
    // SettingPageContext
    void applyOneChannel(bool oneChannel) override;
    void openResetHelp() override;
    void priorityScanCountChanged() override;
    // SystemPageContext (selectedToneSystem is the one above)
    void priorityScanValuesChanged() override;
    void showSquelchLevel(VoltageGroup group, int level) override;

    // AdvancePageContext
    void decoderBandwidthChanged() override;
    void squelchLevelChosen(SquelchGroup group, const QString& speakerOn,
                            const QString& speakerOff) override;

    void registerLoadingSteps();
    void registerAdvanceSteps();

    TPagerImage& image_;
    EditorPages pages_;
    EditorState state_;
    LoadingPass loadingPass_;
    QShortcut* f9_ = nullptr;
    TForm2* form2_ = nullptr;
    TfrmPlectronTbl* frmPlectronTbl_ = nullptr;
    std::unique_ptr<ToneSystemSelector> toneSystem_;
    std::unique_ptr<ChannelPagesEditor> channelPages_;
    std::unique_ptr<FrequencyEditor> frequency_;
    const SerialPrefixSource& serialPrefix_;
    std::unique_ptr<SettingPage> settingPage_;
    std::unique_ptr<TimingUnitCaptions> timingUnits_;
    std::unique_ptr<SystemPage> systemPage_;
    std::unique_ptr<AdvancePage> advancePage_;
};

} // namespace kz
