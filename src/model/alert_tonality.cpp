#include "alert_tonality.h"

#include "pager_fields.h"

#include <array>
#include <cmath>

namespace kz {

namespace {

constexpr int kClockHz = 4000000;

struct PrescalerBand {
    int lowestHz;
    int divisor;
    std::uint8_t code;
};
// From the highest band down: the first whose lowest frequency is reached.
constexpr std::array<PrescalerBand, 5> kBands{{
    {4000, 2, 2},
    {1000, 16, 0},
    {500, 32, 3},
    {250, 64, 4},
    {kTonalityLowestHz, 128, 5},
}};

} // namespace

int tonalityOffset(int t) {
    return PagerField::alertTonality + 2 * t;
}

int tonalityTimerOffset(int t) {
    return PagerField::tonalityTimers + 2 * t;
}

std::optional<TonalityTimer> tonalityTimerOf(int hz) {
    if (hz < kTonalityLowestHz || hz > kTonalityHighestHz)
        return std::nullopt;
    for (const PrescalerBand& band : kBands)
        if (hz >= band.lowestHz)
            return TonalityTimer{band.divisor, band.code,
                                 static_cast<std::uint8_t>(kClockHz / (2 * band.divisor * hz) - 1)};
    return std::nullopt;
}

QString tonalityText(int hz) {
    return QString::asprintf("%01.3f", hz / 1000.0);
}

TonalityEntry checkTonality(const QString& typed) {
    using Outcome = TonalityEntry::Outcome;
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {Outcome::Empty, {}, 0};
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return {Outcome::OutOfRange, typed, 0};
    const QString shown = QString::asprintf("%0.3f", v);
    // The comparison is on the rewritten text, so that what the field shows decides.
    const double kHz = shown.toDouble();
    if (kHz < 0.150 || kHz > 6.000)
        return {Outcome::OutOfRange, shown, 0};
    // The three-decimal kilohertz text read as a whole number of hertz.
    return {Outcome::Accepted, shown, static_cast<int>(std::lround(kHz * 1000.0))};
}

} // namespace kz
