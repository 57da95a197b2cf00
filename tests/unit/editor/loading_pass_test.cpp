#include "loading_pass.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kz::LoadingPass;

TEST(LoadingPass, RunsStepsInTheirFixedOrderWhateverTheRegistrationOrder) {
    LoadingPass pass;
    std::vector<int> ran;
    // registered backwards, and two actions sharing step 22
    for (int step = LoadingPass::kStepCount; step >= 1; --step)
        pass.add(static_cast<LoadingPass::Step>(step), [&ran, step] { ran.push_back(step); });
    pass.add(LoadingPass::FunctionOptionsAndBattery, [&ran] { ran.push_back(2200); });

    pass.run();

    std::vector<int> expected;
    for (int step = 1; step <= LoadingPass::kStepCount; ++step) {
        expected.push_back(step);
        if (step == LoadingPass::FunctionOptionsAndBattery)
            expected.push_back(2200);
    }
    EXPECT_EQ(ran, expected);
}

TEST(LoadingPass, HasTwentyEightStepsAndSkipsUnregisteredOnes) {
    EXPECT_EQ(LoadingPass::kStepCount, 28);
    EXPECT_EQ(LoadingPass::ToneSystem, 5);
    EXPECT_EQ(LoadingPass::ChannelF1Rows, 8);
    EXPECT_EQ(LoadingPass::DutySwitches, 23);
    EXPECT_EQ(LoadingPass::SerialNumber, 24);

    LoadingPass pass;
    int runs = 0;
    pass.add(LoadingPass::SerialNumber, [&runs] { ++runs; });
    EXPECT_TRUE(pass.hasStep(LoadingPass::SerialNumber));
    EXPECT_FALSE(pass.hasStep(LoadingPass::ToneSystem));
    pass.run();
    pass.run();
    EXPECT_EQ(runs, 2);
}

} // namespace
