#include "alert_time.h"

#include <cmath>

namespace kz {

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
    // s is v rounded to one decimal exactly as the field shows it. Rounding v a second way
    // (v x 10, rounded) can disagree for a pasted "9.45", which shows as 9.4 but would round
    // to 9.5: the field would then show a time that is not the one stored.
    const double s = shown.toDouble();
    const double w = std::floor(s);
    if (!(w >= v || s == w + 0.5))
        return {Outcome::BadInterval, shown, 0};
    return {Outcome::Accepted, shown, static_cast<std::uint8_t>(std::lround(2 * s))};
}

QString alertTimeText(std::uint8_t byte) {
    return QString::asprintf("%01.1f", byte * 0.5);
}

} // namespace kz
