#include "entry_keys.h"

#include "alert_pattern.h"
#include "setting_keys.h"

namespace kz {

bool decimalKeyPasses(const QString& text, QChar key) {
    // The tone fields take one decimal, as the one-decimal fields of the settings pages do.
    return oneDecimalKeyPasses(text, key);
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
