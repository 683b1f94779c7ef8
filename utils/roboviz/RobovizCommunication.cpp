#include "utils/roboviz/RobovizCommunication.h"

#include <cstdio>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#include <utility>

namespace utils {
namespace roboviz {

RobovizCommunication::RobovizCommunication(std::string host, std::string port)
    : host(std::move(host)), port(std::move(port)) {}

RobovizCommunication::~RobovizCommunication() { closeConnection(); }

void RobovizCommunication::establishConnection() {
    closeConnection();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    const int status = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &addresses);
    if (status != 0) {
        std::fprintf(stderr, "getaddrinfo: %s\n", ::gai_strerror(status));
        addresses = nullptr;
        return;
    }
    for (const addrinfo* entry = addresses; entry != nullptr; entry = entry->ai_next) {
        descriptor = ::socket(entry->ai_family, entry->ai_socktype, entry->ai_protocol);
        if (descriptor >= 0) {
            destination = entry;
            return;
        }
        std::perror("socket");
    }
    std::fprintf(stderr, "failed to bind socket\n");
}

void RobovizCommunication::closeConnection() {
    if (descriptor >= 0) {
        ::close(descriptor);
    }
    if (addresses != nullptr) {
        ::freeaddrinfo(addresses);
    }
    descriptor = -1;
    addresses = nullptr;
    destination = nullptr;
}

void RobovizCommunication::send(const unsigned char* datagram, std::size_t length) const {
    if (destination == nullptr) {
        return;
    }
    ::sendto(descriptor, datagram, length, 0, destination->ai_addr, destination->ai_addrlen);
}

} // namespace roboviz
} // namespace utils
