#include "alert_time.h"

#include <cmath>

namespace kz {

namespace {

double roundToTenth(double v) {
    return std::round(v * 10.0) / 10.0;
}

} // namespace

AlertTimeEntry checkAlertTime(const QString& typed, bool fixed) {
    using Outcome = AlertTimeEntry::Outcome;
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {Outcome::Empty, {}, 0};
    bool ok = false;
    const double v = text.toDouble(&ok);
    const double low = fixed ? 0.5 : 0.0;
    if (!ok || !std::isfinite(v) || v < low || v > 120.0)
        return {Outcome::OutOfRange, typed, 0};
    const QString shown = QString::asprintf("%01.1f", v);
    const double s = shown.toDouble();
    const double w = std::floor(s);
    if (!(w >= v || roundToTenth(v) == roundToTenth(w + 0.5)))
        return {Outcome::BadInterval, shown, 0};
    return {Outcome::Accepted, shown, static_cast<std::uint8_t>(std::lround(2 * s))};
}

QString alertTimeText(std::uint8_t byte) {
    return QString::asprintf("%01.1f", byte * 0.5);
}

} // namespace kz
