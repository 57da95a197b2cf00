#pragma once

#include "system_rules.h"

#include <QString>

#include <cstdint>
#include <optional>

// The WB and NB squelch level tables: five levels per group, each a [Speaker OFF, Speaker ON]
// pair of thresholds in hundredths of a volt. The Setting page chooses one level per group; the
// pager then works with that pair, coded like its other signal voltages.
namespace kz {

// The squelch tables belong to the same WB and NB groups as the System page's thresholds.
using SquelchGroup = VoltageGroup;

inline constexpr int kSquelchLevels = 5;
inline constexpr int kSquelchRows = 2 * kSquelchLevels; // edit rows 0..9 of a group

// Byte of edit row r (0..9): level r / 2 + 1, Speaker OFF on even rows, Speaker ON on odd rows.
// NB level 5 sits apart from levels 1..4.
int squelchLevelOffset(SquelchGroup group, int row);
// Byte of the Speaker OFF (first) and Speaker ON (second) value of level index 0..4.
inline int squelchPairOffset(SquelchGroup group, int level) {
    return squelchLevelOffset(group, 2 * level);
}
// "%01.2f" of hundredths of a volt (93 shows "0.93").
QString squelchLevelText(std::uint8_t hundredths);

// Voltage codes and their texts are the System page's (voltageCodeOf, voltageText).

// The lowest threshold a level takes.
inline constexpr int kSquelchLowest = 2; // 0.02 V
inline const QString kSquelchOrderMessage =
    QStringLiteral("You must let Speaker OFF < Speaker ON !");
// "Please insert a number between 0.02 to 0.95 !" for the Speaker ON text "0.95".
QString squelchRangeMessage(const QString& speakerOnText);

struct SquelchLevelEntry {
    enum class Outcome {
        Empty,      // nothing typed: show the stored value
        OutOfRange, // below 0.02, above the group's Speaker ON, or no number: stored value again
        Order,      // Speaker OFF above Speaker ON: stored value again
        Accepted,
    };
    Outcome outcome;
    QString shownText;     // "%01.2f" of the accepted value
    std::uint8_t byte = 0; // hundredths to store
};
// Checks the text typed into edit row `row` against the group's Speaker ON (as shown, in
// hundredths) and the text shown in the other row of the level's pair. A value whose hundredths
// do not fit a byte is out of range whatever the Speaker ON.
SquelchLevelEntry checkSquelchLevel(int row, const QString& typed, int speakerOnHundredths,
                                    const QString& pairText);

// squelchLevelSelect: the WB level index in the low four bits, the NB level index in the high
// four bits; 255 means nothing chosen yet, which loads as level 3 for both.
inline constexpr std::uint8_t kSquelchSelectUnset = 255;
inline constexpr std::uint8_t kSquelchSelectDefault = 0x22;
int selectedSquelchLevel(std::uint8_t select, SquelchGroup group);
std::uint8_t withSquelchLevel(std::uint8_t select, SquelchGroup group, int level);

} // namespace kz
