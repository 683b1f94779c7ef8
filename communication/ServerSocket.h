#ifndef COMMUNICATION_SERVERSOCKET_H
#define COMMUNICATION_SERVERSOCKET_H

#include <chrono>
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
    /// Waits at most timeout for a frame to arrive, so that a reader on a
    /// thread of its own can look up between frames. True when data has come
    /// or the connection has ended (a receive then returns without waiting for
    /// the server), false when the time ran out. A socket that cannot wait
    /// answers true at once.
    virtual bool waitForMessage(std::chrono::milliseconds /*timeout*/) { return true; }
    virtual void sendMessage(const std::string& text) = 0;
    virtual bool connectionClosed() const = 0;
};

} // namespace communication

#endif
