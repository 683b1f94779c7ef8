#ifndef TESTS_UTILS_ROBOVIZ_DRAWDATAGRAMS_H
#define TESTS_UTILS_ROBOVIZ_DRAWDATAGRAMS_H

#include "tools/draw_listener/DrawDatagram.h"
#include "tools/draw_listener/UdpListener.h"

#include <chrono>
#include <string>

namespace tests {

/// The next datagram's bytes, or "timeout" after two seconds.
inline std::string received(const tools::draw_listener::UdpListener& listener) {
    return listener.receive(std::chrono::seconds(2)).value_or("timeout");
}

} // namespace tests

#endif
