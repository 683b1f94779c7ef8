#ifndef TESTS_COMMUNICATION_LOOPBACKPEER_H
#define TESTS_COMMUNICATION_LOOPBACKPEER_H

#include "tools/test_server/FrameChannel.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace communication {
namespace testing {

/// The server's end of a loopback TCP connection. Frames go through the test
/// server's own frame code, so the connection under test is checked against an
/// independent reading of the wire format. Every wait is bounded; failures
/// throw std::runtime_error.
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
    void sendRaw(const std::string& bytes);
    void sendFrame(const std::string& text) { sendRaw(tools::test_server::FrameChannel::frame(text)); }
    /// Waits until the client's kernel has acknowledged everything sent, so the
    /// bytes are ready for the client's next read.
    void waitUntilDelivered();
    std::string receiveFrame();
    /// Ends the accepted connection (the server going away).
    void closeConnection();

    /// Runs a client call that may block; should it hang, the peer shuts down so
    /// the call returns and the test fails instead of stalling the suite.
    std::string callBounded(const std::function<std::string()>& call);

    /// A loopback port on which nobody listens.
    static int unusedPort();

private:
    void shutDown();

    int listener = -1;
    int port = 0;
    /// Borrowed from channel, which closes it.
    int connection = -1;
    std::unique_ptr<tools::test_server::FrameChannel> channel;
};

} // namespace testing
} // namespace communication

#endif
