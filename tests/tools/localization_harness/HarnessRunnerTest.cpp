#include "tools/localization_harness/HarnessRunner.h"

#include "tools/localization_harness/ScenarioCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tools {
namespace localization_harness {
namespace {

using representations::PlaySide;

constexpr double RADIANS_PER_DEGREE = 0.017453292519943295;

/// The figures of the first full run (also in the README). A scenario fails
/// when a figure gets more than 1.5 times worse; figures near zero get a small
/// absolute allowance instead (a centimetre, a fifth of a degree, one vision
/// period), as a ratio means nothing there.
struct Recorded {
    std::string name;
    PlaySide::PLAY_SIDE side;
    double positionRms, position95, positionMax;
    double headingRmsDegrees, headingMaxDegrees;
    int convergeCycles;
    int recoverCycles;
};

const Recorded RECORDED[] = {
    {"standing", PlaySide::LEFT, 0.004, 0.007, 0.011, 0.07, 0.19, 0, ScenarioResult::NEVER},
    {"walking", PlaySide::LEFT, 0.026, 0.044, 0.053, 0.15, 0.54, 0, ScenarioResult::NEVER},
    {"turning", PlaySide::LEFT, 0.024, 0.046, 0.048, 0.18, 0.54, 0, ScenarioResult::NEVER},
    {"corner", PlaySide::LEFT, 0.004, 0.007, 0.008, 0.14, 0.36, 0, ScenarioResult::NEVER},
    {"lines_only", PlaySide::LEFT, 0.014, 0.025, 0.029, 0.17, 0.58, 0, ScenarioResult::NEVER},
    {"kidnapped", PlaySide::LEFT, 0.016, 0.025, 0.026, 0.11, 0.28, 0, 2},
    {"blind", PlaySide::LEFT, 0.020, 0.043, 0.047, 0.68, 1.86, 0, ScenarioResult::NEVER},
    {"standing", PlaySide::RIGHT, 0.003, 0.006, 0.013, 0.08, 0.24, 0, ScenarioResult::NEVER},
    {"walking", PlaySide::RIGHT, 0.020, 0.044, 0.065, 0.12, 0.38, 0, ScenarioResult::NEVER},
    {"turning", PlaySide::RIGHT, 0.030, 0.053, 0.055, 0.19, 0.63, 0, ScenarioResult::NEVER},
    {"corner", PlaySide::RIGHT, 0.003, 0.005, 0.006, 0.14, 0.44, 0, ScenarioResult::NEVER},
    {"lines_only", PlaySide::RIGHT, 0.012, 0.020, 0.023, 0.15, 0.39, 0, ScenarioResult::NEVER},
    {"kidnapped", PlaySide::RIGHT, 0.013, 0.024, 0.027, 0.08, 0.22, 0, 8},
    {"blind", PlaySide::RIGHT, 0.013, 0.030, 0.033, 0.41, 1.44, 0, ScenarioResult::NEVER},
};

constexpr double WORSE = 1.5;
constexpr double POSITION_ALLOWANCE = 0.01;
constexpr double HEADING_ALLOWANCE = 0.2 * RADIANS_PER_DEGREE;
constexpr int CYCLES_ALLOWANCE = 3;

double allowed(double recorded, double allowance) { return std::max(WORSE * recorded, recorded + allowance); }

int allowedCycles(int recorded) {
    return static_cast<int>(std::max(std::floor(WORSE * recorded), static_cast<double>(recorded + CYCLES_ALLOWANCE)));
}

std::string nameOf(const ::testing::TestParamInfo<Recorded>& info) {
    return info.param.name + (info.param.side == PlaySide::LEFT ? "_left" : "_right");
}

class RecordedAccuracyTest : public ::testing::TestWithParam<Recorded> {};

TEST_P(RecordedAccuracyTest, StaysWithinOneAndAHalfTimesTheFirstRun) {
    const Recorded& recorded = GetParam();
    const std::vector<Scenario> scenarios = ScenarioCatalogue::standardScenarios(recorded.side);
    const auto scenario = std::find_if(scenarios.begin(), scenarios.end(),
                                       [&](const Scenario& candidate) { return candidate.name == recorded.name; });
    ASSERT_NE(scenario, scenarios.end());

    const ScenarioResult result = HarnessRunner::run(*scenario);

    SCOPED_TRACE(ScenarioResult::tableHeader() + "\n" + result.tableRow());
    EXPECT_EQ(result.nanCycles, 0);
    EXPECT_LE(result.positionRms, allowed(recorded.positionRms, POSITION_ALLOWANCE));
    EXPECT_LE(result.position95, allowed(recorded.position95, POSITION_ALLOWANCE));
    EXPECT_LE(result.positionMax, allowed(recorded.positionMax, POSITION_ALLOWANCE));
    EXPECT_LE(result.headingRms, allowed(recorded.headingRmsDegrees * RADIANS_PER_DEGREE, HEADING_ALLOWANCE));
    EXPECT_LE(result.headingMax, allowed(recorded.headingMaxDegrees * RADIANS_PER_DEGREE, HEADING_ALLOWANCE));
    ASSERT_NE(result.convergeCycles, ScenarioResult::NEVER);
    EXPECT_LE(result.convergeCycles, allowedCycles(recorded.convergeCycles));
    EXPECT_EQ(result.kidnapped, recorded.recoverCycles != ScenarioResult::NEVER);
    if (result.kidnapped) {
        ASSERT_NE(result.recoverCycles, ScenarioResult::NEVER);
        EXPECT_LE(result.recoverCycles, allowedCycles(recorded.recoverCycles));
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, RecordedAccuracyTest, ::testing::ValuesIn(RECORDED), nameOf);

TEST(HarnessRunnerTest, EveryStandardScenarioHasARecord) {
    const std::vector<Scenario> scenarios = ScenarioCatalogue::standardScenarios();
    ASSERT_EQ(scenarios.size(), std::size(RECORDED));
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        EXPECT_EQ(scenarios[i].name, RECORDED[i].name);
        EXPECT_EQ(scenarios[i].side, RECORDED[i].side);
    }
}

TEST(HarnessRunnerTest, RunsAreReproducible) {
    const Scenario scenario = ScenarioCatalogue::standardScenarios(PlaySide::LEFT).at(1);
    EXPECT_EQ(HarnessRunner::run(scenario).tableRow(), HarnessRunner::run(scenario).tableRow());
}

std::vector<double> repeated(std::initializer_list<std::pair<int, double>> runs) {
    std::vector<double> values;
    for (const auto& run : runs) {
        values.insert(values.end(), static_cast<std::size_t>(run.first), run.second);
    }
    return values;
}

TEST(HarnessRunnerTest, MeasuresAfterSettlingAndCountsConvergence) {
    const int settle = HarnessRunner::SETTLE_CYCLES;
    const int hold = HarnessRunner::CONVERGED_CYCLES;
    struct Case {
        std::vector<double> positions;
        std::vector<double> headings;
        int kidnapCycle;
        double rms, p95, max;
        int converge, recover;
    };
    const Case cases[] = {
        // Converges at 10; the scored cycles are all 0.1 but one 0.2.
        {repeated({{10, 5.0}, {settle - 10, 0.1}, {99, 0.1}, {1, 0.2}}), repeated({{settle + 100, 0.0}}), -1,
         std::sqrt((99 * 0.01 + 0.04) / 100), 0.1, 0.2, 10, ScenarioResult::NEVER},
        // A converged run that breaks off too early does not count.
        {repeated({{hold - 1, 0.1}, {1, 1.0}, {settle + 100, 0.1}}), repeated({{settle + hold + 100, 0.0}}), -1, 0.1,
         0.1, 0.1, hold, ScenarioResult::NEVER},
        // The heading counts too.
        {repeated({{settle + 100, 0.1}}), repeated({{50, 0.5}, {settle + 50, 0.01}}), -1, 0.1, 0.1, 0.1, 50,
         ScenarioResult::NEVER},
        // The cycles right after a kidnap are not scored; it recovers 6 cycles later.
        {repeated({{settle, 0.0}, {6, 8.0}, {settle + 100, 0.1}}), repeated({{2 * settle + 106, 0.0}}), settle, 0.1,
         0.1, 0.1, 0, 6},
        {repeated({{settle + 100, 3.0}}), repeated({{settle + 100, 0.0}}), -1, 3.0, 3.0, 3.0, ScenarioResult::NEVER,
         ScenarioResult::NEVER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.positions.size() << " cycles, kidnap at " << c.kidnapCycle);
        const ScenarioResult result = HarnessRunner::measure(c.positions, c.headings, c.kidnapCycle);
        EXPECT_NEAR(result.positionRms, c.rms, 1e-12);
        EXPECT_NEAR(result.position95, c.p95, 1e-12);
        EXPECT_NEAR(result.positionMax, c.max, 1e-12);
        EXPECT_EQ(result.convergeCycles, c.converge);
        EXPECT_EQ(result.kidnapped, c.kidnapCycle >= 0);
        EXPECT_EQ(result.recoverCycles, c.recover);
    }
}

} // namespace
} // namespace localization_harness
} // namespace tools
