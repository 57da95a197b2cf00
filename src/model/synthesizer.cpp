#include "synthesizer.h"

namespace kz {

namespace {

constexpr std::uint32_t kLowBandTopHz = 51000000;
constexpr std::uint32_t kVhfBottomHz = 100000000;
constexpr std::uint32_t kVhfTopHz = 200000000;
// The pager's control bits in the low byte of the R word.
constexpr std::uint32_t kRWordControl = 0x11;
// The step that the Auto search tries first, second and third, with the code it stores.
constexpr AutoStep kAutoSteps[] = {{12500, 0x22}, {6250, 0x23}, {2500, 0x24}};
constexpr int kListSteps[] = {2500, 6250, 12500};

// The field text as a number of 100 Hz units; 0 when it is not one.
std::uint32_t unitsOfText(const QString& text) {
    const auto hz = frequencyHzOfText(text);
    return hz ? *hz / kFrequencyUnitHz : 0;
}

} // namespace

BandClass bandClassOf(std::uint32_t hz) {
    if (hz >= kLowestFrequencyHz && hz <= kLowBandTopHz)
        return BandClass::Low;
    if (hz >= kVhfBottomHz && hz <= kVhfTopHz)
        return BandClass::Vhf;
    return BandClass::Other;
}

int multiplierOf(BandClass band) {
    return band == BandClass::Other ? 2 : 1;
}

std::uint32_t rWordOf(int stepHz) {
    return ((kReferenceHz / static_cast<std::uint32_t>(stepHz)) / 4) * 256 + kRWordControl;
}

std::uint32_t nWordOf(std::uint32_t hz, int stepHz) {
    const BandClass band = bandClassOf(hz);
    std::uint32_t d = band == BandClass::Low ? hz + kIntermediateHz : hz - kIntermediateHz;
    d /= static_cast<std::uint32_t>(multiplierOf(band));
    d /= static_cast<std::uint32_t>(stepHz);
    return (d / 32) * 4096 + (d % 32) * 128;
}

SynthesizerWords synthesizerWords(std::uint32_t hz, int stepHz) {
    const BandClass band = bandClassOf(hz);
    return {band, multiplierOf(band), rWordOf(stepHz), nWordOf(hz, stepHz)};
}

SynthesizerWords synthesizerWords(const QString& text, int stepHz) {
    return synthesizerWords(unitsOfText(text) * kFrequencyUnitHz, stepHz);
}

std::optional<std::uint32_t> frequencyHzOfText(const QString& text) {
    const QString digits = text.trimmed();
    // Seven digits always fit; more than nine could overflow the hertz value.
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    std::uint64_t units = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        units = units * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
    }
    const std::uint64_t hz = units * kFrequencyUnitHz;
    if (hz > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(hz);
}

QString frequencyTextOf(std::uint32_t hz) {
    return QString::asprintf("%07u", hz / kFrequencyUnitHz);
}

QString frequencyTextOfDigits(std::span<const std::uint8_t, kFrequencyDigits> digits) {
    unsigned long long units = 0;
    for (const std::uint8_t digit : digits)
        units = units * 10 + digit;
    return QString::asprintf("%07llu", units);
}

QString synthesizerWordText(std::uint32_t word) {
    return QString::asprintf("%08X", word);
}

bool frequencyKeyPasses(QChar key) {
    return key == u'\b' || (key >= u'0' && key <= u'9');
}

std::optional<int> stepHzOfPosition(int position) {
    if (position < 0 || position >= static_cast<int>(std::size(kListSteps)))
        return std::nullopt;
    return kListSteps[position];
}

std::uint8_t stepCodeOfPosition(int position) {
    return static_cast<std::uint8_t>(kFirstStepCode + position);
}

int positionOfStepCode(std::uint8_t code) {
    if (code < kFirstStepCode)
        return -1;
    const int position = code - kFirstStepCode;
    return position <= 2 ? position : kAutoStepPosition;
}

bool rWordForcesNarrowStep(std::uint32_t rWord) {
    return (rWord >> 8) == 0x00020B;
}

std::optional<AutoStep> autoStepOf(std::uint32_t hz) {
    for (const AutoStep& step : kAutoSteps)
        if (hz % static_cast<std::uint32_t>(step.stepHz) == 0)
            return step;
    return std::nullopt;
}

FrequencyDecision decideFrequency(std::optional<std::uint32_t> hz, int listPosition,
                                  int currentStepHz) {
    if (!hz || *hz < kLowestFrequencyHz)
        return {FrequencyVerdict::BelowLowest, currentStepHz, std::nullopt};
    if (listPosition == kAutoStepPosition) {
        const auto found = autoStepOf(*hz);
        if (!found)
            return {FrequencyVerdict::OffStep, currentStepHz, std::nullopt};
        return {FrequencyVerdict::Accepted, found->stepHz, found->code};
    }
    const int step = stepHzOfPosition(listPosition).value_or(currentStepHz);
    if (step <= 0 || *hz % static_cast<std::uint32_t>(step) != 0)
        return {FrequencyVerdict::OffStep, step, std::nullopt};
    return {FrequencyVerdict::Accepted, step, std::nullopt};
}

bool otherChannelMismatches(BandClass band, const QString& otherText) {
    const std::uint32_t v = unitsOfText(otherText);
    switch (band) {
    case BandClass::Low:
        return v < 330000 || v > 510000;
    case BandClass::Vhf:
        return v < 1000000 || v > 2000000;
    case BandClass::Other:
        return v <= 2000000;
    }
    return false;
}

} // namespace kz
