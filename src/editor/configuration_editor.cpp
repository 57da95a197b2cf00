#include "configuration_editor.h"

#include "advance_page.h"
#include "channel_pages_editor.h"
#include "frequency_editor.h"
#include "function_switch_defaults.h"
#include "pager_image.h"
#include "plectron_tone_table.h"
#include "serial_prefix_source.h"
#include "setting_page.h"
#include "squelch_presets.h"
#include "standard_tone_table.h"
#include "system_page.h"
#include "timing_unit_captions.h"
#include "tone_spacing.h"
#include "tone_system_selector.h"

#include <QBoxLayout>
#include <QDialog>
#include <QKeySequence>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>

namespace kz {

namespace {

// The unit captions beside the tone timing fields: rows 0..4 belong beside Tone1 Duration,
// Tone2 Duration, Tone1 Limit, Tone2 Limit and Noise Limit on the System page (the page puts them
// beside its fields), row 5 beside GAP MAX. on the Advance page.
std::unique_ptr<TimingUnitCaptions> placeTimingUnitCaptions(QWidget* system, QWidget* advance) {
    auto captions = std::make_unique<TimingUnitCaptions>(system);
    captions->holder(5)->setParent(advance);
    return captions;
}

// The tab widget a page was added to, if any (the page sits in its stack).
QTabWidget* tabWidgetOf(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            return tabs->indexOf(page) >= 0 ? tabs : nullptr;
    return nullptr;
}

} // namespace

ConfigurationEditor::ConfigurationEditor(TPagerImage& image, const EditorPages& pages,
                                         const SerialPrefixSource& serialPrefix)
    : QObject(pages.window), image_(image), pages_(pages), serialPrefix_(serialPrefix) {
    toneSystem_ = std::make_unique<ToneSystemSelector>(pages_.toneSystem);
    ToneFieldContext& toneFieldContext = *this;
    channelPages_ = std::make_unique<ChannelPagesEditor>(image_, toneFieldContext, pages_.focusSink,
                                                         pages_.channelF1, pages_.channelF2);
    FrequencyContext& frequencyContext = *this;
    frequency_ = std::make_unique<FrequencyEditor>(
        image_, state_, frequencyContext, pages_.focusSink, pages_.channelF1, pages_.channelF2);
    SettingPageContext& settingContext = *this;
    settingPage_ = std::make_unique<SettingPage>(image_, state_, pages_.focusSink, pages_.setting,
                                                 settingContext);
    timingUnits_ = placeTimingUnitCaptions(pages_.system, pages_.advance);
    SystemPageContext& systemContext = *this;
    systemPage_ = std::make_unique<SystemPage>(image_, pages_.focusSink, pages_.system,
                                               *timingUnits_, systemContext);
    AdvancePageContext& advanceContext = *this;
    advancePage_ =
        std::make_unique<AdvancePage>(image_, state_, pages_.focusSink, pages_.advance,
                                      pages_.setting, timingUnits_->holder(5), advanceContext);
    settingPage_->addGroup(advancePage_->squelchLevelGroup());

    for (ToneSystem system : {ToneSystem::Standard, ToneSystem::User, ToneSystem::Plectron})
        connect(toneSystem_->button(system), &QRadioButton::clicked, this,
                [this, system] { toneSystemClick(system); });

    // F2, F3 and F4 belong to the Pager menu; F9 opens the tone table for the marked tone field,
    // wherever the focus is in the window.
    f9_ = new QShortcut(QKeySequence(Qt::Key_F9), pages_.window);
    f9_->setObjectName(QStringLiteral("FormShortCutF9"));
    connect(f9_, &QShortcut::activated, this, &ConfigurationEditor::f9Pressed);

    form2_ = new TForm2(pages_.window);
    frmPlectronTbl_ = new TfrmPlectronTbl(pages_.window);
    TonePickTarget& pickTarget = *this;
    form2_->setTarget(&pickTarget);
    frmPlectronTbl_->setTarget(&pickTarget);

    registerLoadingSteps();
}

ConfigurationEditor::~ConfigurationEditor() = default;

void ConfigurationEditor::registerLoadingSteps() {
    using Pass = LoadingPass;
    loadingPass_.add(Pass::SynthesizerWords, [this] { frequency_->showWords(); });
    loadingPass_.add(Pass::ForcedStep, [this] { frequency_->applyForcedSteps(); });
    loadingPass_.add(Pass::Frequencies, [this] { frequency_->showFrequencies(); });
    loadingPass_.add(Pass::ChannelSteps, [this] { frequency_->showChannelSteps(); });
    loadingPass_.add(Pass::ToneSystem, [this] { toneSystem_->show(image_); });
    loadingPass_.add(Pass::ChannelF1Rows, [this] { channelPages_->showChannelRows(Channel::F1); });
    loadingPass_.add(Pass::ChannelF2Rows, [this] { channelPages_->showChannelRows(Channel::F2); });
    loadingPass_.add(Pass::SettingTab, [this] { settingPage_->showSettingTab(); });
    loadingPass_.add(Pass::OneChannel, [this] { settingPage_->showOneChannel(); });
    loadingPass_.add(Pass::ResetControlAgain, [this] { settingPage_->showResetControl(); });
    loadingPass_.add(Pass::ResetDelay, [this] { settingPage_->showDelay(); });
    loadingPass_.add(Pass::ReminderBand, [this] { settingPage_->showReminder(); });
    loadingPass_.add(Pass::RecordSectionsAndBandwidth,
                     [this] { settingPage_->showRecordSections(); });
    // Carrier OFF Delay sits on the Setting page, among the System numbers of the pass.
    loadingPass_.add(Pass::SystemNumbers, [this] { settingPage_->showCarrierOffDelay(); });
    loadingPass_.add(Pass::FunctionOptionsAndBattery,
                     [this] { settingPage_->showFunctionOptions(); });
    loadingPass_.add(Pass::DutySwitches, [this] { channelPages_->showDutySwitches(); });
    loadingPass_.add(Pass::PriorityScanPeriod, [this] { settingPage_->showPriorityScanPeriod(); });
    loadingPass_.add(Pass::SquelchControlRecord,
                     [this] { settingPage_->showSquelchControlRecord(); });
    // The System page.
    loadingPass_.add(Pass::ToneTiming, [this] { systemPage_->showToneTiming(); });
    loadingPass_.add(Pass::SystemNumbers, [this] { systemPage_->showSystemNumbers(); });
    loadingPass_.add(Pass::RemainingVoltages, [this] { systemPage_->showRemainingVoltages(); });
    loadingPass_.add(Pass::PlainNumbers, [this] { systemPage_->showPlainNumbers(); });
    loadingPass_.add(Pass::AuxDb, [this] { systemPage_->showAuxDb(); });
    registerAdvanceSteps();
}

// The Advance page's show steps and the channel pages' bandwidth lists, which store the same
// kind of receiver data.
void ConfigurationEditor::registerAdvanceSteps() {
    using Pass = LoadingPass;
    AdvancePage& advance = *advancePage_;
    loadingPass_.add(Pass::FixedAlertTime, [&advance] { advance.showFixedAlertTime(); });
    loadingPass_.add(Pass::DecoderBandwidth, [&advance] { advance.showDecoderBandwidth(); });
    loadingPass_.add(Pass::ToneTiming, [&advance] { advance.showGroupCallDuration(); });
    loadingPass_.add(Pass::RecordSectionsAndBandwidth,
                     [&advance] { advance.showDecoderBandwidthAgain(); });
    loadingPass_.add(Pass::SquelchTables, [&advance] { advance.showSquelchTables(); });
    loadingPass_.add(Pass::SquelchLevelSelection,
                     [&advance] { advance.showSquelchLevelSelection(); });
    loadingPass_.add(Pass::PlainNumbers, [&advance] { advance.showGapMax(); });
    loadingPass_.add(Pass::FunctionOptionsAndBattery, [&advance] {
        advance.showShutdownMode();
        advance.showBattery();
    });
    loadingPass_.add(Pass::ReceiverBandwidth, [this] { frequency_->showBandwidth(); });
}

void ConfigurationEditor::loadImage() {
    loadingPass_.run();
}

void ConfigurationEditor::currentPageChanged(const QWidget* page) {
    if (page == pages_.channelF1)
        state_.currentChannelPage = 1;
    else if (page == pages_.channelF2)
        state_.currentChannelPage = 2;
    else if (page == pages_.setting)
        state_.currentChannelPage = 3;
    else if (page == pages_.system)
        state_.currentChannelPage = 4;
}

void ConfigurationEditor::setShortcutsEnabled(bool enabled) {
    // The window itself stays enabled during a pager operation, and so would its shortcuts: F9
    // would open a tone table (and change the working image) in the middle of a transfer.
    f9_->setEnabled(enabled);
}

void ConfigurationEditor::f9Pressed() {
    channelPages_->tones().f9Pressed();
}

void ConfigurationEditor::toneSystemClick(ToneSystem system) {
    image_.setByte(PagerField::toneSystem, byteOfToneSystem(system));
    // Tone2 Duration follows the system (its low byte is kept per system) and is stored again
    // before any tone is checked under the new system.
    systemPage_->showTone2DurationOf(system);
    systemPage_->toneDurationExit(1);
    // Group Call Duration follows the system too (stored through its own exit check).
    advancePage_->setGroupCallDurationFor(system);
    channelPages_->tones().recheckAllTones();
}

void ConfigurationEditor::applyFixedAlertTime(bool enabled) {
    channelPages_->applyFixedAlertTime(enabled);
}

void ConfigurationEditor::applySquelchPresets(bool serialPrefix) {
    kz::applySquelchPresets(image_, state_.bandClass, serialPrefix);
    // The presets change the Speaker ON thresholds of the System page and the squelch level
    // tables of the Advance page.
    systemPage_->showSpeakerOn();
    advancePage_->showSquelchTables();
}

void ConfigurationEditor::frequencyAccepted() {
    applySquelchPresets(serialPrefix_.serialPrefixFlag());
}

void ConfigurationEditor::applyOneChannel(bool oneChannel) {
    // The Channel F2 tab (and with it the whole page) is off for a single-channel pager.
    if (auto* tabs = tabWidgetOf(pages_.channelF2))
        tabs->setTabEnabled(tabs->indexOf(pages_.channelF2), !oneChannel);
    else
        pages_.channelF2->setEnabled(!oneChannel);
    channelPages_->setChannelEnabled(Channel::F2, !oneChannel);
    frequency_->setChannelEnabled(Channel::F2, !oneChannel);
}

void ConfigurationEditor::openResetHelp() {
    if (pages_.resetHelp)
        pages_.resetHelp->exec();
}

void ConfigurationEditor::priorityScanCountChanged() {
    systemPage_->showPriorityScanF1();
}

void ConfigurationEditor::priorityScanValuesChanged() {
    settingPage_->showPriorityScanPeriod();
}

void ConfigurationEditor::showSquelchLevel(VoltageGroup group, int level) {
    advancePage_->selectSquelchLevel(group, level);
}

ToneSystem ConfigurationEditor::selectedToneSystem() const {
    return toneSystem_->selected();
}

int ConfigurationEditor::decoderBandwidthValue() {
    // What the Decoder Bandwidth list last set (its show step and its click).
    return state_.decoderBandwidthValue;
}

void ConfigurationEditor::decoderBandwidthChanged() {
    channelPages_->tones().recheckAllTones();
}

void ConfigurationEditor::squelchLevelChosen(SquelchGroup group, const QString& speakerOn,
                                             const QString& speakerOff) {
    systemPage_->showSpeakerPair(group, speakerOn, speakerOff);
}

void ConfigurationEditor::openToneTable(ToneSystem system) {
    switch (system) {
    case ToneSystem::Standard:
        form2_->openModal();
        break;
    case ToneSystem::Plectron:
        frmPlectronTbl_->openModal();
        break;
    case ToneSystem::User:
        break; // no table: under User a tone is typed
    }
}

std::optional<Channel> ConfigurationEditor::currentChannel() const {
    switch (state_.currentChannelPage) {
    case 1:
        return Channel::F1;
    case 2:
        return Channel::F2;
    default:
        return std::nullopt;
    }
}

void ConfigurationEditor::pickTone(const QString& tone) {
    channelPages_->tones().finishPick(currentChannel(), tone);
}

void ConfigurationEditor::leaveToneTable() {
    channelPages_->tones().finishPick(currentChannel(), std::nullopt);
}

void ConfigurationEditor::showTimingUnit(TimingUnit unit) {
    timingUnits_->show(unit);
}

bool ConfigurationEditor::oneChannelChecked() const {
    return settingPage_->oneChannelChecked();
}

void ConfigurationEditor::checkOneChannel() {
    settingPage_->checkOneChannel();
}

void ConfigurationEditor::setChannelSteps(int f1Hz, int f2Hz) {
    state_.f1StepHz = f1Hz;
    state_.f2StepHz = f2Hz;
}

void ConfigurationEditor::resetModeMemory(bool oneChannel) {
    const auto& positions = functionSwitchDefaults(oneChannel).modePositions;
    if (oneChannel)
        state_.oneChannelModes = positions;
    else
        state_.twoChannelModes = positions;
}

} // namespace kz
