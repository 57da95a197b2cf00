#include "advance_numbers.h"

#include <cmath>

namespace kz {

std::optional<int> decoderBandwidthValueOfText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 1000)
        return std::nullopt;
    // The items carry one decimal; a hair of tolerance keeps "1.1" from landing on 10.99...
    return static_cast<int>(value * 10.0 + 1e-9);
}

std::optional<std::uint16_t> wordOfTypedNumber(const QString& typed) {
    bool ok = false;
    // toLongLong refuses a number it cannot hold: such a text is out of range like any other.
    const qlonglong value = typed.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 65535)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

} // namespace kz
