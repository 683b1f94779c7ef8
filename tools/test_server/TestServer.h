#ifndef TOOLS_TEST_SERVER_TESTSERVER_H
#define TOOLS_TEST_SERVER_TESTSERVER_H

#include "tools/test_server/FrameChannel.h"

#include <chrono>
#include <memory>
#include <string>

namespace tools {
namespace test_server {

/// What the agent asked for during the handshake.
struct Registration {
    int bodyType = -1;
    int uniformNumber = -1;
    std::string teamName;
};

/// A stand-in for the simulation server's agent port on 127.0.0.1: it accepts
/// one agent and speaks the server's framing and handshake.
class TestServer {
public:
    /// Listens on the given port; 0 picks a free one.
    explicit TestServer(int port = 0);
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    int getPort() const { return port; }

    /// Waits for the agent to connect; false on timeout.
    bool acceptAgent(std::chrono::milliseconds timeout);
    FrameChannel& channel() { return *agent; }

    /// Expects the scene request, sends firstMessage, expects the init command.
    /// On failure returns false and describes the reason in error.
    bool handshake(const std::string& firstMessage, Registration& registration, std::string& error,
                   std::chrono::milliseconds timeout);

    void closeAgent();

private:
    int listener = -1;
    int port = 0;
    std::unique_ptr<FrameChannel> agent;
};

/// Reads "(scene rsg/agent/nao/nao_hetero.rsg T)(syn)"; false for anything else.
bool parseSceneRequest(const std::string& text, int& bodyType);
/// Reads "(init (unum N)(teamname TEAM))(syn)"; false for anything else.
bool parseInitCommand(const std::string& text, int& uniformNumber, std::string& teamName);

} // namespace test_server
} // namespace tools

#endif
