#ifndef TESTS_COMMUNICATION_LOOPBACKPEER_H
#define TESTS_COMMUNICATION_LOOPBACKPEER_H

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace communication {
namespace testing {

/// The server's end of a loopback TCP connection, with its own frame code so
/// that the connection under test is checked against an independent reading of
/// the wire format. Every wait is bounded; failures throw std::runtime_error.
class LoopbackPeer {
public:
    static constexpr std::chrono::milliseconds TIMEOUT{5000};

    /// Listens on 127.0.0.1 at an ephemeral port.
    LoopbackPeer();
    ~LoopbackPeer();
    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    int getPort() const { return port; }
    /// Accepts the one client.
    void accept();
    /// The bytes of one frame: the length as four big-endian bytes, then the text.
    static std::string frame(const std::string& text);
    void sendRaw(const std::string& bytes);
    void sendFrame(const std::string& text) { sendRaw(frame(text)); }
    /// Waits until the client's kernel has acknowledged everything sent, so the
    /// bytes are ready for the client's next read.
    void waitUntilDelivered();
    /// Exactly count bytes from the client.
    std::string receiveRaw(std::size_t count);
    std::string receiveFrame();
    /// Whether the client has sent anything (or closed) within the wait.
    bool dataArrives(std::chrono::milliseconds wait);
    /// Ends the accepted connection (the server going away).
    void closeConnection();
    /// Ends the connection and stops listening, which also resets any
    /// connection still waiting to be accepted.
    void shutDown();

    /// Runs a client call that may block; should it hang, the peer shuts down so
    /// the call returns and the test fails instead of stalling the suite.
    std::string callBounded(const std::function<std::string()>& call);

    /// A loopback port on which nobody listens.
    static int unusedPort();

private:
    void waitReadable(int descriptor, std::chrono::milliseconds wait) const;

    int listener = -1;
    int connection = -1;
    int port = 0;
};

} // namespace testing
} // namespace communication

#endif
