#ifndef TOOLS_FIELD_TRIAL_TRIALCONNECTION_H
#define TOOLS_FIELD_TRIAL_TRIALCONNECTION_H

#include "communication/ServerSocket.h"
#include "tools/test_server/MessageDamager.h"

#include <chrono>
#include <memory>
#include <random>
#include <string>

namespace tools {
namespace field_trial {

/// A trial player's connection to the server: a receive waits a bounded time,
/// and a share of the messages can be damaged on their way to the player. A
/// damaged message is cut short, or one of its joint groups is made
/// unreadable (a word where the angle stands), the two equally often; the
/// same seed damages the same messages the same way.
class TrialConnection : public communication::ServerSocket {
public:
    /// Throws std::runtime_error when no message comes within patience.
    TrialConnection(std::unique_ptr<communication::ServerSocket> connection, std::chrono::seconds patience,
                    double damagedShare, unsigned seed);

    std::string receiveMessage() override;

    bool establishConnection() override { return connection->establishConnection(); }
    void closeConnection() override { connection->closeConnection(); }
    bool waitForMessage(std::chrono::milliseconds timeout) override { return connection->waitForMessage(timeout); }
    void sendMessage(const std::string& text) override { connection->sendMessage(text); }
    bool connectionClosed() const override { return connection->connectionClosed(); }

    /// The message with its n-th joint group (counted from 0, modulo their
    /// number) made unreadable; unchanged when it has none.
    std::string spoilJointGroup(const std::string& message, std::size_t n);

private:
    std::unique_ptr<communication::ServerSocket> connection;
    std::chrono::seconds patience;
    double damagedShare;
    test_server::MessageDamager damager;
    /// Which joint group: drawn apart from the damager, whose draws stay its own.
    std::mt19937 engine;
};

} // namespace field_trial
} // namespace tools

#endif
