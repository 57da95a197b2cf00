// The pure rules behind the Advance page: battery table and gauge order, squelch level checks
// and selection, decoder bandwidth and Group Call Duration numbers.
#include "advance_numbers.h"
#include "battery_levels.h"
#include "entry_keys.h"
#include "pager_fields.h"
#include "setting_keys.h"
#include "squelch_levels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kz::GaugeList;
using kz::SquelchGroup;

TEST(BatteryTable, HoldsTheCodeOfEveryTableVoltage) {
    int rows = 0;
    for (int v = kz::kBatteryTableLowest; v <= kz::kBatteryTableHighest;
         v += kz::kBatteryTableStep, ++rows) {
        // V x 256 / 4.5 cut to its whole part, computed in whole numbers.
        const int expected = v * 256 / 450;
        const auto code = kz::batteryCodeOf(v);
        ASSERT_TRUE(code) << v;
        EXPECT_EQ(*code, expected) << v;
        EXPECT_EQ(kz::batteryVoltageOf(*code), v) << "the table reads both ways";
    }
    EXPECT_EQ(rows, 19);
    EXPECT_EQ(kz::batteryCodeOf(350), 199);
    EXPECT_EQ(kz::batteryCodeOf(345), 196);
}

TEST(BatteryTable, KnowsNothingOutsideItsRows) {
    for (int v : {320, 326, 348, 420, 0, -5})
        EXPECT_FALSE(kz::batteryCodeOf(v)) << v;
    for (int code : {0, 183, 185, 200, 237, 255})
        EXPECT_FALSE(kz::batteryVoltageOf(static_cast<std::uint8_t>(code))) << code;
}

TEST(BatteryTable, ListTextsReadAsHundredths) {
    EXPECT_EQ(kz::batteryText(415), "4.15V");
    EXPECT_EQ(kz::batteryText(370), "3.70V");
    EXPECT_EQ(kz::batteryHundredthsOf("4.15V"), 415);
    EXPECT_EQ(kz::batteryHundredthsOf("3.05V"), 305);
    for (const char* text : {"", "4V", "4.1", "x.15V", "41.5V"})
        EXPECT_FALSE(kz::batteryHundredthsOf(QString::fromLatin1(text))) << text;
}

TEST(BatteryTable, ImagesOfToolsBefore219OrNeverStampedHavePreTableLevels) {
    struct Case {
        int major;
        int minorPatch;
        bool preTable;
    };
    const Case cases[] = {
        {0x02, 0x18, true},  {0x02, 0x19, false}, {0x01, 0x08, true}, {0x03, 0x00, false},
        {0x02, 0x20, false}, {0xFF, 0xFF, true},  {0x00, 0x99, true}, {0x02, 0x0F, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kz::hasPreTableBatteryLevels(static_cast<std::uint8_t>(c.major),
                                               static_cast<std::uint8_t>(c.minorPatch)),
                  c.preTable)
            << std::hex << c.major << "/" << c.minorPatch;
    // The production levels are table voltages: 3.50 V, 3.80 V and 3.95 V.
    EXPECT_EQ(kz::batteryVoltageOf(kz::kProductionGaugeLow), 350);
    EXPECT_EQ(kz::batteryVoltageOf(kz::kProductionGaugeMed), 380);
    EXPECT_EQ(kz::batteryVoltageOf(kz::kProductionGaugeHigh), 395);
}

TEST(GaugeOrder, OnlyTheChangedListsComparisonsAreMade) {
    struct Case {
        GaugeList changed;
        int high, med, low;
        bool refused;
    };
    const Case cases[] = {
        {GaugeList::High, 415, 380, 350, false},
        {GaugeList::High, 395, 395, 350, true},  // High equal to Med
        {GaugeList::High, 370, 360, 370, true},  // Low equal to High
        {GaugeList::High, 415, 350, 360, false}, // Med below Low is not High's business
        {GaugeList::Med, 415, 370, 370, true},   // Med equal to Low
        {GaugeList::Med, 390, 395, 350, true},   // Med above High
        {GaugeList::Med, 415, 380, 350, false},
        {GaugeList::Low, 415, 380, 380, true},
        {GaugeList::Low, 360, 390, 365, true}, // above High
        {GaugeList::Low, 415, 380, 330, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kz::gaugeOrderRefused(c.changed, c.high, c.med, c.low), c.refused)
            << static_cast<int>(c.changed) << ' ' << c.high << ' ' << c.med << ' ' << c.low;
}

TEST(AlertPeriod, PositionsAndStoredValues) {
    const int bytes[] = {255, 4, 10, 20, 60};
    for (int position = 0; position < kz::kAlertPeriodPositions; ++position) {
        EXPECT_EQ(kz::alertPeriodByteOf(position), bytes[position]);
        EXPECT_EQ(kz::alertPeriodPositionOf(static_cast<std::uint8_t>(bytes[position])), position);
    }
    for (int value : {0, 7, 30, 254})
        EXPECT_FALSE(kz::alertPeriodPositionOf(static_cast<std::uint8_t>(value))) << value;
}

TEST(SquelchLevels, RowsMapOntoTheirBytes) {
    EXPECT_EQ(kz::squelchLevelOffset(SquelchGroup::Wb, 0), 400);
    EXPECT_EQ(kz::squelchLevelOffset(SquelchGroup::Wb, 9), 409);
    EXPECT_EQ(kz::squelchLevelOffset(SquelchGroup::Nb, 0), 456);
    EXPECT_EQ(kz::squelchLevelOffset(SquelchGroup::Nb, 7), 463);
    EXPECT_EQ(kz::squelchLevelOffset(SquelchGroup::Nb, 8), 414);
    EXPECT_EQ(kz::squelchLevelOffset(SquelchGroup::Nb, 9), 415);
    EXPECT_EQ(kz::squelchPairOffset(SquelchGroup::Nb, 4), PagerField::nbSquelchLevel5);
    EXPECT_EQ(kz::squelchLevelText(93), "0.93");
    EXPECT_EQ(kz::squelchLevelText(165), "1.65");
}

TEST(SquelchLevels, VoltageCodesRoundHalfUpToOneDecimalThenCut) {
    const std::pair<int, int> cases[] = {{93, 79},   {78, 66}, {95, 81},  {81, 69},
                                         {195, 166}, {0, 0},   {255, 217}};
    for (const auto& [hundredths, code] : cases) {
        EXPECT_EQ(kz::voltageCodeOf(hundredths), code) << hundredths;
        EXPECT_EQ(kz::voltageCodeOf(hundredths),
                  static_cast<int>(std::floor(hundredths / 100.0 * 256.0 / 3.0 + 0.05)));
    }
    EXPECT_EQ(kz::voltageText(81), "0.95");
    EXPECT_EQ(kz::voltageText(69), "0.81");
    EXPECT_EQ(kz::voltageText(66), "0.77");
}

TEST(SquelchLevels, ExitCheckBoundsAndPairOrder) {
    using Outcome = kz::SquelchLevelEntry::Outcome;
    struct Case {
        int row;
        const char* typed;
        int speakerOn;
        const char* pair;
        Outcome outcome;
        int byte;
    };
    const Case cases[] = {
        {3, "0.96", 95, "0.80", Outcome::OutOfRange, 0}, // above the group's Speaker ON
        {2, "0.01", 95, "0.94", Outcome::OutOfRange, 0}, // below 0.02
        {2, "0.02", 95, "0.94", Outcome::Accepted, 2},
        {3, "0.95", 95, "0.80", Outcome::Accepted, 95}, // the bound itself passes
        {2, "0.94", 95, "0.94", Outcome::Accepted, 94}, // OFF equal to ON passes
        {2, "0.95", 95, "0.94", Outcome::Order, 0},     // OFF above its ON
        {3, "0.79", 95, "0.80", Outcome::Order, 0},     // ON below its OFF
        {8, "0.9", 81, "0.81", Outcome::OutOfRange, 0},
        {1, "", 95, "0.84", Outcome::Empty, 0},
        {1, "2.60", 299, "0.10", Outcome::OutOfRange, 0}, // does not fit a byte
        {1, "99999999999999999999", 299, "0.10", Outcome::OutOfRange, 0},
    };
    for (const Case& c : cases) {
        const auto entry = kz::checkSquelchLevel(c.row, QString::fromLatin1(c.typed), c.speakerOn,
                                                 QString::fromLatin1(c.pair));
        EXPECT_EQ(entry.outcome, c.outcome) << c.row << ' ' << c.typed;
        if (c.outcome == Outcome::Accepted) {
            EXPECT_EQ(entry.byte, c.byte) << c.typed;
            EXPECT_EQ(entry.shownText, kz::squelchLevelText(entry.byte));
        }
    }
    EXPECT_EQ(kz::squelchRangeMessage(" 0.95"), "Please insert a number between 0.02 to 0.95 !");
}

TEST(SquelchLevels, SelectionNibbles) {
    EXPECT_EQ(kz::selectedSquelchLevel(0x22, SquelchGroup::Wb), 2);
    EXPECT_EQ(kz::selectedSquelchLevel(0x31, SquelchGroup::Wb), 1);
    EXPECT_EQ(kz::selectedSquelchLevel(0x31, SquelchGroup::Nb), 3);
    EXPECT_EQ(kz::withSquelchLevel(0x22, SquelchGroup::Wb, 4), 0x24);
    EXPECT_EQ(kz::withSquelchLevel(0x22, SquelchGroup::Nb, 0), 0x02);
}

TEST(DecoderBandwidth, ItemTextTimesTenTruncated) {
    for (int position = 0; position < 16; ++position) {
        const QString item = QString::asprintf("%.1f", 0.1 + 0.2 * position);
        EXPECT_EQ(kz::decoderBandwidthValueOfText(item), 2 * position + 1) << item.toStdString();
    }
    EXPECT_EQ(kz::decoderBandwidthValueOfText("1.5"), 15);
    EXPECT_FALSE(kz::decoderBandwidthValueOfText(""));
}

TEST(GroupCallDuration, WholeNumbersUpTo65535) {
    EXPECT_EQ(kz::wordOfTypedNumber("0"), 0);
    EXPECT_EQ(kz::wordOfTypedNumber("65535"), 65535);
    for (const char* text : {"65536", "-1", "1.5", "x", "123456789012345678901234567890"})
        EXPECT_FALSE(kz::wordOfTypedNumber(QString::fromLatin1(text))) << text;
}

} // namespace
