// The exit checks and key filters of the System page's fields.
#include "system_page.h"

#include "field_events.h"
#include "message_service.h"
#include "pager_fields.h"
#include "pager_image.h"
#include "setting_keys.h"
#include "setting_rules.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kz {

namespace {

bool isEmpty(const QLineEdit* field) {
    return field->text().trimmed().isEmpty();
}

} // namespace

void SystemPage::connectFields() {
    auto whole = [this](QLineEdit* field, std::function<void()> exit) {
        FieldEvents& events = FieldEvents::on(field, this);
        events.onEnter = [field] { field->clear(); };
        events.onExit = std::move(exit);
        events.onKey = [this](QKeyEvent* e) { return integerKey(e); };
    };
    whole(edtDecorderReset, [this] { decoderResetExit(); });
    whole(edtRFDelay, [this] { rfDelayExit(); });
    whole(edtPriorityScanF1, [this] { priorityScanF1Exit(); });
    whole(edtNoiseLimit, [this] { noiseLimitExit(); });
    for (int r = 0; r < 2; ++r) {
        const auto i = static_cast<std::size_t>(r);
        whole(edtBS_Period[i], [this, r] { batterySaveExit(r); });
        whole(edtToneDur[i], [this, r] { toneDurationExit(r); });
        whole(edtToneLimit[i], [this, r] { toneLimitExit(r); });
    }
    for (VoltageGroup group : {VoltageGroup::Wb, VoltageGroup::Nb})
        for (VoltageRole role :
             {VoltageRole::SpeakerOn, VoltageRole::SpeakerOff, VoltageRole::Rssi}) {
            QLineEdit* field = voltageField(group, role);
            FieldEvents& events = FieldEvents::on(field, this);
            events.onEnter = [field] { field->clear(); };
            events.onExit = [this, group, role] { voltageExit(group, role); };
            events.onKey = [this, group, role](QKeyEvent* e) { return voltageKey(group, role, e); };
        }
}

void SystemPage::focusSink() {
    focusSink_->setFocus(Qt::OtherFocusReason);
}

// --- key filters --------------------------------------------------------------------------------

bool SystemPage::integerKey(QKeyEvent* event) {
    return integerFieldKey(event, focusSink_);
}

bool SystemPage::voltageKey(VoltageGroup group, VoltageRole role, QKeyEvent* event) {
    if (isEnterKey(event)) {
        // The check runs at once; the focus stays in the field.
        voltageExit(group, role);
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    return !twoDecimalKeyPasses(voltageField(group, role)->text(), key);
}

// --- whole-number fields ------------------------------------------------------------------------

std::optional<int> SystemPage::typedNumber(QLineEdit* field, int low, int high,
                                           const QString& message) {
    // A number too long to convert, like a pasted word, is outside every range: the field's own
    // range message refuses it.
    const auto value = wholeNumberIn(field->text(), low, high);
    if (!value) {
        warn(message);
        focusBackLater(field);
    }
    return value;
}

bool SystemPage::decoderResetExit() {
    const DecoderResetEntry entry = checkDecoderReset(edtDecorderReset->text());
    using Outcome = DecoderResetEntry::Outcome;
    switch (entry.outcome) {
    case Outcome::Empty:
        break;
    case Outcome::OutOfRange:
        warn(kDecoderResetRangeMessage);
        focusBackLater(edtDecorderReset);
        return false;
    case Outcome::BadInterval:
        warn(kHalfSecondMessage);
        break;
    case Outcome::Accepted:
        image_.setByte(PagerField::decoderReset, entry.byte);
        break;
    }
    edtDecorderReset->setText(decoderResetText(image_.byte(PagerField::decoderReset)));
    return entry.outcome != Outcome::BadInterval;
}

bool SystemPage::rfDelayExit() {
    if (!isEmpty(edtRFDelay)) {
        const auto value = typedNumber(edtRFDelay, 0, 255, kByteRangeMessage);
        if (!value)
            return false;
        image_.setByte(PagerField::rfDelay, static_cast<std::uint8_t>(*value));
    }
    edtRFDelay->setText(QString::number(image_.byte(PagerField::rfDelay)));
    return true;
}

bool SystemPage::noiseLimitExit() {
    if (!isEmpty(edtNoiseLimit)) {
        const auto value = typedNumber(edtNoiseLimit, 0, 255, kByteRangeMessage);
        if (!value)
            return false;
        image_.setByte(PagerField::noiseLimit, static_cast<std::uint8_t>(*value));
    }
    edtNoiseLimit->setText(QString::number(image_.byte(PagerField::noiseLimit)));
    return true;
}

bool SystemPage::priorityScanF1Exit() {
    if (isEmpty(edtPriorityScanF1)) {
        showPriorityScanF1();
        return true;
    }
    const auto count = typedNumber(edtPriorityScanF1, 1, 255, kPriorityScanRangeMessage);
    if (!count)
        return false;
    // The other field's shown number; it is never in entry while this one is left.
    if (!priorityScanFits(*count, edtBS_Period[1]->text().toInt())) {
        warn(kPriorityScanRuleMessage);
        focusBackLater(edtPriorityScanF1);
        return false;
    }
    image_.setByte(PagerField::priorityScanF1, static_cast<std::uint8_t>(*count));
    showPriorityScanF1();
    context_.priorityScanValuesChanged();
    return true;
}

bool SystemPage::batterySaveExit(int row) {
    QLineEdit* field = edtBS_Period[static_cast<std::size_t>(row)];
    const int offset = row == 0 ? PagerField::batterySave1 : PagerField::batterySave2;
    if (isEmpty(field)) {
        field->setText(QString::number(image_.byte(offset)));
        return true;
    }
    const auto value = typedNumber(field, 0, 255, kByteRangeMessage);
    if (!value)
        return false;
    if (row == 1 && !priorityScanFits(edtPriorityScanF1->text().toInt(), *value)) {
        warn(kPriorityScanRuleMessage);
        focusBackLater(field);
        return false;
    }
    image_.setByte(offset, static_cast<std::uint8_t>(*value));
    field->setText(QString::number(*value));
    context_.priorityScanValuesChanged();
    return true;
}

bool SystemPage::toneDurationExit(int row) {
    QLineEdit* field = edtToneDur[static_cast<std::size_t>(row)];
    if (isEmpty(field)) {
        showToneTiming();
        return true;
    }
    const auto value = typedNumber(field, 0, 0xFFFF, kToneTimingRangeMessage);
    if (!value)
        return false;
    image_.setWord16(toneDurationOffset(row), static_cast<std::uint16_t>(*value));
    if (row == 1)
        image_.setByte(tone2DurationCopyOffset(context_.selectedToneSystem()),
                       static_cast<std::uint8_t>(*value & 0xFF));
    field->setText(QString::number(*value));
    return true;
}

bool SystemPage::toneLimitExit(int row) {
    QLineEdit* field = edtToneLimit[static_cast<std::size_t>(row)];
    if (isEmpty(field)) {
        showToneTiming();
        return true;
    }
    const auto value = typedNumber(field, 0, 0xFFFF, kToneTimingRangeMessage);
    if (!value)
        return false;
    image_.setWord16(toneLimitOffset(row), static_cast<std::uint16_t>(*value));
    field->setText(QString::number(*value));
    return true;
}

// --- voltage fields -----------------------------------------------------------------------------

QLineEdit* SystemPage::voltageField(VoltageGroup group, VoltageRole role) const {
    const bool wb = group == VoltageGroup::Wb;
    switch (role) {
    case VoltageRole::SpeakerOn:
        return wb ? edtRSSI : edtNB_RSSI;
    case VoltageRole::SpeakerOff:
        return wb ? edtRSSI2 : edtNB_RSSI2;
    case VoltageRole::Rssi:
        return wb ? edtSSI : edtNB_SSI;
    }
    return nullptr;
}

int SystemPage::voltageOffset(VoltageGroup group, VoltageRole role) const {
    const bool wb = group == VoltageGroup::Wb;
    switch (role) {
    case VoltageRole::SpeakerOn:
        return wb ? PagerField::wbSpeakerOn : PagerField::nbSpeakerOn;
    case VoltageRole::SpeakerOff:
        return wb ? PagerField::wbSpeakerOff : PagerField::nbSpeakerOff;
    case VoltageRole::Rssi:
        return wb ? PagerField::wbRssi : PagerField::nbRssi;
    }
    return PagerField::wbRssi;
}

VoltageGroupShown SystemPage::shownVoltages(VoltageGroup group) const {
    // A field that shows no number counts as 0 V.
    auto shown = [&](VoltageRole role) {
        return hundredthsOf(voltageField(group, role)->text()).value_or(0);
    };
    return {shown(VoltageRole::SpeakerOn), shown(VoltageRole::SpeakerOff),
            shown(VoltageRole::Rssi)};
}

bool SystemPage::voltageExit(VoltageGroup group, VoltageRole role) {
    QLineEdit* field = voltageField(group, role);
    const int offset = voltageOffset(group, role);
    const VoltageGroupShown shown = shownVoltages(group);
    const VoltageEntry entry = checkVoltage(group, role, field->text(), shown);
    using Outcome = VoltageEntry::Outcome;
    switch (entry.outcome) {
    case Outcome::Empty:
        field->setText(voltageText(image_.byte(offset)));
        if (role != VoltageRole::Rssi)
            focusSink();
        return true;
    case Outcome::Refused:
        field->setText(entry.shownText);
        warn(entry.message);
        focusBackLater(field);
        return false;
    case Outcome::Accepted:
        field->setText(entry.shownText);
        image_.setByte(offset, entry.code);
        break;
    }
    if (role == VoltageRole::SpeakerOn) {
        const int level = squelchLevelOfSpeakerOn(shown.rssi);
        if (level >= 0)
            context_.showSquelchLevel(group, level);
    }
    return true;
}

void SystemPage::showSpeakerPair(VoltageGroup group, const QString& speakerOn,
                                 const QString& speakerOff) {
    voltageField(group, VoltageRole::SpeakerOn)->setText(speakerOn);
    voltageField(group, VoltageRole::SpeakerOff)->setText(speakerOff);
}

} // namespace kz
