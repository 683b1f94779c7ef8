#include "tools/field_trial/RealServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace tools {
namespace field_trial {

namespace {

using namespace std::chrono_literals;

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

/// Binds a loopback port (0: one the system picks) and returns the socket,
/// which holds it until closed, or -1 when the port is taken.
int reservePort(int& port) {
    const int descriptor = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(port);
    socklen_t size = sizeof address;
    if (descriptor < 0 || ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(descriptor);
        return -1;
    }
    port = ntohs(address.sin_port);
    return descriptor;
}

/// Two free ports: from the range "first-last" in RCSSSERVER3D_PORTS when it
/// is set (machines whose users share out port ranges), else any.
std::pair<int, int> freePorts() {
    int first = 0;
    int last = 0;
    const char* const range = std::getenv("RCSSSERVER3D_PORTS");
    if (range != nullptr && std::sscanf(range, "%d-%d", &first, &last) != 2) {
        throw std::runtime_error("RCSSSERVER3D_PORTS is not of the form first-last");
    }
    // Each port is held until both are found, so that they differ.
    std::vector<int> held;
    std::vector<int> ports;
    const auto take = [&](int port) {
        const int descriptor = reservePort(port);
        if (descriptor >= 0) {
            held.push_back(descriptor);
            ports.push_back(port);
        }
    };
    if (range == nullptr) {
        take(0);
        take(0);
    }
    for (int port = first; range != nullptr && port <= last && ports.size() < 2; ++port) {
        take(port);
    }
    for (const int descriptor : held) {
        ::close(descriptor);
    }
    if (ports.size() < 2) {
        throw std::runtime_error("no two free loopback ports");
    }
    return {ports[0], ports[1]};
}

/// Told by a failing bind rather than by a connection, which the server
/// would take for a player.
bool listening(int port) {
    const int descriptor = reservePort(port);
    if (descriptor < 0) {
        return true;
    }
    ::close(descriptor);
    return false;
}

} // namespace

std::string RealServer::command() {
    const char* const command = std::getenv("RCSSSERVER3D");
    return command == nullptr || ::access(command, X_OK) != 0 ? "" : command;
}

RealServer::RealServer(const std::string& folder) {
    std::tie(agentPort, monitorPort) = freePorts();
    process.emplace(std::vector<std::string>{command(), "--agent-port", std::to_string(agentPort), "--monitor-port",
                                             std::to_string(monitorPort), "--sync", "--rundir", folder + "/run"},
                    folder + "/server.log", SIGINT);
}

bool RealServer::waitUntilListening(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!listening(agentPort) || !listening(monitorPort)) {
        if (process->hasEnded(0ms) || std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

std::string RealServer::log() const {
    std::ifstream in(getLogFile(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace field_trial
} // namespace tools
