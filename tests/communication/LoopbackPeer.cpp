#include "tests/communication/LoopbackPeer.h"

#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <thread>

namespace communication {
namespace testing {
namespace {

/// A TCP socket bound to an ephemeral loopback port, and that port.
int boundSocket(int& port) {
    const int descriptor = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    if (descriptor < 0 || ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(descriptor);
        throw std::runtime_error("peer: no loopback port");
    }
    port = ntohs(address.sin_port);
    return descriptor;
}

} // namespace

LoopbackPeer::LoopbackPeer() {
    listener = boundSocket(port);
    if (::listen(listener, 4) != 0) {
        ::close(listener);
        throw std::runtime_error("peer: listen failed");
    }
}

LoopbackPeer::~LoopbackPeer() { shutDown(); }

int LoopbackPeer::unusedPort() {
    int unused = 0;
    ::close(boundSocket(unused));
    return unused;
}

void LoopbackPeer::accept() {
    pollfd entry{listener, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(TIMEOUT.count())) <= 0 ||
        (connection = ::accept(listener, nullptr, nullptr)) < 0) {
        throw std::runtime_error("peer: no client to accept");
    }
    channel = std::make_unique<tools::test_server::FrameChannel>(connection);
}

void LoopbackPeer::sendRaw(const std::string& bytes) {
    if (channel == nullptr || !channel->sendRaw(bytes)) {
        throw std::runtime_error("peer: send failed");
    }
}

void LoopbackPeer::waitUntilDelivered() {
    const auto deadline = std::chrono::steady_clock::now() + TIMEOUT;
    int unacknowledged = 0;
    while (::ioctl(connection, SIOCOUTQ, &unacknowledged) == 0 && unacknowledged > 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error("peer: data not delivered in time");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string LoopbackPeer::receiveFrame() {
    auto text = channel == nullptr ? std::nullopt : channel->receive(TIMEOUT);
    if (!text) {
        throw std::runtime_error("peer: no frame from the client");
    }
    return *text;
}

void LoopbackPeer::closeConnection() {
    channel.reset();
    connection = -1;
}

std::string LoopbackPeer::callBounded(const std::function<std::string()>& call) {
    auto result = std::async(std::launch::async, call);
    if (result.wait_for(TIMEOUT) != std::future_status::ready) {
        ADD_FAILURE() << "the client did not return in time";
        shutDown();
    }
    return result.get();
}

void LoopbackPeer::shutDown() {
    closeConnection();
    if (listener >= 0) {
        ::close(listener);
        listener = -1;
    }
}

} // namespace testing
} // namespace communication
