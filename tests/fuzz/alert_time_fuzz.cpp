// A fixed alert time typed or pasted into a call row: the field must end up showing what is
// stored, and what is stored must be a time the pager can hold (0.5 s steps up to 120 s).
#include "fuzz_support.h"

#include "alert_time.h"

#include <cmath>

using namespace kz;
using Outcome = AlertTimeEntry::Outcome;

namespace {

void checkEntry(const QString& typed, bool fixed) {
    const AlertTimeEntry entry = checkAlertTime(typed, fixed);
    FUZZ_CHECK((entry.outcome == Outcome::Empty) == typed.trimmed().isEmpty(),
               "only an empty field is empty");
    bool isNumber = false;
    const double v = typed.trimmed().toDouble(&isNumber);
    switch (entry.outcome) {
    case Outcome::Empty:
        return;
    case Outcome::OutOfRange:
        FUZZ_CHECK(entry.shownText == typed, "a refused text stays as typed");
        FUZZ_CHECK(!isNumber || !std::isfinite(v) || v < (fixed ? 0.5 : 0.0) || v > 120.0,
                   "only a time outside the range is out of range");
        return;
    case Outcome::BadInterval:
        FUZZ_CHECK(isNumber && v >= (fixed ? 0.5 : 0.0) && v <= 120.0,
                   "an interval is judged only inside the range");
        return;
    case Outcome::Accepted:
        break;
    }
    FUZZ_CHECK(isNumber, "only a number is accepted");
    FUZZ_CHECK(entry.byte <= 240 && (!fixed || entry.byte >= 1),
               "an accepted time is 0.5 s .. 120.0 s (or STD outside FIXED)");
    FUZZ_CHECK(std::fabs(entry.byte * 0.5 - v) <= 0.05 + 1e-9,
               "the stored time is the typed one to a tenth of a second");
    FUZZ_CHECK(entry.shownText == alertTimeText(entry.byte), "the field shows what is stored");
    const AlertTimeEntry again = checkAlertTime(entry.shownText, fixed);
    FUZZ_CHECK(again.outcome == Outcome::Accepted && again.byte == entry.byte &&
                   again.shownText == entry.shownText,
               "the shown text is accepted again as the same time");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed = kz::fuzz::textOf(data, size);
    checkEntry(typed, true);
    checkEntry(typed, false);
    return 0;
}
