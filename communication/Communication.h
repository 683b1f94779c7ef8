#ifndef COMMUNICATION_COMMUNICATION_H
#define COMMUNICATION_COMMUNICATION_H

#include "communication/ServerSocket.h"

#include <chrono>
#include <memory>
#include <string>

namespace communication {

/// Owns the server connection and keeps the text of the last message received.
class Communication {
public:
    /// Without a socket: nothing is sent, every receive gives the empty text.
    Communication() = default;
    explicit Communication(std::unique_ptr<ServerSocket> socket);
    virtual ~Communication() = default;

    /// Returns true when the connection could NOT be made.
    bool establishConnection();
    void closeConnection();
    void receiveMessage();
    /// True when a frame has come within timeout or the connection has ended;
    /// at once without a socket.
    bool waitForMessage(std::chrono::milliseconds timeout);
    /// Valid until the next receive.
    const std::string& getCurrentMessage() const { return currentMessage; }
    /// Sends nothing, and reports nothing, on a connection marked closed.
    void sendMessage(const std::string& text);
    bool connectionClosed() const;

private:
    std::unique_ptr<ServerSocket> serverSocket;
    std::string currentMessage;
};

} // namespace communication

#endif
