#include "tone_fields_editor.h"

#include "entry_keys.h"
#include "field_events.h"
#include "message_service.h"
#include "pager_image.h"
#include "tone_code.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <cassert>

namespace kz {

namespace {

using kz::Channel;
using kz::ToneKind;
using kz::ToneSystem;

std::size_t at(Channel channel) {
    return static_cast<std::size_t>(channel);
}

ToneKind partnerOf(ToneKind kind) {
    return kind == ToneKind::Tone1 ? ToneKind::Tone2 : ToneKind::Tone1;
}

} // namespace

ToneFieldsEditor::ToneFieldsEditor(TPagerImage& image, kz::ToneFieldContext& context,
                                   QWidget* focusSink, CallToneControls& f1, CallToneControls& f2)
    : image_(image), context_(context), focusSink_(focusSink), controls_{&f1, &f2} {
    assert(focusSink_);
    for (Channel channel : kz::kChannels) {
        for (int row = 0; row < kz::kCallRows; ++row) {
            connectField(channel, ToneKind::Tone1, row);
            connectField(channel, ToneKind::Tone2, row);
        }
        for (int row = 0; row < kz::kGroupRows; ++row)
            connectField(channel, ToneKind::Group, row);
    }
}

void ToneFieldsEditor::connectField(Channel channel, ToneKind kind, int row) {
    QLineEdit* field = controls(channel).toneField(kind, row);
    FieldEvents& events = FieldEvents::on(field, this);
    events.onEnter = [this, channel, kind, row] { enter(channel, kind, row); };
    events.onExit = [this, channel, kind, row] { exitCheck(channel, kind, row); };
    events.onKey = [this, channel, kind, row](QKeyEvent* e) {
        return keyPress(channel, kind, row, e);
    };
    events.onDoubleClick = [this, kind, row] { doubleClick(kind, row); };
}

CallToneControls& ToneFieldsEditor::controls(Channel channel) {
    return *controls_[at(channel)];
}

kz::ToneCache& ToneFieldsEditor::cache(Channel channel) {
    return caches_[at(channel)];
}

const kz::ToneCache& ToneFieldsEditor::toneCache(Channel channel) const {
    return caches_[at(channel)];
}

kz::ToneCacheEnables ToneFieldsEditor::enables(Channel channel) {
    kz::ToneCacheEnables result{};
    CallToneControls& c = controls(channel);
    for (int n = 0; n < kz::kToneCacheSize; ++n) {
        const int row = kz::rowOfToneCacheEntry(n);
        const CallRow& r = n < 16 ? c.calls[static_cast<std::size_t>(row)]
                                  : c.groups[static_cast<std::size_t>(row)];
        result[static_cast<std::size_t>(n)] = r.enable->isChecked();
    }
    return result;
}

void ToneFieldsEditor::refreshCallTones(Channel channel) {
    for (int row = 0; row < kz::kCallRows; ++row)
        for (ToneKind kind : {ToneKind::Tone1, ToneKind::Tone2}) {
            const int value = image_.word16(kz::toneOffset(channel, kind, row));
            controls(channel).toneField(kind, row)->setText(kz::toneText(value));
            cache(channel)[static_cast<std::size_t>(kz::toneCacheIndex(kind, row))] =
                static_cast<std::uint16_t>(value);
        }
}

void ToneFieldsEditor::refreshGroupTones(Channel channel) {
    for (int row = 0; row < kz::kGroupRows; ++row) {
        const int value = image_.word16(kz::toneOffset(channel, ToneKind::Group, row));
        controls(channel).toneField(ToneKind::Group, row)->setText(kz::toneText(value));
        cache(channel)[static_cast<std::size_t>(kz::toneCacheIndex(ToneKind::Group, row))] =
            static_cast<std::uint16_t>(value);
    }
}

void ToneFieldsEditor::refresh(Channel channel, ToneKind kind) {
    if (kind == ToneKind::Group)
        refreshGroupTones(channel);
    else
        refreshCallTones(channel);
}

void ToneFieldsEditor::showToneTableLabel(Channel channel) {
    controls(channel).toneTableLabel->setVisible(context_.selectedToneSystem() != ToneSystem::User);
}

void ToneFieldsEditor::enter(Channel channel, ToneKind kind, int row) {
    showToneTableLabel(channel);
    controls(channel).toneField(kind, row)->clear();
    markers_.mark(kind, row);
}

bool ToneFieldsEditor::keyPress(Channel channel, ToneKind kind, int row, QKeyEvent* event) {
    if (isEnterKey(event)) {
        focusSink_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull())
        return false;
    // A swallowed key shows no message.
    return !kz::decimalKeyPasses(controls(channel).toneField(kind, row)->text(), key);
}

bool ToneFieldsEditor::exitCheck(Channel channel, ToneKind kind, int row) {
    markers_.mark(kind, row);
    QLineEdit* field = controls(channel).toneField(kind, row);
    if (field->text().isEmpty()) {
        refresh(channel, kind);
        return false;
    }
    const ToneSystem system = context_.selectedToneSystem();
    const kz::ToneRange range = kz::acceptedToneRange(system);
    const auto parsed = kz::parseToneText(field->text());
    if (!parsed) {
        // Only pasted text can be no number at all; it is refused like a tone out of range.
        refuseOutOfRange(field, range.message);
        return false;
    }
    field->setText(parsed->text);
    int tone = parsed->value;

    if (kind != ToneKind::Group) {
        // Compared as typed, before the tone is moved to a table tone.
        const auto partner =
            kz::parseToneText(controls(channel).toneField(partnerOf(kind), row)->text());
        if (partner && partner->value == tone) {
            kz::warn(kz::sameCallMessage(context_.decoderBandwidthValue()));
            markers_.clear(kind);
            refresh(channel, kind);
            return false;
        }
    }

    if (!range.contains(tone)) {
        refuseOutOfRange(field, range.message);
        return false;
    }
    if (system == ToneSystem::User) {
        const int bandwidth = context_.decoderBandwidthValue();
        const auto conflict = kz::spacingConflict(cache(channel), enables(channel), bandwidth,
                                                  kz::toneCacheIndex(kind, row), tone);
        if (conflict) {
            spacingConflict_ = *conflict;
            kz::warn(kz::spacingMessage(bandwidth));
            markers_.clear(kind);
            refresh(channel, kind);
            return false;
        }
    } else {
        tone = kz::nearestTone(system, tone);
    }
    commit(channel, kind, row, tone);
    return true;
}

void ToneFieldsEditor::refuseOutOfRange(QLineEdit* field, const QString& message) {
    kz::warn(message);
    focusBackLater(field);
}

void ToneFieldsEditor::commit(Channel channel, ToneKind kind, int row, int value) {
    controls(channel).toneField(kind, row)->setText(kz::toneText(value));
    image_.setWord16(kz::toneOffset(channel, kind, row), static_cast<std::uint16_t>(value));
    image_.setWord16(kz::toneCodeOffset(channel, kind, row), kz::toneCode(value));
    // A marker that stays lets F9 open the picker for this field after the focus has left it.
    // The F2 Tone 1 and the group fields give theirs up at a commit.
    if (kind == ToneKind::Group || (kind == ToneKind::Tone1 && channel == Channel::F2))
        markers_.clear(kind);
    // A stored tone settles any earlier spacing refusal, whichever field it was in.
    spacingConflict_ = -1;
    refresh(channel, kind);
}

void ToneFieldsEditor::doubleClick(ToneKind kind, int row) {
    const ToneSystem system = context_.selectedToneSystem();
    if (system == ToneSystem::User)
        return;
    markers_.mark(kind, row);
    context_.openToneTable(system);
}

void ToneFieldsEditor::f9Pressed() {
    const ToneSystem system = context_.selectedToneSystem();
    if (system == ToneSystem::User || !markers_.anySet())
        return;
    context_.openToneTable(system);
}

void ToneFieldsEditor::finishPick(std::optional<Channel> channel,
                                  const std::optional<QString>& tone) {
    for (ToneKind kind : {ToneKind::Tone1, ToneKind::Tone2, ToneKind::Group}) {
        const int row = markers_.row(kind);
        if (row == ToneFieldMarkers::kClear)
            continue;
        if (channel) {
            if (tone)
                toneField(*channel, kind, row)->setText(*tone);
            exitCheck(*channel, kind, row);
        }
        markers_.clear(kind);
    }
}

void ToneFieldsEditor::recheckAllTones() {
    for (int row = 0; row < kz::kCallRows; ++row) {
        exitCheck(Channel::F1, ToneKind::Tone1, row);
        exitCheck(Channel::F1, ToneKind::Tone2, row);
        exitCheck(Channel::F2, ToneKind::Tone1, row);
        exitCheck(Channel::F2, ToneKind::Tone2, row);
    }
    for (int row = 0; row < kz::kGroupRows; ++row) {
        exitCheck(Channel::F1, ToneKind::Group, row);
        exitCheck(Channel::F2, ToneKind::Group, row);
    }
}

void ToneFieldsEditor::hover(Channel channel) {
    if (spacingConflict_ != -1)
        return;
    markers_.clearAll();
    controls(channel).toneTableLabel->hide();
    focusSink_->setFocus(Qt::OtherFocusReason);
}

} // namespace kz
