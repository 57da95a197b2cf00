#include "call_rows_editor.h"

#include "alert_pattern.h"
#include "alert_time.h"
#include "entry_keys.h"
#include "field_events.h"
#include "message_service.h"
#include "pager_image.h"
#include "tone_fields_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace kz {

namespace {

using kz::CallFamily;
using kz::Channel;
using kz::ToneKind;

void setRowControlsEnabled(CallRow& r, bool on) {
    r.panel->setEnabled(on);
    for (QLineEdit* tone : r.tones)
        if (tone)
            tone->setEnabled(on);
    r.toneType->setEnabled(on);
    r.dutyPanel->setEnabled(on);
    r.priority->setEnabled(on);
}

void setAlertTimeEnabled(CallRow& r, bool on) {
    r.alertTimeList->setEnabled(on);
    r.alertTime->setEnabled(on);
    r.alertTimeUnit->setEnabled(on);
}

void setAlertTimeShown(CallRow& r, bool shown) {
    r.alertTime->setVisible(shown);
    r.alertTimeUnit->setVisible(shown);
}

} // namespace

CallRowsEditor::CallRowsEditor(CallToneControls& controls, TPagerImage& image,
                               ToneFieldsEditor& tones, QWidget* focusSink)
    : c_(controls), image_(image), tones_(tones), focusSink_(focusSink) {
    for (CallFamily family : kz::kCallFamilies)
        for (int n = 0; n < kz::rowCount(family); ++n)
            connectRow(family, n);
    for (int sw = 0; sw < kz::kSwitchCount; ++sw)
        QObject::connect(c_.duty[static_cast<std::size_t>(sw)], &QCheckBox::clicked, this,
                         [this, sw] { dutyClick(sw); });
    // Moving the mouse over the group or a row panel ends any tone entry in progress.
    FieldEvents::on(c_.group, this).onMouseMove = [this] { tones_.hover(c_.channel); };
}

void CallRowsEditor::connectRow(CallFamily family, int n) {
    CallRow& r = row(family, n);
    QObject::connect(r.enable, &QCheckBox::clicked, this,
                     [this, family, n] { enableClick(family, n); });
    QObject::connect(r.toneType, &QComboBox::activated, this,
                     [this, family, n] { toneTypeClick(family, n); });
    QObject::connect(r.alertTimeList, &QComboBox::activated, this,
                     [this, family, n] { alertTimeListClick(family, n); });
    QObject::connect(r.priority, &QCheckBox::clicked, this,
                     [this, family, n] { priorityClick(family, n); });
    for (int sw = 0; sw < kz::kSwitchCount; ++sw)
        QObject::connect(r.switches[static_cast<std::size_t>(sw)], &QCheckBox::clicked, this,
                         [this, family, n, sw] { switchClick(family, n, sw); });

    FieldEvents& pattern = FieldEvents::on(r.pattern, this);
    pattern.onEnter = [field = r.pattern] { field->clear(); };
    pattern.onExit = [this, family, n] { patternExit(family, n); };
    pattern.onKey = [this, field = r.pattern](QKeyEvent* e) { return patternKey(field, e); };

    FieldEvents& alertTime = FieldEvents::on(r.alertTime, this);
    alertTime.onEnter = [field = r.alertTime] { field->clear(); };
    alertTime.onExit = [this, family, n] { alertTimeExit(family, n); };
    alertTime.onKey = [this, family, n](QKeyEvent* e) { return alertTimeKey(family, n, e); };

    FieldEvents::on(r.panel, this).onMouseMove = [this] { tones_.hover(c_.channel); };
}

CallRow& CallRowsEditor::row(CallFamily family, int n) {
    return c_.rows(family)[static_cast<std::size_t>(n)];
}

void CallRowsEditor::focusSink() {
    focusSink_->setFocus(Qt::OtherFocusReason);
}

// --- rows and their enable boxes -------------------------------------------------------------

void CallRowsEditor::refreshRows(CallFamily family) {
    const bool fixedAlertTime =
        image_.byte(PagerField::fixedAlertTimeMark) == PagerValue::fixedAlertTimeEnabled;
    for (int n = 0; n < kz::rowCount(family); ++n) {
        CallRow& r = row(family, n);
        const kz::BitPlace enable = kz::enableBit(c_.channel, family, n);
        const bool on = image_.getBits(enable.offset, enable.bit, 1) == 1;
        setRowControlsEnabled(r, on);
        if (on) {
            r.pattern->setEnabled(r.toneType->currentIndex() >= kz::kToneTypeUserDefine);
            // A switch box is enabled here only under a checked duty box, never disabled.
            for (int sw = 0; sw < kz::kSwitchCount; ++sw)
                if (c_.duty[static_cast<std::size_t>(sw)]->isChecked())
                    r.switches[static_cast<std::size_t>(sw)]->setEnabled(true);
            setAlertTimeEnabled(r, fixedAlertTime);
        } else {
            r.pattern->setEnabled(false);
            for (QCheckBox* box : r.switches)
                box->setEnabled(false);
            setAlertTimeEnabled(r, false);
        }
        r.enable->setChecked(on);
    }
}

void CallRowsEditor::enableClick(CallFamily family, int n) {
    CallRow& r = row(family, n);
    const bool checked = r.enable->isChecked();
    const kz::BitPlace enable = kz::enableBit(c_.channel, family, n);
    image_.setBits(enable.offset, enable.bit, checked ? 1 : 0, 1);
    refreshRows(family);
    // A call that comes back must pass the tone checks against the calls enabled meanwhile.
    // The F2 group calls have always checked their tone on every click.
    const bool f2Group = family == CallFamily::Groups && c_.channel == Channel::F2;
    if (!checked && !f2Group)
        return;
    if (family == CallFamily::Calls) {
        tones_.exitCheck(c_.channel, ToneKind::Tone1, n);
        tones_.exitCheck(c_.channel, ToneKind::Tone2, n);
    } else {
        tones_.exitCheck(c_.channel, ToneKind::Group, n);
    }
}

// --- tone type and priority ------------------------------------------------------------------

void CallRowsEditor::toneTypeClick(CallFamily family, int n) {
    CallRow& r = row(family, n);
    const int item = r.toneType->currentIndex();
    if (item < 0)
        return;
    image_.setBits(kz::attributeOffset(c_.channel, family, n), kz::kToneTypeFirstBit,
                   static_cast<unsigned>(item), kz::kToneTypeWidth);
    r.pattern->setEnabled(item == kz::kToneTypeUserDefine);
}

void CallRowsEditor::showToneTypes(CallFamily family) {
    for (int n = 0; n < kz::rowCount(family); ++n) {
        const int type = image_.getBits(kz::attributeOffset(c_.channel, family, n),
                                        kz::kToneTypeFirstBit, kz::kToneTypeWidth);
        row(family, n).toneType->setCurrentIndex(type < 3 ? type : -1);
    }
}

void CallRowsEditor::priorityClick(CallFamily family, int n) {
    image_.setBits(kz::attributeOffset(c_.channel, family, n), kz::kPriorityBit,
                   row(family, n).priority->isChecked() ? 1 : 0, 1);
}

void CallRowsEditor::showPriorities(CallFamily family) {
    for (int n = 0; n < kz::rowCount(family); ++n)
        row(family, n).priority->setChecked(
            image_.getBits(kz::attributeOffset(c_.channel, family, n), kz::kPriorityBit, 1) == 1);
}

// --- alert pattern ---------------------------------------------------------------------------

bool CallRowsEditor::patternKey(QLineEdit* field, QKeyEvent* event) {
    if (isEnterKey(event)) {
        focusSink();
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    switch (kz::patternKey(field->text(), key)) {
    case kz::PatternKey::Pass:
        if (key == kz::kBackspaceKey)
            return false;
        // Patterns are shown and stored in upper case.
        field->insert(QString(key.toUpper()));
        return true;
    case kz::PatternKey::SwallowFull:
        // On F2 a full pattern also ends the entry.
        if (c_.channel == Channel::F2)
            focusSink();
        return true;
    case kz::PatternKey::SwallowRefuse:
        kz::messages().show({kz::kPatternKeyTitle,
                             kz::kPatternKeyMessage,
                             kz::MessageIcon::Error,
                             kz::MessageButtons::Ok,
                             {}});
        return true;
    }
    return true;
}

void CallRowsEditor::patternExit(CallFamily family, int n) {
    CallRow& r = row(family, n);
    const QString typed = r.pattern->text().trimmed();
    if (typed.isEmpty()) {
        showPatterns(family);
        return;
    }
    const kz::EncodedAlertPattern pattern = kz::encodeAlertPattern(typed);
    r.pattern->setText(pattern.text);
    const int offset = kz::patternOffset(c_.channel, family, n);
    for (int i = 0; i < 4; ++i)
        image_.setByte(offset + i, pattern.bytes[static_cast<std::size_t>(i)]);
}

void CallRowsEditor::showPatterns(CallFamily family) {
    for (int n = 0; n < kz::rowCount(family); ++n) {
        const auto bytes = image_.block(kz::patternOffset(c_.channel, family, n), 4);
        row(family, n).pattern->setText(
            kz::decodeAlertPattern(std::span<const std::uint8_t, 4>(bytes.data(), 4)));
    }
}

// --- alert time ------------------------------------------------------------------------------

void CallRowsEditor::alertTimeListClick(CallFamily family, int n) {
    CallRow& r = row(family, n);
    const bool fixed = r.alertTimeList->currentIndex() == 1;
    setAlertTimeShown(r, fixed);
    r.alertTime->setText(fixed ? kz::alertTimeText(kz::kDefaultFixedAlertTime)
                               : QStringLiteral("0"));
    image_.setByte(kz::alertTimeOffset(c_.channel, family, n),
                   fixed ? kz::kDefaultFixedAlertTime : 0);
}

bool CallRowsEditor::alertTimeKey(CallFamily family, int n, QKeyEvent* event) {
    if (isEnterKey(event)) {
        // A refused time keeps the focus in the field; leaving for the focus sink would only
        // check (and refuse) the same text a second time.
        if (alertTimeExit(family, n))
            focusSink();
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    return !kz::decimalKeyPasses(row(family, n).alertTime->text(), key);
}

bool CallRowsEditor::alertTimeExit(CallFamily family, int n) {
    CallRow& r = row(family, n);
    const bool fixed = r.alertTimeList->currentIndex() == 1;
    const kz::AlertTimeEntry entry = kz::checkAlertTime(r.alertTime->text(), fixed);
    using Outcome = kz::AlertTimeEntry::Outcome;
    switch (entry.outcome) {
    case Outcome::Empty:
        showAlertTimes(family);
        return true;
    case Outcome::OutOfRange: {
        kz::warn(kz::kAlertTimeRangeMessage);
        focusBackLater(r.alertTime);
        return false;
    }
    case Outcome::BadInterval:
        r.alertTime->setText(entry.shownText);
        kz::warn(kz::kAlertTimeIntervalMessage);
        showAlertTimes(family);
        return true;
    case Outcome::Accepted:
        r.alertTime->setText(entry.shownText);
        image_.setByte(kz::alertTimeOffset(c_.channel, family, n), entry.byte);
        return true;
    }
    return true;
}

void CallRowsEditor::showAlertTimes(CallFamily family) {
    for (int n = 0; n < kz::rowCount(family); ++n) {
        CallRow& r = row(family, n);
        const std::uint8_t time = image_.byte(kz::alertTimeOffset(c_.channel, family, n));
        if (time != 0) {
            r.alertTimeList->setCurrentIndex(1);
            r.alertTime->setText(kz::alertTimeText(time));
            setAlertTimeShown(r, true);
        } else {
            // The field keeps its text; it is hidden under STD.
            setAlertTimeShown(r, false);
            r.alertTimeList->setCurrentIndex(0);
        }
    }
}

// --- function-switch duties ------------------------------------------------------------------

void CallRowsEditor::switchClick(CallFamily family, int n, int sw) {
    const kz::BitPlace bit = kz::switchBit(c_.channel, family, n, sw);
    image_.setBits(bit.offset, bit.bit,
                   row(family, n).switches[static_cast<std::size_t>(sw)]->isChecked() ? 1 : 0, 1);
}

void CallRowsEditor::showSwitches() {
    for (CallFamily family : kz::kCallFamilies)
        for (int n = 0; n < kz::rowCount(family); ++n)
            for (int sw = 0; sw < kz::kSwitchCount; ++sw) {
                const kz::BitPlace bit = kz::switchBit(c_.channel, family, n, sw);
                row(family, n).switches[static_cast<std::size_t>(sw)]->setChecked(
                    image_.getBits(bit.offset, bit.bit, 1) == 1);
            }
}

void CallRowsEditor::dutyClick(int sw) {
    const bool on = c_.duty[static_cast<std::size_t>(sw)]->isChecked();
    const kz::BitPlace bit = kz::dutyDisableBit(c_.channel, sw);
    image_.setBits(bit.offset, bit.bit, on ? 0 : 1, 1);
    // The rows keep their switch bits while the duty is off.
    for (CallFamily family : kz::kCallFamilies)
        for (int n = 0; n < kz::rowCount(family); ++n) {
            CallRow& r = row(family, n);
            r.switches[static_cast<std::size_t>(sw)]->setEnabled(on && r.enable->isChecked());
        }
}

void CallRowsEditor::showDutyBoxes() {
    for (int sw = 0; sw < kz::kSwitchCount; ++sw) {
        const kz::BitPlace bit = kz::dutyDisableBit(c_.channel, sw);
        c_.duty[static_cast<std::size_t>(sw)]->setChecked(image_.getBits(bit.offset, bit.bit, 1) ==
                                                          0);
        dutyClick(sw);
    }
}

} // namespace kz
