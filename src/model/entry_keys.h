#pragma once

#include <QChar>
#include <QString>

// Which typed keys the call-row edit fields let through. The whole current text is judged, not
// the caret position. Enter is handled by the fields themselves and never reaches these rules.
namespace kz {

inline constexpr QChar kBackspaceKey = QChar(u'\b');

// Tone and alert-time fields: a number with at most one decimal. Digits, one '.' (not as the
// first character) and one digit after it; backspace always.
bool decimalKeyPasses(const QString& text, QChar key);

enum class PatternKey {
    Pass,
    SwallowFull,   // the pattern already has eight characters
    SwallowRefuse, // not a pattern character: "Please input A~D or - !"
};
inline const QString kPatternKeyMessage = QStringLiteral("Please input A~D or - !");
inline const QString kPatternKeyTitle = QStringLiteral("Warning!");

// Pattern fields: 'A'..'D' (either case) and '-' while fewer than eight characters are typed;
// backspace always.
PatternKey patternKey(const QString& text, QChar key);

} // namespace kz
