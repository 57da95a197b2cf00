#include "serial_scan.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Action = kz::SerialScan::Action;

// Feeds `length` characters one key at a time, `gapMs` apart from `startMs`, the way the field
// sees them (the length before each key's character arrives), then Enter `enterAfterMs` after the
// last character. Returns what Enter does.
Action typeThenEnter(kz::SerialScan& scan, int length, std::uint64_t startMs, std::uint64_t gapMs,
                     std::uint64_t enterAfterMs) {
    std::uint64_t now = startMs;
    for (int typed = 0; typed < length; ++typed) {
        EXPECT_EQ(scan.keyDown(typed, false, now), Action::None) << "a character goes through";
        now += gapMs;
    }
    return scan.keyDown(length, true, now - gapMs + enterAfterMs);
}

TEST(SerialScan, EnterDecidesByLengthAndTheTimeSinceTheKeyAfterTheFirstCharacter) {
    struct Case {
        const char* name;
        int length;
        std::uint64_t gapMs;
        std::uint64_t enterAfterMs;
        Action expected;
    };
    const Case cases[] = {
        {"fourteen characters scanned", 14, 5, 5, Action::StartRun},
        {"eleven characters scanned", 11, 5, 5, Action::StartRun},
        {"ten characters, however fast", 10, 1, 1, Action::Swallow},
        {"nothing typed", 0, 1, 1, Action::Swallow},
        {"fourteen typed by hand", 14, 120, 120, Action::TypedByHand},
        // From the second key to Enter: 12 gaps of 20 ms and 9 ms = 249 ms is still a scan...
        {"just inside the window", 14, 20, 9, Action::StartRun},
        // ... 250 ms is not.
        {"at the window's end", 14, 20, 10, Action::TypedByHand},
    };
    for (const auto& c : cases) {
        kz::SerialScan scan;
        EXPECT_EQ(typeThenEnter(scan, c.length, 1000, c.gapMs, c.enterAfterMs), c.expected)
            << c.name;
    }
}

TEST(SerialScan, TheFirstCharacterMayComeLongAfterEnteringTheField) {
    // The clock starts at the key after the first character: a scanner that is picked up only
    // later still scans, and the first key of a person still counts for nothing.
    kz::SerialScan scan;
    EXPECT_EQ(scan.keyDown(0, false, 1000), Action::None);
    std::uint64_t now = 9000;
    for (int typed = 1; typed < 14; ++typed)
        EXPECT_EQ(scan.keyDown(typed, false, now += 5), Action::None);
    EXPECT_EQ(scan.keyDown(14, true, now + 5), Action::StartRun);
}

TEST(SerialScan, AClockThatWrappedStillMeasuresTheScan) {
    kz::SerialScan scan;
    const std::uint64_t nearEnd = ~std::uint64_t{0} - 20;
    EXPECT_EQ(typeThenEnter(scan, 14, nearEnd, 3, 3), Action::StartRun);
}

TEST(SerialScan, PastingALabelIsNoScan) {
    // A paste puts all characters in at once: no key follows a first character, so the clock
    // still runs from an earlier entry.
    kz::SerialScan scan;
    EXPECT_EQ(scan.keyDown(1, false, 100), Action::None);
    EXPECT_EQ(scan.keyDown(14, true, 10'000), Action::TypedByHand);
}

TEST(SerialScan, EnterEndsOnlyALongEntry) {
    EXPECT_TRUE(kz::SerialScan::endsLongEntry(true, 11));
    EXPECT_TRUE(kz::SerialScan::endsLongEntry(true, 14));
    EXPECT_FALSE(kz::SerialScan::endsLongEntry(true, 10));
    EXPECT_FALSE(kz::SerialScan::endsLongEntry(false, 14));
}

TEST(SerialScan, TrimmingRemovesBlanksAndControlCharactersAtBothEnds) {
    struct Case {
        QString text;
        QString trimmed;
    };
    const Case cases[] = {
        {"948GH3d0012001", "948GH3d0012001"},
        {"  948GH3d0012001\r\n", "948GH3d0012001"},
        {QString("\t948 GH3\x01") + QChar(0), "948 GH3"},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kz::trimmedSerialText(c.text), c.trimmed) << c.text.toStdString();
}

} // namespace
