// Alert patterns come in as typed or pasted text, and out of any image as four bytes. Both ways
// must meet: what the field shows is what is stored, and stored bytes show as text that stores
// the same bytes again.
#include "fuzz_support.h"

#include "alert_pattern.h"

#include <algorithm>

using namespace kz;

namespace {

bool isPatternCharacter(QChar c) {
    return c == QLatin1Char('-') || (c >= QLatin1Char('A') && c <= QLatin1Char('D'));
}

void checkTyped(const QString& typed) {
    const EncodedAlertPattern pattern = encodeAlertPattern(typed);
    FUZZ_CHECK(pattern.text.size() == kAlertPatternLength &&
                   std::all_of(pattern.text.begin(), pattern.text.end(), isPatternCharacter),
               "the field shows eight pattern characters");
    FUZZ_CHECK(decodeAlertPattern(pattern.bytes) == pattern.text, "the field shows what is stored");
    const EncodedAlertPattern again = encodeAlertPattern(pattern.text);
    FUZZ_CHECK(again.text == pattern.text && again.bytes == pattern.bytes,
               "the shown pattern stores the same bytes again");
    // Character i of the field comes from character i of the text: a pattern character (either
    // case) stays, anything else becomes a pause, and missing characters are pauses.
    for (int i = 0; i < kAlertPatternLength; ++i) {
        const QChar expected = i < typed.size() && isPatternCharacter(typed[i].toUpper())
                                   ? typed[i].toUpper()
                                   : QLatin1Char('-');
        FUZZ_CHECK(pattern.text[i] == expected, "each typed character keeps its place");
    }
}

void checkStored(const AlertPatternBytes& bytes) {
    const QString text = decodeAlertPattern(bytes);
    int valid = 0; // nibbles before the first one above 4
    while (valid < kAlertPatternLength) {
        const std::uint8_t b = bytes[static_cast<std::size_t>(valid / 2)];
        if ((valid % 2 == 0 ? b >> 4 : b & 0x0F) > 4)
            break;
        ++valid;
    }
    FUZZ_CHECK(text.size() == valid && std::all_of(text.begin(), text.end(), isPatternCharacter),
               "a stored pattern shows up to its first nibble above 4");
    const EncodedAlertPattern again = encodeAlertPattern(text);
    if (valid == kAlertPatternLength)
        FUZZ_CHECK(again.bytes == bytes, "a valid stored pattern is stored unchanged when left");
    FUZZ_CHECK(again.text.startsWith(text), "the shown characters keep their places");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkTyped(kz::fuzz::textOf(data, size));
    AlertPatternBytes bytes{};
    std::copy_n(data, std::min<std::size_t>(size, bytes.size()), bytes.begin());
    checkStored(bytes);
    return 0;
}
