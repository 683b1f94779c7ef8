#ifndef TESTS_AGENT_PLAYERINTHISPROCESS_H
#define TESTS_AGENT_PLAYERINTHISPROCESS_H

#include "agent/SoccerPlayer.h"
#include "tests/marlowinds_lib/utils/TemporaryWorkingDirectory.h"
#include "tools/test_server/TestServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace tests {

/// A SoccerPlayer built and playing in a thread of the test process against the
/// stand-in, in a fresh working directory beside a copy of the configuration
/// (the player reads "../configuration/core" and saves its store there). The
/// stand-in goes before the thread is joined, so the player always ends.
class PlayerInThisProcess : public testing::Test {
protected:
    using Make = std::function<std::unique_ptr<agent::SoccerPlayer>(int port)>;

    PlayerInThisProcess();
    ~PlayerInThisProcess() override;

    /// Builds the player with make (given the stand-in's port) in its own
    /// thread and lets it play until the stand-in hangs up.
    void start(Make make);
    /// Accepts the player and performs the handshake with firstMessage.
    void connect(const std::string& firstMessage);
    /// Hangs up and waits for the player to end; the message of an exception
    /// that ended it, empty when it ended normally.
    std::string hangUpAndJoin();

    std::string storeFile() const;

    static constexpr std::chrono::seconds START_UP{20};
    static constexpr std::chrono::seconds REPLY{5};

    marlowinds_lib::utils::TemporaryWorkingDirectory directory;
    std::thread player;
    std::string failure;
    std::optional<tools::test_server::TestServer> server{std::in_place};
    tools::test_server::Registration registration;
};

} // namespace tests

#endif
