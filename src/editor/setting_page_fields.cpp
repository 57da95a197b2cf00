// The edit fields of the Setting page: Delay Time, Carrier OFF Delay and the alert tonalities,
// with their key filters.
#include "setting_page.h"

#include "alert_tonality.h"
#include "control_naming.h"
#include "field_events.h"
#include "message_service.h"
#include "pager_image.h"
#include "program_identity.h"
#include "setting_keys.h"
#include "setting_rules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace kz {

QWidget* SettingPage::buildTonalities(QWidget* page) {
    GroupBox16 =
        named(new QGroupBox(QStringLiteral("Alert Tonality"), page), QStringLiteral("GroupBox16"));
    auto* grid = new QGridLayout(GroupBox16);
    for (int t = 0; t < kTonalityCount; ++t) {
        const auto i = static_cast<std::size_t>(t);
        edtTonality[i] =
            named(new QLineEdit(GroupBox16), QStringLiteral("edtTonality%1").arg(t), t);
        grid->addWidget(new QLabel(QStringLiteral("Tonality %1").arg(QChar(u'A' + t)), GroupBox16),
                        t, 0);
        grid->addWidget(edtTonality[i], t, 1);
        grid->addWidget(new QLabel(QStringLiteral("KHz"), GroupBox16), t, 2);
    }
    return GroupBox16;
}

void SettingPage::connectFields() {
    // Every number field is emptied on entry; an exit with nothing typed shows the stored value.
    FieldEvents& delay = FieldEvents::on(edtDelay, this);
    delay.onEnter = [field = edtDelay] { field->clear(); };
    delay.onExit = [this] { delayExit(); };
    delay.onKey = [this](QKeyEvent* e) { return delayKey(e); };

    FieldEvents& squelch = FieldEvents::on(edtSquelch, this);
    squelch.onEnter = [field = edtSquelch] { field->clear(); };
    squelch.onExit = [this] { squelchExit(); };
    squelch.onKey = [this](QKeyEvent* e) { return integerKey(e); };

    for (int t = 0; t < kTonalityCount; ++t) {
        QLineEdit* field = edtTonality[static_cast<std::size_t>(t)];
        FieldEvents& tonality = FieldEvents::on(field, this);
        tonality.onEnter = [field] { field->clear(); };
        tonality.onExit = [this, t] { tonalityExit(t); };
        tonality.onKey = [this, t](QKeyEvent* e) { return tonalityKey(t, e); };
    }
}

// --- key filters --------------------------------------------------------------------------------

bool SettingPage::integerKey(QKeyEvent* event) {
    return integerFieldKey(event, focusSink_);
}

bool SettingPage::delayKey(QKeyEvent* event) {
    if (isEnterKey(event)) {
        // A refused delay keeps the focus in the field; leaving would only refuse it again.
        if (delayExit())
            focusSink();
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    return !oneDecimalKeyPasses(edtDelay->text(), key);
}

bool SettingPage::tonalityKey(int t, QKeyEvent* event) {
    if (isEnterKey(event)) {
        focusSink();
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    return !threeDecimalKeyPasses(edtTonality[static_cast<std::size_t>(t)]->text(), key);
}

// --- Delay Time ---------------------------------------------------------------------------------

bool SettingPage::delayExit() {
    const DelayEntry entry = checkDelay(edtDelay->text());
    using Outcome = DelayEntry::Outcome;
    switch (entry.outcome) {
    case Outcome::Empty:
        showDelay();
        return true;
    case Outcome::OutOfRange:
        warn(kDelayRangeMessage);
        focusBackLater(edtDelay);
        return false;
    case Outcome::BadInterval:
        warn(kDelayIntervalMessage);
        showDelay();
        return true;
    case Outcome::Accepted:
        edtDelay->setText(entry.shownText);
        image_.setByte(PagerField::resetDelay, entry.byte);
        return true;
    }
    return true;
}

// --- Carrier OFF Delay --------------------------------------------------------------------------

void SettingPage::showCarrierOffDelay() {
    edtSquelch->setText(QString::number(image_.byte(PagerField::carrierOffDelay)));
}

bool SettingPage::squelchExit() {
    if (edtSquelch->text().trimmed().isEmpty()) {
        showCarrierOffDelay();
        return true;
    }
    const auto value = byteOfTypedNumber(edtSquelch->text());
    if (!value) {
        warn(kByteRangeMessage);
        focusBackLater(edtSquelch);
        return false;
    }
    image_.setByte(PagerField::carrierOffDelay, *value);
    return true;
}

// --- alert tonalities ---------------------------------------------------------------------------

void SettingPage::showTonalities() {
    for (int t = 0; t < kTonalityCount; ++t) {
        const int hz = image_.word16(tonalityOffset(t));
        edtTonality[static_cast<std::size_t>(t)]->setText(tonalityText(hz));
        // A frequency the pager cannot make keeps the timer it has: there is no prescaler for
        // it, and 0 Hz has no reload at all.
        if (const auto timer = tonalityTimerOf(hz)) {
            image_.setByte(tonalityTimerOffset(t), timer->code);
            image_.setByte(tonalityTimerOffset(t) + 1, timer->reload);
        }
    }
}

bool SettingPage::tonalityExit(int t) {
    QLineEdit* field = edtTonality[static_cast<std::size_t>(t)];
    const TonalityEntry entry = checkTonality(field->text());
    using Outcome = TonalityEntry::Outcome;
    switch (entry.outcome) {
    case Outcome::Empty:
        showTonalities();
        return true;
    case Outcome::OutOfRange:
        field->setText(entry.shownText);
        messages().show({QString::fromStdString(programTitle()),
                         kTonalityRangeMessage,
                         MessageIcon::None,
                         MessageButtons::Ok,
                         {}});
        focusBackLater(field);
        return false;
    case Outcome::Accepted:
        field->setText(entry.shownText);
        image_.setWord16(tonalityOffset(t), static_cast<std::uint16_t>(entry.hz));
        showTonalities();
        return true;
    }
    return true;
}

} // namespace kz
