#pragma once

#include <QChar>
#include <QString>

// Which typed keys the number fields of the settings pages let through. The whole current text is
// judged, not the caret position: once a text holds its full number of decimals no further digit
// can be typed anywhere in it. Enter is handled by the fields themselves; `key` is the typed
// character or kz::kBackspaceKey.
namespace kz {

inline const QString kNumericKeyMessage = QStringLiteral("Please insert a numeric!");

// Whole-number fields: digits only; anything else, backspace included, is refused with
// kNumericKeyMessage.
bool integerKeyPasses(QChar key);
// Numbers with up to one decimal (Delay Time) or three decimals (the alert tonalities): digits,
// one point (not into an empty field) and backspace; once the point is typed only as many digits
// as there are decimals.
bool oneDecimalKeyPasses(const QString& text, QChar key);
bool threeDecimalKeyPasses(const QString& text, QChar key);
// Numbers with up to two decimals (the squelch level thresholds, in volts).
bool twoDecimalKeyPasses(const QString& text, QChar key);

} // namespace kz
