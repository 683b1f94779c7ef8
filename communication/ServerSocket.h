#ifndef COMMUNICATION_SERVERSOCKET_H
#define COMMUNICATION_SERVERSOCKET_H

#include <string>

namespace communication {

/// A framed connection to the simulation server: every message in either
/// direction is a 4-byte big-endian length followed by the text.
class ServerSocket {
public:
    virtual ~ServerSocket() = default;

    /// Connects and clears the closed mark. Returns true when the connection
    /// could NOT be made.
    virtual bool establishConnection() = 0;
    virtual void closeConnection() = 0;
    /// The text of the newest complete frame; empty once the connection has ended.
    virtual std::string receiveMessage() = 0;
    virtual void sendMessage(const std::string& text) = 0;
    virtual bool connectionClosed() const = 0;
};

} // namespace communication

#endif
