#pragma once

#include "battery_levels.h"
#include "squelch_levels.h"
#include "tone_system.h"

#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kz {

class TPagerImage;
struct EditorState;

// What the Advance page asks of the rest of the editor. The configuration editor answers; a
// test of the page alone gives its own answers.
class AdvancePageContext {
public:
    // The decoder bandwidth changed: every tone field is checked again against it.
    virtual void decoderBandwidthChanged() = 0;
    // Enable Fixed Alert Time settled on `enabled`: the calls follow (their alert-time bytes are
    // cleared when it goes off) and their rows are enabled again.
    virtual void applyFixedAlertTime(bool enabled) = 0;
    // A squelch level was chosen: the group's Speaker ON and Speaker OFF fields (System page)
    // show the level's pair, as texts "%1.2f" of its hundredths; their codes are already stored.
    virtual void squelchLevelChosen(SquelchGroup group, const QString& speakerOn,
                                    const QString& speakerOff) = 0;

protected:
    ~AdvancePageContext() = default;
};

// The Advance Setting page: the decoder parameters and hardware thresholds that can stop a pager
// from receiving (decoder bandwidth, GAP MAX., Group Call Duration, the fixed alert time, the
// battery levels and the WB and NB squelch level tables), and the two squelch-level lists of the
// Setting page that choose a level from those tables. Every control writes its field of the
// working image at once.
class AdvancePage final : public QObject {
public:
    // Builds the page into `page` (into its layout when it has one), and the group of the two
    // squelch-level lists as a child of `settingPage`, for the Setting page to place.
    // `gapUnitCaption` is the timing-unit caption that goes beside GAP MAX.; the decoder bandwidth
    // value lives in `state`.
    AdvancePage(TPagerImage& image, EditorState& state, QWidget* focusSink, QWidget* page,
                QWidget* settingPage, QWidget* gapUnitCaption, AdvancePageContext& context);
    AdvancePage(const AdvancePage&) = delete;
    AdvancePage& operator=(const AdvancePage&) = delete;
    ~AdvancePage() override;

    QWidget* squelchLevelGroup() const { return squelchLevelGroup_; }

    // --- show steps, in the order the loading pass runs them -------------------------------
    void showFixedAlertTime();        // the box only, its click does not run
    void showDecoderBandwidth();      // the list and the decoder bandwidth value
    void showDecoderBandwidthAgain(); // the list only
    void showGroupCallDuration();
    void showSquelchTables();
    void showSquelchLevelSelection(); // fires both lists
    // Shows level `level` (0..4) in the group's squelch-level list without running its click.
    void selectSquelchLevel(SquelchGroup group, int level);
    void showGapMax();
    void showShutdownMode();
    // The three gauge lists, the shutdown level and the alert period.
    void showBattery();

    // --- handlers (the user's clicks and entries; the show steps fire some of them) ----------
    void bandWidthClick();
    bool gapMaxExit();
    bool groupCallDurationExit();
    // The tone system brings its Group Call Duration, stored through the field's exit check.
    void setGroupCallDurationFor(ToneSystem system);
    void enableAlertTimeClick();
    void batteryLevelChange(GaugeList list);
    void periodBatClick();
    void muteBatChange();
    void lowPowSleepClick();
    bool squelchLevelExit(SquelchGroup group, int row);
    void squelchLevelClick(SquelchGroup group);

private:
    void build(QWidget* page, QWidget* gapUnitCaption);
    QWidget* buildDecoder(QWidget* page, QWidget* gapUnitCaption);
    QWidget* buildBattery(QWidget* page);
    QWidget* buildSquelchGroup(QWidget* page, SquelchGroup group);
    void buildSquelchLists(QWidget* settingPage);
    void connectHandlers();
    void connectFields();
    void focusSink();
    bool integerKey(QKeyEvent* event);
    bool squelchKey(SquelchGroup group, int row, QKeyEvent* event);
    QComboBox* gaugeList(GaugeList list) const;
    QLineEdit* squelchEdit(SquelchGroup group, int row) const;
    QComboBox* squelchList(SquelchGroup group) const;

    TPagerImage& image_;
    EditorState& state_;
    QWidget* focusSink_;
    AdvancePageContext& context_;

    QPlainTextEdit* Memo1 = nullptr;
    QComboBox* cboBandWidth = nullptr;
    QLabel* lblGapMax = nullptr;
    QLineEdit* edtGapMax = nullptr;
    QLineEdit* edtToneDur2 = nullptr;
    QCheckBox* chkEnableAlertTime = nullptr;
    QComboBox* cboBatHigh = nullptr;
    QComboBox* cboBatMed = nullptr;
    QComboBox* cboBatLow = nullptr;
    QComboBox* cboPeriodBat = nullptr;
    QLabel* lblMuteBat = nullptr;
    QComboBox* cboMuteBat = nullptr;
    QCheckBox* chkLowPowSleep = nullptr;
    std::array<QLineEdit*, kSquelchRows> edtSquLevel{};
    std::array<QLineEdit*, kSquelchRows> edtNBSquLevel{};
    // On the Setting page.
    QWidget* squelchLevelGroup_ = nullptr;
    QComboBox* cboWBSquelchlevel = nullptr;
    QComboBox* cboNBSquelchlevel = nullptr;
};

} // namespace kz
