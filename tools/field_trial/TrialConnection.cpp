#include "tools/field_trial/TrialConnection.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace tools {
namespace field_trial {

namespace {

const char* const JOINT_GROUP = "(HJ ";

} // namespace

TrialConnection::TrialConnection(std::unique_ptr<communication::ServerSocket> connection, std::chrono::seconds patience,
                                 double damagedShare, unsigned seed)
    : connection(std::move(connection)), patience(patience), damagedShare(damagedShare), damager(seed), engine(seed) {}

std::string TrialConnection::receiveMessage() {
    if (!connection->waitForMessage(patience)) {
        throw std::runtime_error("no message from the server for " + std::to_string(patience.count()) + " s");
    }
    std::string message = connection->receiveMessage();
    if (message.empty() || damagedShare <= 0.0 || !damager.chance(damagedShare)) {
        return message;
    }
    if (damager.chance(0.5)) {
        return damager.damage(std::move(message), test_server::MessageDamager::Damage::TRUNCATE);
    }
    return spoilJointGroup(message, engine());
}

std::string TrialConnection::spoilJointGroup(const std::string& message, std::size_t n) {
    std::vector<std::size_t> starts;
    for (std::size_t at = message.find(JOINT_GROUP); at != std::string::npos; at = message.find(JOINT_GROUP, at + 1)) {
        starts.push_back(at);
    }
    if (starts.empty()) {
        return message;
    }
    const std::size_t start = starts[n % starts.size()];
    const std::size_t end = message.find("))", start);
    if (end == std::string::npos) {
        return message;
    }
    // The group's only number is its angle: its name ("hj1") does not read as one.
    const std::size_t length = end + 2 - start;
    return message.substr(0, start) +
           damager.damage(message.substr(start, length), test_server::MessageDamager::Damage::NOT_A_NUMBER) +
           message.substr(start + length);
}

} // namespace field_trial
} // namespace tools
