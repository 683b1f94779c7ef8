#include "communication/ServerSocketImpl.h"

#include <arpa/inet.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <utility>

namespace communication {
namespace {

const char* const BUFFER_TOO_SMALL = "Trying to read more data than the size of the buffer";
const char* const ENDED_IN_RECEIVE = "connection has ended in receive";
const char* const ENDED_IN_SEND = "connection has ended in send";

constexpr std::size_t HEADER_SIZE = 4;
// The message buffer grows with the data that actually arrives, so a corrupt
// length field cannot make the agent claim gigabytes up front.
constexpr std::size_t MESSAGE_GROWTH_STEP = 1 << 16;

} // namespace

bool hasError() { return errno == ECONNABORTED || errno == ECONNRESET || errno == ECONNREFUSED; }

ServerSocketImpl::ServerSocketImpl(std::string host, int port) : host(std::move(host)), port(port) {}

ServerSocketImpl::~ServerSocketImpl() { closeDescriptor(); }

bool ServerSocketImpl::establishConnection() {
    closed = false;
    if (socketDescriptor < 0) {
        serverAddress = sockaddr_in{};
        serverAddress.sin_family = AF_INET;
        if (port < 0 || port > 65535 || ::inet_aton(host.c_str(), &serverAddress.sin_addr) == 0) {
            return true;
        }
        serverAddress.sin_port = htons(static_cast<std::uint16_t>(port));
        socketDescriptor = ::socket(AF_INET, SOCK_STREAM, 0);
        if (socketDescriptor < 0) {
            return true;
        }
    }
    initializeSocket();
    return ::connect(socketDescriptor, reinterpret_cast<const sockaddr*>(&serverAddress), sizeof(serverAddress)) != 0;
}

void ServerSocketImpl::initializeSocket() {
    const int noDelay = 1;
    ::setsockopt(socketDescriptor, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof(noDelay));
}

void ServerSocketImpl::closeConnection() { closeDescriptor(); }

void ServerSocketImpl::closeDescriptor() {
    // The descriptor is forgotten once closed: closing its number again later
    // could close a file that has reused it in the meantime.
    if (socketDescriptor >= 0) {
        ::close(socketDescriptor);
        socketDescriptor = -1;
    }
    closed = true;
}

std::string ServerSocketImpl::receiveMessage() {
    if (closed) {
        return {};
    }
    try {
        std::size_t length = 0;
        do {
            readToBuffer(HEADER_SIZE, reinterpret_cast<char*>(headerBuffer.data()), headerBuffer.size());
            length = (std::size_t{headerBuffer[0]} << 24) | (std::size_t{headerBuffer[1]} << 16) |
                     (std::size_t{headerBuffer[2]} << 8) | std::size_t{headerBuffer[3]};
            readMessageText(length);
        } while (moreDataReady());
        return std::string(messageBuffer.begin(), messageBuffer.begin() + static_cast<std::ptrdiff_t>(length));
    } catch (const std::exception& error) {
        closeDescriptor();
        std::cerr << "(ServerSocketImpl) " << error.what() << '\n';
        return {};
    }
}

bool ServerSocketImpl::waitForMessage(std::chrono::milliseconds timeout) {
    if (closed || socketDescriptor < 0) {
        return true;
    }
    pollfd entry{socketDescriptor, POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
    // A hang-up or an error counts as ready: the receive finds and reports it.
    return ready > 0 || (ready < 0 && errno != EINTR);
}

void ServerSocketImpl::readMessageText(std::size_t length) {
    std::size_t got = 0;
    while (got < length) {
        if (messageBuffer.size() <= got) {
            messageBuffer.resize(std::min(length, got + std::max(got, MESSAGE_GROWTH_STEP)));
        }
        const std::size_t chunk = std::min(length, messageBuffer.size()) - got;
        readToBuffer(chunk, messageBuffer.data() + got, messageBuffer.size() - got);
        got += chunk;
    }
}

void ServerSocketImpl::readToBuffer(std::size_t size, char* buffer, std::size_t capacity) {
    if (capacity < size) {
        throw std::runtime_error(BUFFER_TOO_SMALL);
    }
    std::size_t got = 0;
    while (got < size) {
        const ssize_t count = ::read(socketDescriptor, buffer + got, size - got);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            closeDescriptor();
            throw std::runtime_error(ENDED_IN_RECEIVE);
        }
        got += static_cast<std::size_t>(count);
    }
}

bool ServerSocketImpl::moreDataReady() const {
    // Zero timeout: only what has already arrived counts. A hang-up alone is
    // not "more data": the frame just read is still returned, and the next
    // receive meets the end of the stream.
    pollfd entry{socketDescriptor, POLLIN, 0};
    if (::poll(&entry, 1, 0) <= 0 || (entry.revents & POLLIN) == 0) {
        return false;
    }
    int waiting = 0;
    return ::ioctl(socketDescriptor, FIONREAD, &waiting) == 0 && waiting > 0;
}

void ServerSocketImpl::sendMessage(const std::string& text) {
    const std::size_t total = text.size() + HEADER_SIZE;
    if (total > sendBuffer.size()) {
        throw std::runtime_error(BUFFER_TOO_SMALL);
    }
    const std::size_t length = text.size();
    sendBuffer[0] = static_cast<char>((length >> 24) & 0xFF);
    sendBuffer[1] = static_cast<char>((length >> 16) & 0xFF);
    sendBuffer[2] = static_cast<char>((length >> 8) & 0xFF);
    sendBuffer[3] = static_cast<char>(length & 0xFF);
    std::memcpy(sendBuffer.data() + HEADER_SIZE, text.data(), length);
    sendFromBuffer(total, sendBuffer.data(), sendBuffer.size());
}

void ServerSocketImpl::sendFromBuffer(std::size_t size, const char* buffer, std::size_t capacity) {
    if (capacity < size) {
        throw std::runtime_error(BUFFER_TOO_SMALL);
    }
    std::size_t sent = 0;
    while (sent < size) {
        // MSG_NOSIGNAL: a peer that has gone must surface as an error here,
        // not as a broken-pipe signal that silently kills the process.
        const ssize_t count = ::send(socketDescriptor, buffer + sent, size - sent, MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            throw std::runtime_error(ENDED_IN_SEND);
        }
        sent += static_cast<std::size_t>(count);
    }
}

} // namespace communication
