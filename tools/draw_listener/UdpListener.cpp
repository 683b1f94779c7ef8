#include "tools/draw_listener/UdpListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tools {
namespace draw_listener {

UdpListener::UdpListener(int port) : descriptor(::socket(AF_INET, SOCK_DGRAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof address;
    if (descriptor < 0 || ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        throw std::runtime_error("cannot listen on UDP 127.0.0.1:" + std::to_string(port));
    }
    boundPort = ntohs(address.sin_port);
}

UdpListener::~UdpListener() { ::close(descriptor); }

std::optional<std::string> UdpListener::receive(std::chrono::milliseconds wait) const {
    pollfd ready{descriptor, POLLIN, 0};
    if (::poll(&ready, 1, static_cast<int>(wait.count())) != 1) {
        return std::nullopt;
    }
    // The largest datagram UDP carries.
    char bytes[65536];
    const ssize_t size = ::recv(descriptor, bytes, sizeof bytes, 0);
    return std::string(bytes, size > 0 ? static_cast<std::size_t>(size) : 0);
}

} // namespace draw_listener
} // namespace tools
