#pragma once

#include "editor_state.h"
#include "loading_pass.h"
#include "timing_units.h"
#include "tone_field_context.h"

#include <QObject>

#include <functional>
#include <memory>

class QShortcut;
class QWidget;
class TPagerImage;

namespace kz {

class ChannelPagesEditor;
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
};

// The configuration editor: every page of the editor, the working image they edit, the editor
// state that lives beside the image, and the calls between pages.
//
// Each page is one class that builds and owns its controls and registers its show steps with
// the loading pass here. When one page's change reaches another (the tone system click checks
// every tone field again, the Enable Fixed Alert Time box refreshes the call rows), the call goes
// through this class, so the order stays visible in one place.
class ConfigurationEditor final : public QObject, private ToneFieldContext {
public:
    ConfigurationEditor(TPagerImage& image, const EditorPages& pages);
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
    void applyFixedAlertTime(bool enabled);
    // The squelch presets of the current band and serial prefix, after a serial intake.
    void applySquelchPresets();
    // What One Channel does to the channel pages: a single-channel pager has no F2 to edit, so
    // the Channel F2 page and its controls are disabled; a two-channel pager gets them back.
    void applyOneChannel(bool oneChannel);
    // The window's reset-function help, opened by "Help" on the Setting page.
    void setResetHelpOpener(std::function<void()> open) { openResetHelp_ = std::move(open); }

    // --- what the file commands change besides the image ---------------------------------
    // "x 100 ms" or "x 50 ms" beside the tone timing fields, after the firmware of the image.
    void showTimingUnit(TimingUnit unit);
    bool oneChannelChecked() const;
    void setChannelSteps(int f1Hz, int f2Hz);
    // Puts back the start positions of the remembered Mode lists of one kind of pager.
    void resetModeMemory(bool oneChannel);

    ChannelPagesEditor& channelPages() { return *channelPages_; }
    SettingPage& settingPage() { return *settingPage_; }
    ToneSystemSelector& toneSystemSelector() { return *toneSystem_; }
    TimingUnitCaptions& timingUnitCaptions() { return *timingUnits_; }

private:
    // ToneFieldContext
    ToneSystem selectedToneSystem() const override;
    int decoderBandwidthValue() override;
    void openToneTable(ToneSystem system) override;

    void registerLoadingSteps();

    TPagerImage& image_;
    EditorPages pages_;
    EditorState state_;
    LoadingPass loadingPass_;
    QShortcut* f9_ = nullptr;
    std::unique_ptr<ToneSystemSelector> toneSystem_;
    std::unique_ptr<ChannelPagesEditor> channelPages_;
    std::unique_ptr<SettingPage> settingPage_;
    std::unique_ptr<TimingUnitCaptions> timingUnits_;
    std::function<void()> openResetHelp_;
};

} // namespace kz
