#include "channel_pages_editor.h"

#include "alert_time.h"
#include "call_tone_group.h"
#include "pager_image.h"

#include <QGroupBox>
#include <QLayout>

namespace kz {

namespace {

using kz::CallFamily;
using kz::Channel;

CallToneControls buildOn(Channel channel, QWidget* page) {
    CallToneControls controls = buildCallToneGroup(channel, page);
    if (page->layout())
        page->layout()->addWidget(controls.group);
    return controls;
}

} // namespace

ChannelPagesEditor::ChannelPagesEditor(TPagerImage& image, kz::ToneFieldContext& context,
                                       QWidget* focusSink, QWidget* pageF1, QWidget* pageF2)
    : image_(image), controls_{buildOn(Channel::F1, pageF1), buildOn(Channel::F2, pageF2)} {
    tones_ =
        std::make_unique<ToneFieldsEditor>(image_, context, focusSink, controls_[0], controls_[1]);
    for (Channel channel : kz::kChannels)
        rows_[static_cast<std::size_t>(channel)] =
            std::make_unique<CallRowsEditor>(controls(channel), image_, *tones_, focusSink);
}

ChannelPagesEditor::~ChannelPagesEditor() = default;

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

void ChannelPagesEditor::setChannelEnabled(Channel channel, bool enabled) {
    controls(channel).group->setEnabled(enabled);
    if (enabled)
        for (CallFamily family : kz::kCallFamilies)
            rows(channel).refreshRows(family);
}

void ChannelPagesEditor::applyFixedAlertTime(bool enabled) {
    image_.setByte(PagerField::fixedAlertTimeMark, enabled ? PagerValue::fixedAlertTimeEnabled
                                                           : PagerValue::fixedAlertTimeDisabled);
    if (!enabled) {
        for (Channel channel : kz::kChannels)
            for (CallFamily family : kz::kCallFamilies)
                for (int n = 0; n < kz::rowCount(family); ++n)
                    image_.setByte(kz::alertTimeOffset(channel, family, n), 0);
        for (Channel channel : kz::kChannels)
            for (CallFamily family : kz::kCallFamilies)
                rows(channel).showAlertTimes(family);
    }
    rows(Channel::F2).refreshRows(CallFamily::Calls);
    rows(Channel::F1).refreshRows(CallFamily::Calls);
    rows(Channel::F1).refreshRows(CallFamily::Groups);
    rows(Channel::F2).refreshRows(CallFamily::Groups);
}

} // namespace kz
