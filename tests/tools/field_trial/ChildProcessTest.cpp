#include "tools/field_trial/ChildProcess.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <string>

namespace tools {
namespace field_trial {
namespace {

using namespace std::chrono_literals;

/// Longer than any of these programs takes, shorter than any test may.
constexpr auto BOUND = 30s;

std::vector<std::string> shell(const std::string& script) { return {"/bin/sh", "-c", script}; }

TEST(ChildProcessTest, SaysHowTheProgramEndedAndKeepsItsOutput) {
    const tests::TemporaryFolder folder;
    const struct {
        std::vector<std::string> arguments;
        bool clean;
        std::string ended;
        std::string output;
    } cases[] = {
        {shell("echo said; exit 0"), true, "ended with status 0", "said\n"},
        {shell("echo said >&2; exit 3"), false, "ended with status 3", "said\n"},
        {shell("kill -SEGV $$"), false, "crashed (Segmentation fault)", ""},
        {{folder / "no-such-program"}, false, "ended with status 127", ""},
    };
    for (const auto& c : cases) {
        const std::string log = folder / "output.log";
        ChildProcess child(c.arguments, log, SIGTERM);
        ASSERT_TRUE(child.hasEnded(BOUND)) << c.ended;
        EXPECT_EQ(child.endedCleanly(), c.clean) << c.ended;
        EXPECT_EQ(child.howItEnded(), c.ended);
        EXPECT_FALSE(child.cpuSeconds().has_value());
        EXPECT_EQ(tests::TemporaryFolder::read(log), c.output) << c.ended;
    }
}

TEST(ChildProcessTest, AProgramThatRunsIsAskedToEndAndKilledWhenItDoesNot) {
    const tests::TemporaryFolder folder;
    ChildProcess obeying(shell("trap 'exit 0' TERM; while :; do sleep 0.05; done"), folder / "obeying.log", SIGTERM);
    ChildProcess deaf(shell("trap '' INT; while :; do sleep 0.05; done"), folder / "deaf.log", SIGINT);
    EXPECT_FALSE(obeying.hasEnded(200ms));
    EXPECT_EQ(obeying.howItEnded(), "");
    ASSERT_TRUE(obeying.cpuSeconds().has_value());
    EXPECT_GE(*obeying.cpuSeconds(), 0.0);

    obeying.stop();
    EXPECT_TRUE(obeying.endedCleanly()) << obeying.howItEnded();
    deaf.stop();
    EXPECT_FALSE(deaf.endedCleanly());
    EXPECT_EQ(deaf.howItEnded(), "killed, 5 s after it was asked to end");
}

} // namespace
} // namespace field_trial
} // namespace tools
