// Whatever is typed or pasted into a tone field is read as a tone; the value must be the text's
// number to a tenth, re-shown as a text that reads back the same, and, once accepted by a tone
// system, a tone the pager can decode.
#include "fuzz_support.h"

#include "tone_code.h"
#include "tone_system.h"
#include "tone_tables.h"

#include <algorithm>
#include <cmath>

using namespace kz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed = kz::fuzz::textOf(data, size);
    const auto parsed = parseToneText(typed);
    bool isNumber = false;
    const double number = typed.trimmed().toDouble(&isNumber);
    if (!parsed) {
        FUZZ_CHECK(!isNumber || !std::isfinite(number) || std::fabs(number) > 1.0e8,
                   "only what is no (reasonable) number is refused");
        return 0;
    }
    FUZZ_CHECK(isNumber, "a tone is read only from a number");
    FUZZ_CHECK(std::fabs(parsed->value - number * 10.0) <= 0.5 + 1e-9 * std::fabs(number * 10.0),
               "the tone value is the number in tenths, rounded");
    FUZZ_CHECK(parsed->text == QString::asprintf("%04.1f", number),
               "the field shows the number with one decimal");

    // Shown again, the text reads as the same tone. (A number that rounds to a negative zero
    // shows "-0.0" once; read again it is plain zero and shows "00.0".)
    const auto again = parseToneText(parsed->text);
    FUZZ_CHECK(again && again->value == parsed->value &&
                   (again->text == parsed->text || parsed->text == QLatin1String("-0.0")),
               "the re-shown text reads back as the same tone");
    if (parsed->value >= 0)
        FUZZ_CHECK(toneText(parsed->value) == parsed->text || parsed->text.startsWith('-'),
                   "the stored value shows as the same text");

    for (const ToneSystem system : {ToneSystem::Standard, ToneSystem::User, ToneSystem::Plectron}) {
        const ToneRange range = acceptedToneRange(system);
        if (!range.contains(parsed->value))
            continue;
        const int tone = nearestTone(system, parsed->value);
        FUZZ_CHECK(range.contains(tone), "an accepted tone stays inside the system's range");
        FUZZ_CHECK(system != ToneSystem::User || tone == parsed->value, "User tones stay as typed");
        if (system != ToneSystem::User) {
            // No table tone lies nearer than the chosen one.
            const auto distance = [&](int t) { return std::abs(t - parsed->value); };
            const auto check = [&](const auto& table) {
                FUZZ_CHECK(std::find(table.begin(), table.end(), tone) != table.end(),
                           "the adjusted tone is a table tone");
                for (const int t : table)
                    FUZZ_CHECK(distance(t) > distance(tone) ||
                                   (distance(t) == distance(tone) && t <= tone),
                               "the nearest table tone, the higher one of two equally near");
            };
            if (system == ToneSystem::Standard)
                check(kStandardSnapList);
            else
                check(kPlectronTones);
        }
        const auto stored = parseToneText(toneText(tone));
        FUZZ_CHECK(stored && stored->value == tone, "the stored tone reads back from its text");
        const std::uint16_t code = toneCode(tone);
        FUZZ_CHECK((code & 0x8000) && ((code >> 7) & 0xFF) >= 9 && ((code >> 7) & 0xFF) <= 116 &&
                       (code & 0x7F) <= 99,
                   "the tone code of an accepted tone has its documented form");
    }
    return 0;
}
