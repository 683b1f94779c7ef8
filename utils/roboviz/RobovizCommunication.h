#ifndef UTILS_ROBOVIZ_ROBOVIZCOMMUNICATION_H
#define UTILS_ROBOVIZ_ROBOVIZCOMMUNICATION_H

#include <cstddef>
#include <string>

struct addrinfo;

namespace utils {
namespace roboviz {

/// The UDP endpoint of the RoboViz monitor. The address is resolved once;
/// datagrams are then sent unconnected, so a monitor started later still
/// receives them.
class RobovizCommunication {
public:
    /// Keeps host and port (a service string); makes no network call.
    RobovizCommunication(std::string host, std::string port);
    RobovizCommunication(const RobovizCommunication&) = delete;
    RobovizCommunication& operator=(const RobovizCommunication&) = delete;
    ~RobovizCommunication();

    /// Resolves the address and opens a socket for the first entry that takes
    /// one; failures are reported on the standard error stream, and the
    /// endpoint then sends nothing.
    void establishConnection();
    /// Releases the socket and the address; safe to call again.
    void closeConnection();

    /// One datagram to the monitor; a failed send is ignored, as the next draw
    /// sends again.
    void send(const unsigned char* datagram, std::size_t length) const;

private:
    std::string host;
    std::string port;
    addrinfo* addresses = nullptr;
    /// The entry of addresses whose socket is open; null while there is none.
    const addrinfo* destination = nullptr;
    int descriptor = -1;
};

} // namespace roboviz
} // namespace utils

#endif
