#include "setting_keys.h"

#include "entry_keys.h"

namespace kz {

namespace {

bool isDigit(QChar key) {
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

bool decimalsKeyPasses(const QString& text, QChar key, int decimals) {
    if (key == kBackspaceKey)
        return true;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0) {
        if (key == QLatin1Char('.'))
            return !text.isEmpty();
        return isDigit(key);
    }
    return isDigit(key) && text.size() - point - 1 < decimals;
}

} // namespace

bool integerKeyPasses(QChar key) {
    return isDigit(key);
}

bool oneDecimalKeyPasses(const QString& text, QChar key) {
    return decimalsKeyPasses(text, key, 1);
}

bool threeDecimalKeyPasses(const QString& text, QChar key) {
    return decimalsKeyPasses(text, key, 3);
}

bool twoDecimalKeyPasses(const QString& text, QChar key) {
    return decimalsKeyPasses(text, key, 2);
}

} // namespace kz
