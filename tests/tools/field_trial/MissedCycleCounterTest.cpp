#include "tools/field_trial/MissedCycleCounter.h"

#include <gtest/gtest.h>

#include <vector>

namespace tools {
namespace field_trial {
namespace {

TEST(MissedCycleCounterTest, CountsTheCyclesTheClockWentBeyondTheMessages) {
    const struct {
        const char* what;
        std::vector<double> times; // one per message
        int missed;
    } cases[] = {
        {"every cycle", {17.70, 17.72, 17.74, 17.76}, 0},
        {"a hundredth long, then short: the drift's misreading", {101.35, 101.37, 101.38, 101.40, 101.43, 101.45}, 0},
        {"one cycle missed", {17.70, 17.72, 17.76, 17.78}, 1},
        {"a step read a hundredth long, as the drift reads it", {148.91, 148.93, 148.96, 148.98}, 0},
        {"one missed, read a hundredth long", {148.91, 148.93, 148.98, 149.00}, 1},
        {"three missed at once", {17.70, 17.78, 17.80}, 3},
        {"a message without a time between", {17.70, 0.0, 17.74, 17.76}, 0},
        {"an unreadable time kept from before", {17.70, 17.70, 17.74}, 0},
        {"an unreadable time, then a missed cycle", {17.70, 0.0, 17.76}, 1},
    };
    for (const auto& c : cases) {
        MissedCycleCounter counter;
        for (const double time : c.times) {
            counter.observe(time);
        }
        EXPECT_EQ(counter.getMissed(), c.missed) << c.what;
    }
}

} // namespace
} // namespace field_trial
} // namespace tools
