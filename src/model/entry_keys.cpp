#include "entry_keys.h"

#include "alert_pattern.h"

namespace kz {

bool decimalKeyPasses(const QString& text, QChar key) {
    if (key == kBackspaceKey)
        return true;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0) {
        if (key == QLatin1Char('.'))
            return !text.isEmpty();
        return key.isDigit() && key.unicode() < 128;
    }
    const bool decimalTyped = point + 1 < text.size();
    return !decimalTyped && key.isDigit() && key.unicode() < 128;
}

PatternKey patternKey(const QString& text, QChar key) {
    if (key == kBackspaceKey)
        return PatternKey::Pass;
    if (text.trimmed().size() >= kAlertPatternLength)
        return PatternKey::SwallowFull;
    const QChar upper = key.toUpper();
    if ((upper >= QLatin1Char('A') && upper <= QLatin1Char('D')) || key == QLatin1Char('-'))
        return PatternKey::Pass;
    return PatternKey::SwallowRefuse;
}

} // namespace kz
