#include "serial_prefixes.h"

#include <gtest/gtest.h>

TEST(SerialPrefixes, FirstElevenCharactersDecide) {
    struct Case {
        const char* serial;
        bool known;
    };
    const Case cases[] = {
        {"948GH3d0008000", true},  {"948GH3d0012345", true},
        {"948GH3d0019", true},     {"948GH3d0010", true},
        {"948GH3d0011000", false}, {"948GH3d0007999", false},
        {"948GH3d0020000", false}, {"948gh3d0012000", false},
        {"948GH3d001", false},     {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kz::hasKnownSerialPrefix(QByteArray(c.serial)), c.known) << c.serial;
}
