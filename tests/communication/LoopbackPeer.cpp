#include "tests/communication/LoopbackPeer.h"

#include <arpa/inet.h>
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

sockaddr_in loopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int boundSocket() {
    const int descriptor = ::socket(AF_INET, SOCK_STREAM, 0);
    if (descriptor < 0) {
        throw std::runtime_error("peer: socket failed");
    }
    sockaddr_in address = loopbackAddress(0);
    if (::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(descriptor);
        throw std::runtime_error("peer: bind failed");
    }
    return descriptor;
}

int portOf(int descriptor) {
    sockaddr_in address{};
    socklen_t size = sizeof(address);
    ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

} // namespace

LoopbackPeer::LoopbackPeer() : listener(boundSocket()), port(portOf(listener)) {
    if (::listen(listener, 4) != 0) {
        ::close(listener);
        throw std::runtime_error("peer: listen failed");
    }
}

LoopbackPeer::~LoopbackPeer() { shutDown(); }

int LoopbackPeer::unusedPort() {
    const int descriptor = boundSocket();
    const int unused = portOf(descriptor);
    ::close(descriptor);
    return unused;
}

void LoopbackPeer::waitReadable(int descriptor, std::chrono::milliseconds wait) const {
    pollfd entry{descriptor, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(wait.count())) <= 0) {
        throw std::runtime_error("peer: nothing arrived in time");
    }
}

void LoopbackPeer::accept() {
    waitReadable(listener, TIMEOUT);
    connection = ::accept(listener, nullptr, nullptr);
    if (connection < 0) {
        throw std::runtime_error("peer: accept failed");
    }
}

std::string LoopbackPeer::frame(const std::string& text) {
    const unsigned long n = text.size();
    std::string bytes;
    bytes.push_back(static_cast<char>(n / 16777216 % 256));
    bytes.push_back(static_cast<char>(n / 65536 % 256));
    bytes.push_back(static_cast<char>(n / 256 % 256));
    bytes.push_back(static_cast<char>(n % 256));
    return bytes + text;
}

void LoopbackPeer::sendRaw(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) {
            throw std::runtime_error("peer: send failed");
        }
        sent += static_cast<std::size_t>(count);
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

std::string LoopbackPeer::receiveRaw(std::size_t count) {
    std::string bytes(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        waitReadable(connection, TIMEOUT);
        const ssize_t n = ::recv(connection, &bytes[got], count - got, 0);
        if (n <= 0) {
            throw std::runtime_error("peer: client closed the connection");
        }
        got += static_cast<std::size_t>(n);
    }
    return bytes;
}

std::string LoopbackPeer::receiveFrame() {
    const std::string header = receiveRaw(4);
    std::size_t n = 0;
    for (const char byte : header) {
        n = n * 256 + static_cast<unsigned char>(byte);
    }
    return receiveRaw(n);
}

bool LoopbackPeer::dataArrives(std::chrono::milliseconds wait) {
    pollfd entry{connection, POLLIN, 0};
    return ::poll(&entry, 1, static_cast<int>(wait.count())) > 0;
}

void LoopbackPeer::closeConnection() {
    if (connection >= 0) {
        ::close(connection);
        connection = -1;
    }
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
