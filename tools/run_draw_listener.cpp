// Stands in for the RoboViz monitor and checks the draw datagrams an agent sends:
//   run_draw_listener [--port P] [--wait S] [--quiet S]
// Binds UDP 127.0.0.1:P (default 32769, where the agent draws), waiting up to
// S seconds (default 120) while another listener holds the port, and then
// prints "listening on 127.0.0.1:P". It reads datagrams until none has come
// for --quiet seconds (default 3) after the first one, or for S seconds before
// it, and prints how many of each command came. Exit status 0 when datagrams
// came and every one was well framed; 1 otherwise, naming the faults.
#include "tools/draw_listener/DrawDatagram.h"
#include "tools/draw_listener/UdpListener.h"

#include <chrono>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

using namespace tools::draw_listener;

namespace {

/// Faults shown in full; the rest are only counted.
constexpr int SHOWN_FAULTS = 5;

std::unique_ptr<UdpListener> listenWhenFree(int port, std::chrono::seconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (true) {
        try {
            return std::make_unique<UdpListener>(port);
        } catch (const std::runtime_error&) {
            if (std::chrono::steady_clock::now() > until) {
                throw;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    int port = 32769;
    long wait = 120;
    long quiet = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--port" && i + 1 < argc) {
            port = std::stoi(argv[++i]);
        } else if (argument == "--wait" && i + 1 < argc) {
            wait = std::stol(argv[++i]);
        } else if (argument == "--quiet" && i + 1 < argc) {
            quiet = std::stol(argv[++i]);
        } else {
            std::cerr << "usage: run_draw_listener [--port P] [--wait S] [--quiet S]\n";
            return 2;
        }
    }

    try {
        const auto listener = listenWhenFree(port, std::chrono::seconds(wait));
        std::cout << "listening on 127.0.0.1:" << listener->port() << std::endl;
        std::map<std::string, long> commands;
        long datagrams = 0;
        long faults = 0;
        while (const auto bytes =
                   listener->receive(datagrams == 0 ? std::chrono::seconds(wait) : std::chrono::seconds(quiet))) {
            ++datagrams;
            try {
                ++commands[DrawDatagram::decode(*bytes).command];
            } catch (const std::runtime_error& error) {
                if (++faults <= SHOWN_FAULTS) {
                    std::cerr << "datagram " << datagrams << " of " << bytes->size() << " bytes: " << error.what()
                              << '\n';
                }
            }
        }
        std::cout << datagrams << " draw datagrams";
        for (const auto& [command, count] : commands) {
            std::cout << ", " << command << " " << count;
        }
        std::cout << "; " << faults << " malformed" << std::endl;
        if (datagrams == 0) {
            std::cerr << "no draw datagram came\n";
        }
        return datagrams > 0 && faults == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
