// The editor pages of the main window and their place in the loading pass.

#include "main_window.h"

#include "channel_pages_editor.h"
#include "tone_spacing.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

void TForm1::buildPages() {
    ChannelPagesEditor::Environment channel;
    channel.image = &image_;
    channel.toneSystemButtons = radToneSystem;
    channel.focusSink = edtNull;
    // The spacing rule reads the decoder bandwidth straight from the image until the Advance
    // page's list keeps the value; an index beyond the list keeps the last known value.
    channel.decoderBandwidth = [this] {
        const auto value =
            kz::decoderBandwidthValueOfIndex(image_.byte(PagerField::decoderBandwidth));
        if (value)
            state_.decoderBandwidthValue = *value;
        return state_.decoderBandwidthValue;
    };
    channelPages_ = std::make_unique<ChannelPagesEditor>(channel, tabChannelF1, tabChannelF2);

    // FormShortCut: F2, F3 and F4 belong to the menu; F9 opens the tone table for the marked
    // tone field.
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setObjectName(QStringLiteral("FormShortCutF9"));
    connect(f9, &QShortcut::activated, this, [this] { channelPages_->tones().f9Pressed(); });
}

void TForm1::registerPageLoadingSteps() {
    using Pass = kz::LoadingPass;
    ChannelPagesEditor& channels = *channelPages_;
    loadingPass_.add(Pass::ChannelF1Rows,
                     [&channels] { channels.showChannelRows(kz::Channel::F1); });
    loadingPass_.add(Pass::ChannelF2Rows,
                     [&channels] { channels.showChannelRows(kz::Channel::F2); });
    loadingPass_.add(Pass::DutySwitches, [&channels] { channels.showDutySwitches(); });
}
