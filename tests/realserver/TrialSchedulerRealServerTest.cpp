// The field trials' scheduler against the real simulation server: each trial
// in a process of its own, whose crash or failure is its own.
#include "tests/support/Watchdog.h"
#include "tools/field_trial/RealServer.h"
#include "tools/field_trial/SinglePlayerTrial.h"
#include "tools/field_trial/TrialScheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tools {
namespace field_trial {
namespace {

class Crashing : public SinglePlayerTrial {
public:
    Crashing() : SinglePlayerTrial("crashing") {}
    void run(TrialField& /*field*/, TrialFigures& /*figures*/) const override { std::raise(SIGSEGV); }
};

class Refusing : public SinglePlayerTrial {
public:
    Refusing() : SinglePlayerTrial("refusing") {}
    void run(TrialField& field, TrialFigures& /*figures*/) const override {
        field.stepFor(0.2);
        throw std::runtime_error("refused on purpose");
    }
};

class Standing : public SinglePlayerTrial {
public:
    Standing() : SinglePlayerTrial("standing") {}
    void run(TrialField& field, TrialFigures& figures) const override {
        standAt(field, marlowinds_lib::math::Pose2D(0.5, -2.0, 1.0));
        field.posture().reset();
        field.stepFor(1.0);
        figures.falls = field.posture().getFalls();
        figures.uprightShare = field.posture().getUprightShare();
    }
};

/// The folder a failure names, which is kept for its logs.
std::string keptFolder(const std::string& failure) {
    const std::string named = "its logs: ";
    const std::size_t at = failure.find(named);
    return at == std::string::npos ? "" : failure.substr(at + named.size(), failure.size() - at - named.size() - 1);
}

TEST(TrialSchedulerRealServerTest, ACrashOrAFailureCostsOnlyItsTrialAndKeepsItsLogs) {
    if (RealServer::command().empty()) {
        GTEST_SKIP() << "RCSSSERVER3D names no real server on this machine";
    }
    tests::Watchdog watchdog(240);
    const Crashing crashing;
    const Refusing refusing;
    const Standing standing;
    const TrialScheduler scheduler({MARLOWINDS_CONFIGURATION_DIR, {}}, Damage{}, 2);
    std::ostringstream progress;
    const auto figures = scheduler.run({{&crashing, 0}, {&refusing, 4}, {&standing, 2}}, progress);
    ASSERT_EQ(figures.size(), 3u);

    EXPECT_EQ(figures[0].trial, "crashing");
    EXPECT_EQ(figures[0].failure.rfind("crashed", 0), 0u) << figures[0].failure;
    EXPECT_FALSE(figures[0].cycles.has_value());

    EXPECT_EQ(figures[1].body, 4);
    EXPECT_EQ(figures[1].failure.rfind("refused on purpose", 0), 0u) << figures[1].failure;
    EXPECT_GE(figures[1].cycles.value_or(0.0), 10.0) << "what ran before the failure is counted";

    EXPECT_EQ(figures[2].failure, "");
    EXPECT_EQ(figures[2].falls, 0.0);
    EXPECT_EQ(figures[2].uprightShare, 1.0);
    EXPECT_EQ(figures[2].missedCycles, 0.0);
    EXPECT_EQ(figures[2].notFiniteCycles, 0.0);
    EXPECT_GT(figures[2].cpuMean.value_or(0.0), 0.0);

    for (const TrialFigures& failed : {figures[0], figures[1]}) {
        const std::string folder = keptFolder(failed.failure);
        EXPECT_TRUE(std::filesystem::exists(folder + "/trial.log")) << failed.failure;
        EXPECT_TRUE(std::filesystem::exists(folder + "/server/server.log")) << failed.failure;
        std::filesystem::remove_all(folder);
    }
    const std::string lines = progress.str();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3) << lines;
}

} // namespace
} // namespace field_trial
} // namespace tools
