#include "tone_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using namespace kz;

TEST(StandardToneTable, SnapListIsTheGridSortedWithRepeatsKept) {
    std::vector<std::uint16_t> grid;
    for (const auto& group : kStandardToneGroups)
        grid.insert(grid.end(), group.tones.begin(), group.tones.end());
    std::sort(grid.begin(), grid.end());
    ASSERT_EQ(grid.size(), kStandardSnapList.size());
    EXPECT_TRUE(std::equal(grid.begin(), grid.end(), kStandardSnapList.begin()));
}

TEST(StandardToneTable, SnapListRunsFrom2885To24682WithTwoRepeats) {
    EXPECT_TRUE(std::is_sorted(kStandardSnapList.begin(), kStandardSnapList.end()));
    EXPECT_EQ(kStandardSnapList.front(), 2885);
    EXPECT_EQ(kStandardSnapList.back(), 24682);
    std::map<std::uint16_t, int> counts;
    for (auto tone : kStandardSnapList)
        ++counts[tone];
    std::map<std::uint16_t, int> repeated;
    for (auto [tone, count] : counts)
        if (count > 1)
            repeated[tone] = count;
    EXPECT_EQ(repeated, (std::map<std::uint16_t, int>{{7674, 2}, {8325, 2}}));
}

TEST(StandardToneTable, GroupsByNameAndDigit) {
    struct Case {
        std::string_view name;
        int digit;
        std::uint16_t tone;
    };
    const Case cases[] = {
        {"Mot 1", 0, 3305},  {"Mot 3", 0, 10924}, {"Mot 3", 1, 2885},   {"Mot 5", 6, 7674},
        {"Mot 6", 5, 12858}, {"Mot B", 7, 7674},  {"Mot 11", 9, 24682}, {"GE A' ", 0, 6825},
        {"GE B' ", 3, 8325}, {"GE C' ", 9, 6225},
    };
    for (const auto& c : cases) {
        const auto it = std::find_if(kStandardToneGroups.begin(), kStandardToneGroups.end(),
                                     [&](const auto& g) { return g.name == c.name; });
        ASSERT_NE(it, kStandardToneGroups.end()) << c.name;
        EXPECT_EQ(it->tones[static_cast<std::size_t>(c.digit)], c.tone) << c.name << c.digit;
    }
    EXPECT_EQ(kStandardToneGroups[11].name, "GE A' ") << "the GE names end with a blank";
}

TEST(PlectronToneTable, FiftyNineAscendingTonesFrom2822To34870) {
    EXPECT_TRUE(std::is_sorted(kPlectronTones.begin(), kPlectronTones.end()));
    EXPECT_EQ(std::adjacent_find(kPlectronTones.begin(), kPlectronTones.end()),
              kPlectronTones.end());
    EXPECT_EQ(kPlectronTones.front(), 2822);
    EXPECT_EQ(kPlectronTones[29], 9920);
    EXPECT_EQ(kPlectronTones.back(), 34870);
}

} // namespace
