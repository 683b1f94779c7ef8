#include "tools/test_server/TestServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <regex>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace tools {
namespace test_server {

TestServer::TestServer(int requestedPort) {
    listener = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0) {
        throw std::runtime_error("test server: cannot create a socket");
    }
    const int reuse = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(requestedPort));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 4) != 0) {
        ::close(listener);
        throw std::runtime_error("test server: cannot listen on 127.0.0.1:" + std::to_string(requestedPort));
    }
    socklen_t length = sizeof address;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
}

TestServer::~TestServer() {
    closeAgent();
    ::close(listener);
}

bool TestServer::acceptAgent(std::chrono::milliseconds timeout) {
    pollfd request{listener, POLLIN, 0};
    if (::poll(&request, 1, static_cast<int>(timeout.count())) <= 0) {
        return false;
    }
    const int descriptor = ::accept(listener, nullptr, nullptr);
    if (descriptor < 0) {
        return false;
    }
    agent = std::make_unique<FrameChannel>(descriptor);
    return true;
}

void TestServer::closeAgent() { agent.reset(); }

bool parseSceneRequest(const std::string& text, int& bodyType) {
    static const std::regex pattern(R"(^\(scene rsg/agent/nao/nao_hetero\.rsg ([0-4])\)\(syn\)$)");
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) {
        return false;
    }
    bodyType = std::stoi(match[1]);
    return true;
}

bool parseInitCommand(const std::string& text, int& uniformNumber, std::string& teamName) {
    static const std::regex pattern(R"(^\(init \(unum (-?[0-9]+)\)\(teamname ([^()\s]+)\)\)\(syn\)$)");
    std::smatch match;
    if (!std::regex_match(text, match, pattern)) {
        return false;
    }
    uniformNumber = std::stoi(match[1]);
    teamName = match[2];
    return true;
}

bool TestServer::handshake(const std::string& firstMessage, Registration& registration, std::string& error,
                           std::chrono::milliseconds timeout) {
    const auto scene = agent->receive(timeout);
    if (!scene) {
        error = "no scene request";
        return false;
    }
    if (!parseSceneRequest(*scene, registration.bodyType)) {
        error = "malformed scene request: " + *scene;
        return false;
    }
    if (!agent->send(firstMessage)) {
        error = "agent closed before the first sensor message";
        return false;
    }
    const auto init = agent->receive(timeout);
    if (!init) {
        error = "no init command";
        return false;
    }
    if (!parseInitCommand(*init, registration.uniformNumber, registration.teamName)) {
        error = "malformed init command: " + *init;
        return false;
    }
    return true;
}

} // namespace test_server
} // namespace tools
