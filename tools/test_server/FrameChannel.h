#ifndef TOOLS_TEST_SERVER_FRAMECHANNEL_H
#define TOOLS_TEST_SERVER_FRAMECHANNEL_H

#include <chrono>
#include <optional>
#include <string>

namespace tools {
namespace test_server {

/// One side of a length-prefixed TCP stream (4-byte big-endian length, then
/// the text), written apart from the agent's own connection code so that each
/// checks the other. Every wait is bounded.
class FrameChannel {
public:
    explicit FrameChannel(int descriptor);
    ~FrameChannel();
    FrameChannel(const FrameChannel&) = delete;
    FrameChannel& operator=(const FrameChannel&) = delete;

    /// Writes one frame; false when the peer is gone.
    bool send(const std::string& text);
    /// Writes bytes as they are (several frames at once, or a frame in pieces).
    bool sendRaw(const std::string& bytes);
    /// The next frame, or nothing when none arrives in time or the peer closed.
    std::optional<std::string> receive(std::chrono::milliseconds timeout);
    /// True when the peer closed its end (checked without blocking for long).
    bool peerClosed(std::chrono::milliseconds timeout);
    void close();

    static std::string frame(const std::string& text);

private:
    /// False when nothing arrives before the deadline.
    bool waitReadable(std::chrono::steady_clock::time_point deadline);
    bool readExactly(char* buffer, std::size_t size, std::chrono::steady_clock::time_point deadline);

    int descriptor;
};

} // namespace test_server
} // namespace tools

#endif
