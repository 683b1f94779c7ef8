// The player's whole cycle fed with damaged server messages: one bad message
// may cost its cycle, never the player.
#include "perception/MalformedInputReporter.h"
#include "tests/agent/PlayerInThisProcess.h"
#include "tests/support/DamagedServerStream.h"
#include "tools/test_server/CommandChecker.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tests {
namespace {

using tools::test_server::CommandChecker;
using tools::test_server::CommandMessage;

/// Several seeds, so that the messages are shared out over processes.
constexpr unsigned SEEDS[] = {1, 2, 3, 4};
constexpr int MESSAGES_PER_SEED = MARLOWINDS_DAMAGED_MESSAGES / 4;
const std::string TEAM = "Marlowinds";

class DamagedMessagesTest : public PlayerInThisProcess, public testing::WithParamInterface<unsigned> {};

TEST_P(DamagedMessagesTest, EveryMessageIsAnsweredWithFiniteCommandsAndThePlayerPlaysOn) {
    DamagedServerStream stream(GetParam(), TEAM);
    // Uniform numbers of different body types.
    const int uniformNumber = 1 + 3 * static_cast<int>(GetParam() % 4);
    start([uniformNumber](int port) {
        return std::make_unique<agent::SoccerPlayer>("127.0.0.1", port, TEAM, uniformNumber);
    });
    ASSERT_NO_FATAL_FAILURE(connect(stream.next()));

    for (int i = 0; i < MESSAGES_PER_SEED; ++i) {
        const std::string damaged = stream.getDamager().damage(stream.next());
        const auto shown = [&damaged] { return perception::MalformedInputReporter::printable(damaged, 600); };
        ASSERT_TRUE(server->channel().send(damaged)) << "the player left before " << shown();
        const auto reply = server->channel().receive(REPLY);
        ASSERT_TRUE(reply.has_value()) << "no reply to " << shown() << "\nthe player ended with: " << hangUpAndJoin();
        CommandMessage command;
        std::string error;
        ASSERT_TRUE(CommandChecker::check(*reply, command, error)) << error << " in the reply to " << shown();
    }

    EXPECT_EQ(hangUpAndJoin(), "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, DamagedMessagesTest, testing::ValuesIn(SEEDS));

} // namespace
} // namespace tests
