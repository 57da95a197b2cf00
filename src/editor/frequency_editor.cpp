#include "frequency_editor.h"
#include "list_items.h"

#include "control_naming.h"
#include "editor_state.h"
#include "field_events.h"
#include "frequency_context.h"
#include "message_service.h"
#include "pager_fields.h"
#include "pager_image.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace kz {

namespace {

// Where one channel's frequency lives in the image.
struct FrequencyFields {
    int digits;
    int stepCode;
    int pllR;
    int pllN;
};

FrequencyFields fieldsOf(Channel channel) {
    if (channel == Channel::F1)
        return {PagerField::f1FreqDigits, PagerField::f1StepCode, PagerField::f1PllR,
                PagerField::f1PllN};
    return {PagerField::f2FreqDigits, PagerField::f2StepCode, PagerField::f2PllR,
            PagerField::f2PllN};
}

Channel otherOf(Channel channel) {
    return channel == Channel::F1 ? Channel::F2 : Channel::F1;
}

// The bandwidth list positions.
constexpr int kWideBand = 1;

const QString kBelowLowestMessage = QStringLiteral("Please input a number greater than 33MHz");
const QString kNumericKeyMessage = QStringLiteral("Please insert a numeric  !");
const QString kNumericKeyTitle = QStringLiteral("Warning!");

QLabel* wordLabel(const QString& name, QWidget* parent) {
    auto* label = named(new QLabel(parent), name);
    label->setMinimumWidth(72);
    label->setFrameShape(QFrame::StyledPanel);
    // One line high, whatever room the page has: the page's height goes to the call rows.
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

FrequencyControls buildGroups(Channel channel, QWidget* page) {
    const QString ch = channel == Channel::F1 ? QStringLiteral("F1") : QStringLiteral("F2");
    FrequencyControls c;
    c.row = new QWidget(page);
    auto* rowLayout = new QHBoxLayout(c.row);
    rowLayout->setContentsMargins(0, 0, 0, 0);

    // Channel F2's group is GroupBox15 in the pager tool's window; F1's follows its own name.
    const QString groupName =
        channel == Channel::F1 ? QStringLiteral("grpF1Frequency") : QStringLiteral("GroupBox15");
    c.group = named(new QGroupBox(QStringLiteral("Frequency"), c.row), groupName);
    c.group->setMouseTracking(true);
    auto* grid = new QGridLayout(c.group);

    c.freq = named(new QLineEdit(c.group), QStringLiteral("edt%1Freq").arg(ch));
    c.freq->setMaxLength(kFrequencyDigits);
    c.freq->setFixedWidth(72);
    grid->addWidget(new QLabel(QStringLiteral("Frequency"), c.group), 0, 0);
    grid->addWidget(c.freq, 0, 1);
    grid->addWidget(
        named(new QLabel(QStringLiteral("00Hz"), c.group), QStringLiteral("lbl%1FreqUnit").arg(ch)),
        0, 2);

    c.step = named(new QComboBox(c.group), QStringLiteral("cboCSpace%1").arg(ch));
    c.step->addItems(items::frequencySteps());
    c.step->setCurrentIndex(2);
    grid->addWidget(new QLabel(QStringLiteral("Frequency Step"), c.group), 1, 0);
    grid->addWidget(c.step, 1, 1, 1, 2);

    c.pllR = wordLabel(QStringLiteral("lbl%1PLLR").arg(ch), c.group);
    c.pllN = wordLabel(QStringLiteral("lbl%1PLLN").arg(ch), c.group);
    c.mutl = wordLabel(QStringLiteral("lbl%1MUTL").arg(ch), c.group);
    grid->addWidget(new QLabel(QStringLiteral("PLLR"), c.group), 0, 3);
    grid->addWidget(c.pllR, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("PLLN"), c.group), 1, 3);
    grid->addWidget(c.pllN, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("MUTL"), c.group), 2, 3);
    grid->addWidget(c.mutl, 2, 4);

    c.bandwidthGroup = named(new QGroupBox(QStringLiteral("Bandwidth"), c.row),
                             QStringLiteral("grp%1Bandwidth").arg(ch));
    auto* bandwidthLayout = new QVBoxLayout(c.bandwidthGroup);
    c.bandwidth = named(new QComboBox(c.bandwidthGroup), QStringLiteral("cbo%1Bandwitdth").arg(ch));
    c.bandwidth->addItems({QStringLiteral("NB"), QStringLiteral("WB")});
    bandwidthLayout->addWidget(c.bandwidth);
    bandwidthLayout->addStretch();

    rowLayout->addWidget(c.group);
    rowLayout->addWidget(c.bandwidthGroup);
    rowLayout->addStretch();
    c.row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    // Above the "Call Tone" group.
    if (auto* layout = qobject_cast<QBoxLayout*>(page->layout()))
        layout->insertWidget(0, c.row);
    else if (page->layout())
        page->layout()->addWidget(c.row);
    return c;
}

} // namespace

FrequencyEditor::FrequencyEditor(TPagerImage& image, EditorState& state, FrequencyContext& context,
                                 QWidget* focusSink, QWidget* pageF1, QWidget* pageF2)
    : image_(image), state_(state), context_(context),
      focusSink_(focusSink), controls_{buildGroups(Channel::F1, pageF1),
                                       buildGroups(Channel::F2, pageF2)} {
    for (Channel channel : kChannels)
        connectChannel(channel);
}

void FrequencyEditor::connectChannel(Channel channel) {
    const FrequencyControls& c = controls(channel);
    FieldEvents& field = FieldEvents::on(c.freq, this);
    field.onEnter = [this, channel] { enter(channel); };
    field.onExit = [this, channel] { exitCheck(channel); };
    field.onKey = [this, channel](QKeyEvent* e) { return keyPress(channel, e); };
    // Hovering over the group ends an entry in progress, nothing more.
    FieldEvents::on(c.group, this).onMouseMove = [this] {
        focusSink_->setFocus(Qt::OtherFocusReason);
    };
    connect(c.step, &QComboBox::activated, this, [this, channel] { stepClick(channel); });
    connect(c.bandwidth, &QComboBox::activated, this, [this, channel] { bandwidthClick(channel); });
}

int& FrequencyEditor::stepHz(Channel channel) {
    return channel == Channel::F1 ? state_.f1StepHz : state_.f2StepHz;
}

void FrequencyEditor::showWords() {
    for (Channel channel : kChannels) {
        const FrequencyFields f = fieldsOf(channel);
        controls(channel).pllR->setText(synthesizerWordText(image_.word32(f.pllR)));
        controls(channel).pllN->setText(synthesizerWordText(image_.word32(f.pllN)));
    }
}

void FrequencyEditor::applyForcedSteps() {
    for (Channel channel : kChannels) {
        // Judged by what the label shows, which is the stored R word.
        const auto rWord = controls(channel).pllR->text().toUInt(nullptr, 16);
        if (!rWordForcesNarrowStep(rWord))
            continue;
        stepHz(channel) = kNarrowStepHz;
        image_.setByte(fieldsOf(channel).stepCode, kForcedNarrowStepCode);
    }
}

void FrequencyEditor::showFrequencies() {
    for (Channel channel : kChannels) {
        controls(channel).freq->setText(frequencyTextOfDigits(
            image_.block(fieldsOf(channel).digits, kFrequencyDigits).first<kFrequencyDigits>()));
    }
    computeSynthesizer(Channel::F1);
    computeSynthesizer(Channel::F2);
}

void FrequencyEditor::showChannelSteps() {
    for (Channel channel : kChannels) {
        controls(channel).step->setCurrentIndex(
            positionOfStepCode(image_.byte(fieldsOf(channel).stepCode)));
        stepClick(channel);
    }
}

void FrequencyEditor::enter(Channel channel) {
    controls(channel).freq->clear();
}

bool FrequencyEditor::keyPress(Channel, QKeyEvent* event) {
    if (isEnterKey(event)) {
        focusSink_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const QChar key = typedCharacter(event);
    if (key.isNull() || frequencyKeyPasses(key))
        return false;
    Message message;
    message.title = kNumericKeyTitle;
    message.text = kNumericKeyMessage;
    message.icon = MessageIcon::Error; // the stop sign
    messages().show(message);
    return true;
}

bool FrequencyEditor::exitCheck(Channel channel) {
    QLineEdit* field = controls(channel).freq;
    if (field->text().trimmed().isEmpty()) {
        showFrequencies();
        return false;
    }
    const auto hz = frequencyHzOfText(field->text());
    const FrequencyDecision decision =
        decideFrequency(hz, controls(channel).step->currentIndex(), stepHz(channel));
    if (decision.verdict == FrequencyVerdict::BelowLowest) {
        refuse(channel, kBelowLowestMessage);
        return false;
    }
    stepHz(channel) = decision.stepHz;
    const FrequencyFields f = fieldsOf(channel);
    if (decision.stepCode)
        image_.setByte(f.stepCode, *decision.stepCode);
    if (decision.verdict == FrequencyVerdict::OffStep) {
        refuse(channel, channel == Channel::F1 ? QStringLiteral("F1 Channel Spacing Error!")
                                               : QStringLiteral("F2 Channel Spacing Error!"));
        return false;
    }
    const QString text = frequencyTextOf(*hz);
    field->setText(text);
    for (int i = 0; i < kFrequencyDigits; ++i)
        image_.setByte(f.digits + i, static_cast<std::uint8_t>(text[i].unicode() - u'0'));
    computeSynthesizer(channel);
    showWords();
    context_.frequencyAccepted();
    return true;
}

void FrequencyEditor::refuse(Channel channel, const QString& message) {
    warn(message);
    focusBackLater(controls(channel).freq);
}

void FrequencyEditor::stepClick(Channel channel) {
    const int position = controls(channel).step->currentIndex();
    if (const auto step = stepHzOfPosition(position)) {
        stepHz(channel) = *step;
        image_.setByte(fieldsOf(channel).stepCode, stepCodeOfPosition(position));
    }
    exitCheck(channel);
}

void FrequencyEditor::computeSynthesizer(Channel channel) {
    const FrequencyControls& c = controls(channel);
    const QString text = c.freq->text();
    const SynthesizerWords words = synthesizerWords(text, stepHz(channel));
    state_.bandClass = words.band;

    lowBand_[static_cast<std::size_t>(channel)] = words.band == BandClass::Low;
    if (words.band == BandClass::Low)
        c.bandwidth->setCurrentIndex(kWideBand); // only the list: the stored bit stays
    showBandwidthList(channel);

    // One multiplier for the pager: the one of the channel computed last.
    for (Channel each : kChannels)
        controls(each).mutl->setText(QString::number(words.multiplier));

    const FrequencyFields f = fieldsOf(channel);
    c.pllR->setText(synthesizerWordText(words.r));
    image_.setWord32(f.pllR, words.r);
    c.pllN->setText(synthesizerWordText(words.n));
    image_.setWord32(f.pllN, words.n);

    // Both channels stay in one band: a channel in another band takes this frequency.
    const FrequencyControls& other = controls(otherOf(channel));
    const QString otherText = other.freq->text();
    if (text.left(kFrequencyDigits) != otherText.left(kFrequencyDigits) &&
        otherChannelMismatches(words.band, otherText)) {
        other.freq->setText(text);
        exitCheck(otherOf(channel));
    }
}

void FrequencyEditor::showBandwidthList(Channel channel) {
    const auto i = static_cast<std::size_t>(channel);
    controls(channel).bandwidth->setEnabled(enabled_[i] && !lowBand_[i]);
}

// --- receiver bandwidth (bit 0 of bandwidthFlags for F1, bit 1 for F2; 1 = WB) -----------------

void FrequencyEditor::showBandwidth() {
    for (Channel channel : kChannels) {
        const int bit = static_cast<int>(channel);
        controls(channel).bandwidth->setCurrentIndex(
            image_.getBits(PagerField::bandwidthFlags, bit, 1));
        bandwidthClick(channel);
    }
}

void FrequencyEditor::bandwidthClick(Channel channel) {
    const int position = controls(channel).bandwidth->currentIndex();
    if (position < 0)
        return;
    image_.setBits(PagerField::bandwidthFlags, static_cast<int>(channel),
                   position == kWideBand ? 1U : 0U, 1);
}

void FrequencyEditor::setChannelEnabled(Channel channel, bool enabled) {
    const FrequencyControls& c = controls(channel);
    enabled_[static_cast<std::size_t>(channel)] = enabled;
    c.group->setEnabled(enabled);
    c.freq->setEnabled(enabled);
    c.step->setEnabled(enabled);
    showBandwidthList(channel);
}

} // namespace kz
