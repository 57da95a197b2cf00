// The Advance Setting page: its show steps and the checks of its controls.
#include "advance_page.h"

#include "advance_numbers.h"
#include "editor_state.h"
#include "field_events.h"
#include "message_service.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "setting_keys.h"
#include "setting_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>

namespace kz {

namespace {

const QString kFixedAlertQuestion = QStringLiteral(
    "Attention : Because it does not record messages during alert, part of the incoming message "
    "might be lost while TQ615 is alerting.");

// Bit of functionOptions that is 0 when "Enable Shutdown mode" is checked.
constexpr int kShutdownModeBit = 5;

int gaugeOffset(GaugeList list) {
    switch (list) {
    case GaugeList::High:
        return PagerField::batteryGaugeHigh;
    case GaugeList::Med:
        return PagerField::batteryGaugeMedium;
    case GaugeList::Low:
        return PagerField::batteryGaugeLow;
    }
    return PagerField::batteryGaugeLow;
}

int speakerOnOffset(SquelchGroup group) {
    return group == SquelchGroup::Wb ? PagerField::wbSpeakerOn : PagerField::nbSpeakerOn;
}

int speakerOffOffset(SquelchGroup group) {
    return group == SquelchGroup::Wb ? PagerField::wbSpeakerOff : PagerField::nbSpeakerOff;
}

// Selects the item of a battery list that shows the voltage of `code`; a code outside the table
// or a voltage the list does not offer leaves the list as it is.
bool selectBatteryItem(QComboBox* list, std::uint8_t code) {
    const auto volts = batteryVoltageOf(code);
    if (!volts)
        return false;
    const int index = list->findText(batteryText(*volts), Qt::MatchStartsWith);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

} // namespace

// --- show steps ---------------------------------------------------------------------------------

void AdvancePage::showFixedAlertTime() {
    chkEnableAlertTime->setChecked(image_.byte(PagerField::fixedAlertTimeMark) !=
                                   PagerValue::fixedAlertTimeDisabled);
}

void AdvancePage::showDecoderBandwidth() {
    showDecoderBandwidthAgain();
    // A position beyond the list shows no item; the spacing rule then keeps the last bandwidth
    // it knew rather than guessing one.
    if (const auto value = decoderBandwidthValueOfText(cboBandWidth->currentText()))
        state_.decoderBandwidthValue = *value;
}

void AdvancePage::showDecoderBandwidthAgain() {
    const int position = image_.byte(PagerField::decoderBandwidth);
    cboBandWidth->setCurrentIndex(position < cboBandWidth->count() ? position : -1);
}

void AdvancePage::showGroupCallDuration() {
    edtToneDur2->setText(QString::number(image_.word16(PagerField::groupCallDuration)));
}

void AdvancePage::showGapMax() {
    edtGapMax->setText(QString::number(image_.byte(PagerField::gapMax)));
}

void AdvancePage::showShutdownMode() {
    chkLowPowSleep->setChecked(image_.getBits(PagerField::functionOptions, kShutdownModeBit, 1) ==
                               0);
}

void AdvancePage::showBattery() {
    for (GaugeList list : {GaugeList::Low, GaugeList::Med, GaugeList::High})
        selectBatteryItem(gaugeList(list), image_.byte(gaugeOffset(list)));

    if (image_.byte(PagerField::shutdownBatteryLevel) == PagerValue::unset) {
        image_.setByte(PagerField::shutdownBatteryLevel, kShutdownLevelFallback);
        selectBatteryItem(cboMuteBat, kShutdownLevelFallback);
    } else {
        selectBatteryItem(cboMuteBat, image_.byte(PagerField::shutdownBatteryLevel));
        muteBatChange();
    }

    auto period = alertPeriodPositionOf(image_.byte(PagerField::batteryAlertPeriod));
    if (!period) {
        image_.setByte(PagerField::batteryAlertPeriod, kAlertPeriodFallback);
        period = alertPeriodPositionOf(kAlertPeriodFallback);
    }
    cboPeriodBat->setCurrentIndex(*period);
}

void AdvancePage::showSquelchTables() {
    for (SquelchGroup group : {SquelchGroup::Wb, SquelchGroup::Nb})
        for (int row = 0; row < kSquelchRows; ++row)
            squelchEdit(group, row)
                ->setText(squelchLevelText(image_.byte(squelchLevelOffset(group, row))));
}

void AdvancePage::showSquelchLevelSelection() {
    std::uint8_t select = image_.byte(PagerField::squelchLevelSelect);
    if (select == kSquelchSelectUnset) {
        select = kSquelchSelectDefault;
        image_.setByte(PagerField::squelchLevelSelect, select);
    }
    // A level above 5 shows no item, and the list's click then leaves everything as it is: the
    // image keeps its byte until the user chooses a level.
    for (SquelchGroup group : {SquelchGroup::Wb, SquelchGroup::Nb}) {
        const int level = selectedSquelchLevel(select, group);
        squelchList(group)->setCurrentIndex(level < kSquelchLevels ? level : -1);
    }
    squelchLevelClick(SquelchGroup::Wb);
    squelchLevelClick(SquelchGroup::Nb);
}

// --- decoder ------------------------------------------------------------------------------------

void AdvancePage::bandWidthClick() {
    const int position = cboBandWidth->currentIndex();
    const auto value = decoderBandwidthValueOfText(cboBandWidth->currentText());
    if (position < 0 || !value)
        return;
    image_.setByte(PagerField::decoderBandwidth, static_cast<std::uint8_t>(position));
    state_.decoderBandwidthValue = *value;
    context_.decoderBandwidthChanged();
}

bool AdvancePage::integerKey(QKeyEvent* event) {
    return integerFieldKey(event, focusSink_);
}

bool AdvancePage::gapMaxExit() {
    if (edtGapMax->text().trimmed().isEmpty()) {
        showGapMax();
        return true;
    }
    const auto value = byteOfTypedNumber(edtGapMax->text());
    if (!value) {
        warn(kByteRangeMessage);
        focusBackLater(edtGapMax);
        return false;
    }
    image_.setByte(PagerField::gapMax, *value);
    return true;
}

bool AdvancePage::groupCallDurationExit() {
    if (edtToneDur2->text().trimmed().isEmpty()) {
        showGroupCallDuration();
        return true;
    }
    // A number too long to read is out of range like any other.
    const auto value = wordOfTypedNumber(edtToneDur2->text());
    if (!value) {
        warn(kWordRangeMessage);
        focusBackLater(edtToneDur2);
        return false;
    }
    image_.setWord16(PagerField::groupCallDuration, *value);
    return true;
}

void AdvancePage::setGroupCallDurationFor(ToneSystem system) {
    const int duration =
        system == ToneSystem::Plectron ? kGroupCallDurationPlectron : kGroupCallDurationStandard;
    edtToneDur2->setText(QString::number(duration));
    groupCallDurationExit();
}

void AdvancePage::enableAlertTimeClick() {
    const bool enabled = chkEnableAlertTime->isChecked();
    if (enabled) {
        const MessageButton answer = messages().show(
            {kMessageTitle, kFixedAlertQuestion, MessageIcon::None, MessageButtons::OkCancel, {}});
        if (answer != MessageButton::Ok) {
            chkEnableAlertTime->setChecked(false);
            return;
        }
    }
    context_.applyFixedAlertTime(enabled);
}

// --- battery ------------------------------------------------------------------------------------

void AdvancePage::batteryLevelChange(GaugeList list) {
    const auto high = batteryHundredthsOf(cboBatHigh->currentText());
    const auto med = batteryHundredthsOf(cboBatMed->currentText());
    const auto low = batteryHundredthsOf(cboBatLow->currentText());
    const auto shown = batteryHundredthsOf(gaugeList(list)->currentText());
    if (!shown)
        return;
    if (!high || !med || !low || gaugeOrderRefused(list, *high, *med, *low)) {
        warn(kGaugeOrderMessage);
        showBattery();
        focusBackLater(gaugeList(list));
        return;
    }
    const auto code = batteryCodeOf(*shown);
    if (!code)
        return;
    image_.setByte(gaugeOffset(list), *code);
    // The low-battery alert comes at the gauge's Low level.
    if (list == GaugeList::Low)
        image_.setByte(PagerField::batteryLowAlert, *code);
}

void AdvancePage::periodBatClick() {
    if (cboPeriodBat->currentIndex() >= 0)
        image_.setByte(PagerField::batteryAlertPeriod,
                       alertPeriodByteOf(cboPeriodBat->currentIndex()));
}

void AdvancePage::muteBatChange() {
    if (const auto volts = batteryHundredthsOf(cboMuteBat->currentText()))
        if (const auto code = batteryCodeOf(*volts))
            image_.setByte(PagerField::shutdownBatteryLevel, *code);
}

void AdvancePage::lowPowSleepClick() {
    image_.setBits(PagerField::functionOptions, kShutdownModeBit,
                   chkLowPowSleep->isChecked() ? 0U : 1U, 1);
}

// --- squelch levels -----------------------------------------------------------------------------

bool AdvancePage::squelchKey(SquelchGroup group, int row, QKeyEvent* event) {
    if (isEnterKey(event)) {
        squelchLevelExit(group, row);
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    return !twoDecimalKeyPasses(squelchEdit(group, row)->text(), key);
}

bool AdvancePage::squelchLevelExit(SquelchGroup group, int row) {
    QLineEdit* field = squelchEdit(group, row);
    // The bound is the group's Speaker ON as the System page shows it.
    const QString speakerOn = voltageText(image_.byte(speakerOnOffset(group)));
    const int bound = static_cast<int>(std::lround(speakerOn.toDouble() * 100.0));
    const QString pairText = squelchEdit(group, row ^ 1)->text();
    const SquelchLevelEntry entry = checkSquelchLevel(row, field->text(), bound, pairText);
    const QString stored = squelchLevelText(image_.byte(squelchLevelOffset(group, row)));
    using Outcome = SquelchLevelEntry::Outcome;
    switch (entry.outcome) {
    case Outcome::Empty:
        field->setText(stored);
        return true;
    case Outcome::OutOfRange:
        warn(squelchRangeMessage(speakerOn));
        field->setText(stored);
        return false;
    case Outcome::Order:
        warn(kSquelchOrderMessage);
        field->setText(stored);
        return false;
    case Outcome::Accepted:
        field->setText(entry.shownText);
        image_.setByte(squelchLevelOffset(group, row), entry.byte);
        squelchLevelClick(group);
        return true;
    }
    return true;
}

void AdvancePage::squelchLevelClick(SquelchGroup group) {
    const int level = squelchList(group)->currentIndex();
    if (level < 0 || level >= kSquelchLevels)
        return;
    const int offset = squelchPairOffset(group, level);
    const std::uint8_t off = image_.byte(offset);
    const std::uint8_t on = image_.byte(offset + 1);
    const QString onText = squelchLevelText(on);
    const QString offText = squelchLevelText(off);
    image_.setByte(speakerOnOffset(group), voltageCodeOf(on));
    image_.setByte(speakerOffOffset(group), voltageCodeOf(off));
    image_.setByte(PagerField::squelchLevelSelect,
                   withSquelchLevel(image_.byte(PagerField::squelchLevelSelect), group, level));
    context_.squelchLevelChosen(group, onText, offText);
}

void AdvancePage::selectSquelchLevel(SquelchGroup group, int level) {
    (group == SquelchGroup::Wb ? cboWBSquelchlevel : cboNBSquelchlevel)->setCurrentIndex(level);
}

} // namespace kz
