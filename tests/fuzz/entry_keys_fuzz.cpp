// Keys typed into the call-row fields, one after another. Whatever the sequence, the text the
// key filters let into a field must be one the field's exit check can read.
#include "fuzz_support.h"

#include "alert_pattern.h"
#include "alert_time.h"
#include "entry_keys.h"
#include "tone_system.h"

#include <QRegularExpression>

using namespace kz;

namespace {

// Types `keys` into an empty field whose filter is `passes`, the caret at the end; a passing
// backspace removes the last character.
template <typename Filter> QString typeInto(const QString& keys, Filter passes) {
    QString text;
    for (const QChar key : keys) {
        if (!passes(text, key))
            continue;
        if (key == kBackspaceKey)
            text.chop(1);
        else
            text += key;
    }
    return text;
}

void checkDecimalField(const QString& keys) {
    const QString text = typeInto(keys, decimalKeyPasses);
    static const QRegularExpression shape(QStringLiteral("^([0-9]+(\\.[0-9]?)?)?$"));
    FUZZ_CHECK(shape.match(text).hasMatch(),
               "digits, then at most one point and one decimal, never a leading point");
    if (text.isEmpty())
        return;
    // Tone fields and alert-time fields share this filter: both exit checks read every such
    // text as a number.
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    FUZZ_CHECK(isNumber, "a filtered text is a number");
    FUZZ_CHECK(parseToneText(text).has_value() || number > 1.0e8,
               "a filtered tone text reads as a tone (or is far beyond every range)");
    const AlertTimeEntry time = checkAlertTime(text, true);
    FUZZ_CHECK(time.outcome != AlertTimeEntry::Outcome::Empty, "a typed time is not empty");
    FUZZ_CHECK(time.outcome == AlertTimeEntry::Outcome::OutOfRange ||
                   (number >= 0.5 && number <= 120.0),
               "a typed time is judged by its value");
}

void checkPatternField(const QString& keys) {
    const QString text = typeInto(
        keys, [](const QString& t, QChar k) { return patternKey(t, k) == PatternKey::Pass; });
    static const QRegularExpression shape(QStringLiteral("^[A-Da-d-]{0,8}$"));
    FUZZ_CHECK(shape.match(text).hasMatch(), "at most eight pattern characters get in");
    const EncodedAlertPattern pattern = encodeAlertPattern(text);
    FUZZ_CHECK(pattern.text.startsWith(text.toUpper()),
               "every typed pattern character is stored as typed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString keys = kz::fuzz::textOf(data, size);
    checkDecimalField(keys);
    checkPatternField(keys);
    return 0;
}
