#ifndef TESTS_PERCEPTION_MESSAGEFEED_H
#define TESTS_PERCEPTION_MESSAGEFEED_H

#include "communication/Communication.h"
#include "communication/ServerSocket.h"

#include <memory>
#include <string>

namespace perception {
namespace testing {

/// A Communication whose received message is whatever the caller delivers,
/// through the same receive path the agent uses.
class MessageFeed {
public:
    MessageFeed() : communication(std::make_unique<Socket>(next)) {}

    /// Makes text the current message and returns the communication to perceive.
    const communication::Communication& deliver(const std::string& text) {
        next = text;
        communication.receiveMessage();
        return communication;
    }

private:
    class Socket : public communication::ServerSocket {
    public:
        explicit Socket(const std::string& next) : next(next) {}
        bool establishConnection() override { return false; }
        void closeConnection() override {}
        std::string receiveMessage() override { return next; }
        void sendMessage(const std::string&) override {}
        bool connectionClosed() const override { return false; }

    private:
        const std::string& next;
    };

    std::string next;
    communication::Communication communication;
};

} // namespace testing
} // namespace perception

#endif
