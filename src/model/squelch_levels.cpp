#include "squelch_levels.h"

#include "pager_fields.h"

#include <cmath>

namespace kz {

namespace {

// NB levels 1..4 lie in one block; level 5 in its own two bytes.
constexpr int kNbRowsInBlock = PagerField::nbSquelchLevelsWidth;

} // namespace

int squelchLevelOffset(SquelchGroup group, int row) {
    if (group == SquelchGroup::Wb)
        return PagerField::wbSquelchLevels + row;
    return row < kNbRowsInBlock ? PagerField::nbSquelchLevels + row
                                : PagerField::nbSquelchLevel5 + (row - kNbRowsInBlock);
}

QString squelchLevelText(std::uint8_t hundredths) {
    return QString::asprintf("%01.2f", hundredths * 0.01);
}

QString squelchRangeMessage(const QString& speakerOnText) {
    return QStringLiteral("Please insert a number between 0.02 to %1 !")
        .arg(speakerOnText.trimmed());
}

SquelchLevelEntry checkSquelchLevel(int row, const QString& typed, int speakerOnHundredths,
                                    const QString& pairText) {
    using Outcome = SquelchLevelEntry::Outcome;
    if (typed.trimmed().isEmpty())
        return {Outcome::Empty, {}, 0};
    const auto value = hundredthsOf(typed);
    if (!value || *value < kSquelchLowest || *value > speakerOnHundredths || *value > 255)
        return {Outcome::OutOfRange, {}, 0};
    // The pair is compared with what the other row shows; equal values pass.
    if (const auto other = hundredthsOf(pairText)) {
        const bool speakerOff = row % 2 == 0;
        if (speakerOff ? *value > *other : *value < *other)
            return {Outcome::Order, {}, 0};
    }
    const auto byte = static_cast<std::uint8_t>(*value);
    return {Outcome::Accepted, squelchLevelText(byte), byte};
}

int selectedSquelchLevel(std::uint8_t select, SquelchGroup group) {
    return group == SquelchGroup::Wb ? (select & 0x0F) : (select >> 4);
}

std::uint8_t withSquelchLevel(std::uint8_t select, SquelchGroup group, int level) {
    const auto nibble = static_cast<std::uint8_t>(level & 0x0F);
    if (group == SquelchGroup::Wb)
        return static_cast<std::uint8_t>((select & 0xF0) | nibble);
    return static_cast<std::uint8_t>((select & 0x0F) | (nibble << 4));
}

} // namespace kz
