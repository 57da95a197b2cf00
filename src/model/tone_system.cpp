#include "tone_system.h"

#include "pager_fields.h"
#include "tone_tables.h"

#include <cmath>
#include <cstdlib>
#include <span>

namespace kz {

namespace {

// Snaps to the list, scanning upwards and keeping the later of two equally near tones.
int snapTo(std::span<const std::uint16_t> list, int value) {
    int best = 1000;
    std::optional<int> result;
    for (const std::uint16_t tone : list) {
        const int distance = std::abs(value - tone);
        if (distance <= best) {
            best = distance;
            result = tone;
        }
    }
    return result.value_or(value);
}

} // namespace

ToneSystem toneSystemOfByte(std::uint8_t byte) {
    switch (byte) {
    case PagerValue::toneSystemUser:
        return ToneSystem::User;
    case PagerValue::toneSystemPlectron:
        return ToneSystem::Plectron;
    default:
        return ToneSystem::Standard;
    }
}

std::uint8_t byteOfToneSystem(ToneSystem system) {
    switch (system) {
    case ToneSystem::User:
        return PagerValue::toneSystemUser;
    case ToneSystem::Plectron:
        return PagerValue::toneSystemPlectron;
    case ToneSystem::Standard:
        break;
    }
    return PagerValue::toneSystemStandard;
}

ToneRange acceptedToneRange(ToneSystem system) {
    switch (system) {
    case ToneSystem::User:
        return {2800, 35000, QStringLiteral("Please insert a number between 280 to 3500.0")};
    case ToneSystem::Plectron:
        return {2822, 34870, QStringLiteral("Please insert a number between 282.2 to 3487.0")};
    case ToneSystem::Standard:
        break;
    }
    return {2885, 24682, QStringLiteral("Please insert a number between 288.5 to 2468.2")};
}

std::optional<ParsedTone> parseToneText(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    // Anything beyond this is out of every range; keeping it bounded keeps the sum below exact.
    if (!ok || !std::isfinite(number) || std::fabs(number) > 1.0e8)
        return std::nullopt;
    ParsedTone parsed;
    parsed.text = QString::asprintf("%04.1f", number);
    const qsizetype point = parsed.text.indexOf(QLatin1Char('.'));
    const int whole = parsed.text.left(point).toInt();
    const int tenth = parsed.text.mid(point + 1, 1).toInt();
    // "-0.5" has the whole part 0: the sign comes from the text, not from the whole part.
    const bool negative = parsed.text.startsWith(QLatin1Char('-'));
    parsed.value = whole * 10 + (negative ? -tenth : tenth);
    return parsed;
}

QString toneText(int value) {
    return QString::asprintf("%04.1f", value / 10.0);
}

int nearestTone(ToneSystem system, int value) {
    switch (system) {
    case ToneSystem::Standard:
        return snapTo(kStandardSnapList, value);
    case ToneSystem::Plectron:
        return snapTo(kPlectronTones, value);
    case ToneSystem::User:
        break;
    }
    return value;
}

} // namespace kz
