#ifndef TOOLS_DRAW_LISTENER_UDPLISTENER_H
#define TOOLS_DRAW_LISTENER_UDPLISTENER_H

#include <chrono>
#include <optional>
#include <string>

namespace tools {
namespace draw_listener {

/// A UDP socket bound to 127.0.0.1, where the monitor's draw datagrams arrive.
class UdpListener {
public:
    /// Binds the port; 0 lets the system choose a free one. Throws
    /// std::runtime_error when the port cannot be had (another listener holds it).
    explicit UdpListener(int port = 0);
    ~UdpListener();
    UdpListener(const UdpListener&) = delete;
    UdpListener& operator=(const UdpListener&) = delete;

    /// The bound port, as a service string.
    std::string port() const { return std::to_string(boundPort); }

    /// The next datagram's bytes, or nothing when none came within wait.
    std::optional<std::string> receive(std::chrono::milliseconds wait) const;

private:
    int descriptor = -1;
    int boundPort = 0;
};

} // namespace draw_listener
} // namespace tools

#endif
