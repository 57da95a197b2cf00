#include "tone_spacing.h"

namespace kz {

namespace {

const QString kMessageHead =
    QStringLiteral("Tone Frequency Error!\n\nPlease check the tone spacing rule. \n[1]Two tones "
                   "in the same call address should not be the same.\n[2]Any two tones should "
                   "be separated by minimum of ");

QString bandwidthPercent(int bandwidth) {
    return QString::asprintf("%0.1f", bandwidth / 10.0);
}

} // namespace

std::optional<int> decoderBandwidthValueOfIndex(int index) {
    if (index < 0 || index > 15)
        return std::nullopt;
    return 1 + 2 * index;
}

int rowOfToneCacheEntry(int index) {
    return index < 16 ? index % 8 : index - 16;
}

std::optional<int> spacingConflict(const ToneCache& cache, const ToneCacheEnables& enables,
                                   int bandwidth, int ownIndex, int candidate) {
    // The decoder firmware works in single precision; tones that lie exactly on a bound are
    // decided by that rounding, so each quantity is rounded to float once, as the device does,
    // and the bounds are compared exactly.
    const float x = static_cast<float>(candidate * 0.1);
    const float s = static_cast<float>(bandwidth * 0.001 * 2 + 0.001);
    for (int n = 0; n < kToneCacheSize; ++n) {
        if (n == ownIndex)
            continue;
        const auto index = static_cast<std::size_t>(n);
        const float r = static_cast<float>(cache[index] * 0.1);
        const float lim = static_cast<float>(cache[index] * 0.1 * static_cast<double>(s));
        if (x == r) {
            if (enables[index])
                return std::nullopt;
            continue;
        }
        const double low = static_cast<double>(r) - static_cast<double>(lim);
        const double high = static_cast<double>(r) + static_cast<double>(lim);
        if (low < static_cast<double>(x) && static_cast<double>(x) < high && enables[index])
            return rowOfToneCacheEntry(n);
    }
    return std::nullopt;
}

QString spacingMessage(int bandwidth) {
    return kMessageHead + bandwidthPercent(bandwidth) +
           QStringLiteral("%. \n     (spacing = bandwidth*2 + 0.001)\n\nThe original tone "
                          "frequency is restored.");
}

QString sameCallMessage(int bandwidth) {
    return kMessageHead + bandwidthPercent(bandwidth) +
           QStringLiteral("%. \n\nThe original tone frequency is restored.");
}

} // namespace kz
