#pragma once

#include <QObject>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QVBoxLayout;
class QWidget;

namespace kz {

class TPagerImage;

struct EditorState;

// What the Setting page asks of the rest of the editor. The configuration editor answers; a
// test of the page alone gives its own answers.
class SettingPageContext {
public:
    // The channel-page side of One Channel: F2 disabled (true) or enabled again (false).
    virtual void applyOneChannel(bool oneChannel) = 0;
    // "Help" beside the reset control: the reset-function help window.
    virtual void openResetHelp() = 0;
    // The period list has stored a new priority-scan count.
    virtual void priorityScanCountChanged() = 0;

protected:
    ~SettingPageContext() = default;
};

// The Setting page: model and function options, reset control with its delay, reminder,
// carrier-off delay, record sections, the four function switches SW-A..SW-D with the Mode lists
// of a two-channel and of a single-channel pager, the four alert tonalities, the priority-scan
// period and the One Channel box. Every control writes its field of the working image at once.
class SettingPage final : public QObject {
public:
    // Builds the page's controls into `page` (into its layout when it has one). The mode memory
    // lives in `state`; `focusSink` takes the focus when an entry ends.
    SettingPage(TPagerImage& image, EditorState& state, QWidget* focusSink, QWidget* page,
                SettingPageContext& context);
    SettingPage(const SettingPage&) = delete;
    SettingPage& operator=(const SettingPage&) = delete;
    ~SettingPage() override;

    bool oneChannelChecked() const;
    // Checks One Channel and runs its click, as a user's click would.
    void checkOneChannel();
    // Puts a group that another page editor owns (the squelch-level lists) into the page's
    // left column.
    void addGroup(QWidget* group);

    // --- show steps, in the order the loading pass runs them ---------------------------------
    // Model options, the reset group (reset control fired, delay, reminder fired, record
    // sections) and the tonalities (which rewrite their timer bytes).
    void showSettingTab();
    // The one-channel decision: the function switches in the matching form, then One Channel
    // fired.
    void showOneChannel();
    void showResetControl(); // fires the reset list
    void showDelay();
    void showReminder(); // fires the reminder list
    void showRecordSections();
    void showCarrierOffDelay();
    void showFunctionOptions();
    void showPriorityScanPeriod();
    void showSquelchControlRecord();
    void showTonalities();

    // --- handlers (the user's clicks and entries; the show steps fire some of them) ----------
    void modelOptionClick(int bit);
    void functionOptionClick(int bit);
    void speedUpClick();
    void sqlRecClick();
    void recordMaxClick();
    void resetConClick();
    void reminderClick();
    void funModeClick(int sw);
    void c1FunModeClick(int sw);
    void funATypeClick(int sw);
    void funPTListenClick(int sw);
    void circleClick();
    void oneChannelClick();
    bool delayExit();
    bool squelchExit();
    bool tonalityExit(int t);

private:
    void build(QWidget* page);
    QWidget* buildOptions(QWidget* page);
    QWidget* buildResetGroup(QWidget* page);
    QWidget* buildSwitches(QWidget* page);
    QWidget* buildTonalities(QWidget* page);
    void connectHandlers();
    void connectFields();
    void focusSink();
    void showFunctionSwitches(bool oneChannel);
    void bringModeListsToFront(bool oneChannel);
    bool integerKey(QKeyEvent* event);
    bool delayKey(QKeyEvent* event);
    bool tonalityKey(int t, QKeyEvent* event);

    TPagerImage& image_;
    EditorState& state_;
    QWidget* focusSink_;
    SettingPageContext& context_;

    // Model options: bit Tag of modelOptions (bit 5 has no box).
    std::array<QCheckBox*, 8> modelOptions_{};
    QCheckBox* chkSysStoredVoice = nullptr;
    QCheckBox* chkSysFIXAlert = nullptr;
    QCheckBox* chkSysPowerSave = nullptr;
    QCheckBox* chkSysPrivacy = nullptr;
    QCheckBox* chkSysVolumeLevel = nullptr;
    QCheckBox* chkSysVibratorInCharger = nullptr;
    QCheckBox* chkSysBatLevelDisplay = nullptr;
    QCheckBox* chkFunAnnounce = nullptr;
    QCheckBox* chkFunVibrAlert = nullptr;
    QCheckBox* chkFunPriorityScanMonitor = nullptr;
    QCheckBox* chkSpeedUp = nullptr;
    QCheckBox* chkSQLRec = nullptr;
    QCheckBox* chkOneChannel = nullptr;
    QGroupBox* GroupBox5 = nullptr;

    QComboBox* cboRecordMax = nullptr;
    QComboBox* cboResetCon = nullptr;
    QLabel* lblHelp = nullptr;
    QLabel* lblDelayTime = nullptr;
    QLineEdit* edtDelay = nullptr;
    QLabel* lblDelaySec = nullptr;
    QComboBox* cboReminder = nullptr;
    QLineEdit* edtSquelch = nullptr;

    std::array<QComboBox*, 4> cboFunMode{};
    std::array<QComboBox*, 4> cboC1FunMode{};
    std::array<QComboBox*, 4> cboFunAType{};
    std::array<QCheckBox*, 4> chkFunPTListen{};

    QGroupBox* GroupBox16 = nullptr;
    std::array<QLineEdit*, 4> edtTonality{};
    QVBoxLayout* leftColumn_ = nullptr;
    QComboBox* cboCircle = nullptr;
};

} // namespace kz
