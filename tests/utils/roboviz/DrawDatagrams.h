#ifndef TESTS_UTILS_ROBOVIZ_DRAWDATAGRAMS_H
#define TESTS_UTILS_ROBOVIZ_DRAWDATAGRAMS_H

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tests {

/// One draw datagram read back field by field from the monitor's layout table.
struct DrawDatagram {
    std::string command;
    std::vector<std::string> numbers; ///< each field's text up to its zero byte
    std::vector<int> color;
    std::string text; ///< the annotation's
    std::string name;
};

/// Reads a datagram; std::runtime_error when it does not end right after the
/// name's zero byte.
inline DrawDatagram decodeDrawDatagram(const std::string& bytes) {
    std::size_t at = 2;
    const auto need = [&](std::size_t count) {
        if (at + count > bytes.size()) {
            throw std::runtime_error("datagram too short");
        }
    };
    const auto string = [&] {
        const std::size_t end = bytes.find('\0', at);
        if (end == std::string::npos) {
            throw std::runtime_error("string without zero byte");
        }
        std::string read = bytes.substr(at, end - at);
        at = end + 1;
        return read;
    };
    const auto numbers = [&](DrawDatagram& d, int count) {
        for (int i = 0; i < count; ++i, at += 6) {
            need(6);
            const std::string field = bytes.substr(at, 6);
            d.numbers.push_back(field.substr(0, field.find('\0')));
        }
    };
    const auto color = [&](DrawDatagram& d, int count) {
        need(count);
        for (int i = 0; i < count; ++i) {
            d.color.push_back(static_cast<unsigned char>(bytes[at++]));
        }
    };
    DrawDatagram d;
    const int kind = bytes.at(0) * 10 + bytes.at(1);
    if (kind == 14) {
        d.command = "polygon";
        need(1);
        const int vertices = static_cast<unsigned char>(bytes[at++]);
        color(d, 4);
        numbers(d, 3 * vertices);
    } else if (kind == 20) {
        d.command = "annotation";
        numbers(d, 3);
        color(d, 3);
        d.text = string();
    } else if (kind != 0) {
        const char* const shapes[] = {"circle", "line", "point", "sphere"};
        if (kind < 10 || kind > 13) {
            throw std::runtime_error("unknown command");
        }
        d.command = shapes[kind - 10];
        numbers(d, kind == 11 ? 7 : 4);
        color(d, 3);
    } else {
        d.command = "swap";
    }
    d.name = string();
    if (at != bytes.size()) {
        throw std::runtime_error("bytes after the name");
    }
    return d;
}

/// A UDP socket on 127.0.0.1 at a port the system chose.
class UdpListener {
public:
    UdpListener() : descriptor(::socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (descriptor < 0 || ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            throw std::runtime_error("cannot open the test's UDP socket");
        }
        boundPort = ntohs(address.sin_port);
    }
    ~UdpListener() { ::close(descriptor); }
    UdpListener(const UdpListener&) = delete;
    UdpListener& operator=(const UdpListener&) = delete;

    std::string port() const { return std::to_string(boundPort); }

    /// The next datagram's bytes, or "timeout" after two seconds.
    std::string receive() const {
        pollfd ready{descriptor, POLLIN, 0};
        if (::poll(&ready, 1, 2000) != 1) {
            return "timeout";
        }
        char bytes[65536];
        const ssize_t size = ::recv(descriptor, bytes, sizeof bytes, 0);
        return std::string(bytes, size > 0 ? static_cast<std::size_t>(size) : 0);
    }

private:
    int descriptor;
    int boundPort = 0;
};

} // namespace tests

#endif
