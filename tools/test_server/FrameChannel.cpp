#include "tools/test_server/FrameChannel.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tools {
namespace test_server {

FrameChannel::FrameChannel(int descriptor) : descriptor(descriptor) {}

FrameChannel::~FrameChannel() { close(); }

void FrameChannel::close() {
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
}

std::string FrameChannel::frame(const std::string& text) {
    const auto length = static_cast<unsigned long>(text.size());
    std::string bytes;
    bytes.reserve(text.size() + 4);
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<char>((length >> shift) & 0xFFu));
    }
    bytes += text;
    return bytes;
}

bool FrameChannel::send(const std::string& text) { return sendRaw(frame(text)); }

bool FrameChannel::sendRaw(const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::send(descriptor, bytes.data() + written, bytes.size() - written, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool FrameChannel::waitReadable(std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd request{descriptor, POLLIN, 0};
        const int ready = ::poll(&request, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        return ready > 0;
    }
}

bool FrameChannel::readExactly(char* buffer, std::size_t size, std::chrono::steady_clock::time_point deadline) {
    std::size_t got = 0;
    while (got < size) {
        if (!waitReadable(deadline)) {
            return false;
        }
        const ssize_t n = ::recv(descriptor, buffer + got, size - got, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> FrameChannel::receive(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    unsigned char header[4];
    if (!readExactly(reinterpret_cast<char*>(header), sizeof header, deadline)) {
        return std::nullopt;
    }
    const std::size_t length = (std::size_t{header[0]} << 24) | (std::size_t{header[1]} << 16) |
                               (std::size_t{header[2]} << 8) | std::size_t{header[3]};
    std::string text(length, '\0');
    if (!readExactly(text.data(), length, deadline)) {
        return std::nullopt;
    }
    return text;
}

bool FrameChannel::peerClosed(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    char scratch[4096];
    while (waitReadable(deadline)) {
        const ssize_t n = ::recv(descriptor, scratch, sizeof scratch, 0);
        if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) {
            return true;
        }
    }
    return false;
}

} // namespace test_server
} // namespace tools
