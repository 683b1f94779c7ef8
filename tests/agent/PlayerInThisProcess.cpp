#include "tests/agent/PlayerInThisProcess.h"

#include <boost/filesystem.hpp>

#include <exception>
#include <utility>

namespace tests {

PlayerInThisProcess::PlayerInThisProcess() {
    namespace fs = boost::filesystem;
    const fs::path core = directory.getRoot() / "configuration/core";
    fs::create_directories(core.parent_path());
    fs::copy(MARLOWINDS_CONFIGURATION_DIR, core, fs::copy_options::recursive);
    // A store saved by an earlier run of the team must not count as this player's.
    fs::remove_all(core / "dynamic");
    fs::create_directories(core / "dynamic");
}

PlayerInThisProcess::~PlayerInThisProcess() { hangUpAndJoin(); }

void PlayerInThisProcess::start(Make make) {
    player = std::thread([this, make = std::move(make), port = server->getPort()] {
        try {
            make(port)->play();
        } catch (const std::exception& error) {
            failure = error.what();
        }
    });
}

void PlayerInThisProcess::connect(const std::string& firstMessage) {
    ASSERT_TRUE(server->acceptAgent(START_UP));
    std::string error;
    ASSERT_TRUE(server->handshake(firstMessage, registration, error, START_UP)) << error;
}

std::string PlayerInThisProcess::hangUpAndJoin() {
    // Also resets a connection still waiting to be accepted.
    server.reset();
    if (player.joinable()) {
        player.join();
    }
    return failure;
}

std::string PlayerInThisProcess::storeFile() const {
    return (directory.getRoot() / "configuration/core/dynamic/params/values.json").string();
}

} // namespace tests
