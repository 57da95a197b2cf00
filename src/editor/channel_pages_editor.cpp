#include "channel_pages_editor.h"

#include "alert_time.h"
#include "call_tone_group.h"
#include "pager_image.h"

#include <QGroupBox>
#include <QLayout>
#include <QRadioButton>

#include <cassert>

namespace {

using kz::CallFamily;
using kz::Channel;
using kz::ToneSystem;

CallToneControls buildOn(Channel channel, QWidget* page) {
    CallToneControls controls = buildCallToneGroup(channel, page);
    if (page->layout())
        page->layout()->addWidget(controls.group);
    return controls;
}

} // namespace

ChannelPagesEditor::ChannelPagesEditor(Environment environment, QWidget* pageF1, QWidget* pageF2)
    : env_(std::move(environment)), controls_{buildOn(Channel::F1, pageF1),
                                              buildOn(Channel::F2, pageF2)} {
    assert(env_.image && env_.focusSink && env_.decoderBandwidth);
    ToneFieldsEditor::Environment toneEnv;
    toneEnv.image = env_.image;
    toneEnv.selectedSystem = [this] { return selectedToneSystem(); };
    toneEnv.decoderBandwidth = env_.decoderBandwidth;
    toneEnv.focusSink = env_.focusSink;
    tones_ = std::make_unique<ToneFieldsEditor>(std::move(toneEnv), controls_[0], controls_[1]);
    for (Channel channel : kz::kChannels)
        rows_[static_cast<std::size_t>(channel)] = std::make_unique<CallRowsEditor>(
            controls(channel), *env_.image, *tones_, env_.focusSink);

    for (int tag = 0; tag < 3; ++tag) {
        QRadioButton* button = env_.toneSystemButtons[static_cast<std::size_t>(tag)];
        assert(button);
        QObject::connect(button, &QRadioButton::clicked, tones_.get(),
                         [this, tag] { toneSystemClick(static_cast<ToneSystem>(tag)); });
    }
}

ChannelPagesEditor::~ChannelPagesEditor() = default;

ToneSystem ChannelPagesEditor::selectedToneSystem() const {
    for (int tag = 0; tag < 3; ++tag)
        if (env_.toneSystemButtons[static_cast<std::size_t>(tag)]->isChecked())
            return static_cast<ToneSystem>(tag);
    return ToneSystem::Standard;
}

void ChannelPagesEditor::showChannelRows(Channel channel) {
    CallRowsEditor& r = rows(channel);
    tones_->refreshCallTones(channel);
    tones_->refreshGroupTones(channel);
    for (CallFamily family : kz::kCallFamilies)
        r.showPatterns(family);
    for (CallFamily family : kz::kCallFamilies)
        r.showToneTypes(family);
    for (CallFamily family : kz::kCallFamilies)
        r.refreshRows(family);
    for (CallFamily family : kz::kCallFamilies)
        r.showPriorities(family);
    for (CallFamily family : kz::kCallFamilies)
        r.showAlertTimes(family);
}

void ChannelPagesEditor::showDutySwitches() {
    for (Channel channel : kz::kChannels) {
        rows(channel).showDutyBoxes();
        rows(channel).showSwitches();
    }
}

void ChannelPagesEditor::toneSystemClick(ToneSystem system) {
    tones_->toneSystemClick(system);
}

void ChannelPagesEditor::applyFixedAlertTime(bool enabled) {
    env_.image->setByte(PagerField::fixedAlertTimeMark, enabled
                                                            ? PagerValue::fixedAlertTimeEnabled
                                                            : PagerValue::fixedAlertTimeDisabled);
    if (!enabled) {
        for (Channel channel : kz::kChannels)
            for (CallFamily family : kz::kCallFamilies)
                for (int n = 0; n < kz::rowCount(family); ++n)
                    env_.image->setByte(kz::alertTimeOffset(channel, family, n), 0);
        for (Channel channel : kz::kChannels)
            for (CallFamily family : kz::kCallFamilies)
                rows(channel).showAlertTimes(family);
    }
    rows(Channel::F2).refreshRows(CallFamily::Calls);
    rows(Channel::F1).refreshRows(CallFamily::Calls);
    rows(Channel::F1).refreshRows(CallFamily::Groups);
    rows(Channel::F2).refreshRows(CallFamily::Groups);
}
