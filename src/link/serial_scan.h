#pragma once

#include <QString>

#include <cstdint>

// Telling a barcode scan from a serial number typed by hand. A scanner types the whole label in
// a burst and ends it with Enter; a person is far slower. The serial field measures the time
// from the key that follows the first character to Enter: under 250 ms for at least eleven
// characters is a scan, which starts the programming run.
namespace kz {

// The serial field's text without leading and trailing blanks and control characters.
QString trimmedSerialText(const QString& text);

class SerialScan {
public:
    static constexpr int kMinimumLength = 11;
    static constexpr std::uint64_t kScanWindowMs = 250;

    enum class Action {
        None,        // let the key reach the field
        Swallow,     // Enter that starts nothing: the key goes no further
        TypedByHand, // Enter after a slow entry: swallowed, the focus stays on the field
        StartRun,    // Enter after a scan: swallowed, the run starts
    };

    // A key goes down in the field, before its character reaches the field's text.
    // `trimmedLength` is the length of the field's trimmed text at that moment; `nowMs` a
    // millisecond clock reading.
    Action keyDown(int trimmedLength, bool enter, std::uint64_t nowMs);

    // A character reaches the field: true when it is Enter ending a long entry, which is then
    // swallowed and the focus leaves the field.
    static bool endsLongEntry(bool enter, int trimmedLength);

private:
    std::uint64_t startMs_ = 0;
};

} // namespace kz
