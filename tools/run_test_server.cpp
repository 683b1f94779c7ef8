// Runs the simulation-server stand-in by hand:
//   run_test_server [--port P] [--cycles N] [--right] [--fast] [--damage F] [--seed S]
// Waits for one agent, performs the handshake, then plays N lock-step cycles
// (one sensor message, one reply), checking every reply, and closes. With
// --damage, that share of the messages (0 to 1) is damaged, reproducibly from
// the seed.
#include "tools/test_server/CommandChecker.h"
#include "tools/test_server/MessageDamager.h"
#include "tools/test_server/SensorMessageBuilder.h"
#include "tools/test_server/TestServer.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <string>
#include <thread>

using namespace tools::test_server;

int main(int argc, char** argv) {
    int port = 3100;
    int cycles = 500;
    bool leftSide = true;
    bool fast = false;
    double damage = 0.0;
    unsigned seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--port" && i + 1 < argc) {
            port = std::stoi(argv[++i]);
        } else if (argument == "--cycles" && i + 1 < argc) {
            cycles = std::stoi(argv[++i]);
        } else if (argument == "--right") {
            leftSide = false;
        } else if (argument == "--fast") {
            fast = true;
        } else if (argument == "--damage" && i + 1 < argc) {
            damage = std::stod(argv[++i]);
        } else if (argument == "--seed" && i + 1 < argc) {
            seed = static_cast<unsigned>(std::stoul(argv[++i]));
        } else {
            std::cerr << "usage: run_test_server [--port P] [--cycles N] [--right] [--fast] [--damage F] [--seed S]\n";
            return 2;
        }
    }

    try {
        TestServer server(port);
        std::cout << "waiting for an agent on 127.0.0.1:" << server.getPort() << std::endl;
        if (!server.acceptAgent(std::chrono::minutes(5))) {
            std::cerr << "no agent connected\n";
            return 1;
        }
        SimulatedWorld world;
        world.leftSide = leftSide;
        SensorMessageBuilder builder(world);
        Registration registration;
        std::string error;
        if (!server.handshake(builder.nextMessage(), registration, error, std::chrono::seconds(10))) {
            std::cerr << "handshake failed: " << error << '\n';
            return 1;
        }
        std::cout << "agent " << registration.uniformNumber << " of team " << registration.teamName
                  << " with body type " << registration.bodyType << std::endl;
        builder.world().uniformNumber = registration.uniformNumber;

        MessageDamager damager(seed);
        const double share = std::clamp(damage, 0.0, 1.0);
        int violations = 0;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            const auto start = std::chrono::steady_clock::now();
            if (cycle == 50) {
                builder.world().playMode = "PlayOn";
            }
            const std::string message = builder.nextMessage();
            if (!server.channel().send(damager.chance(share) ? damager.damage(message) : message)) {
                std::cout << "agent left after " << cycle << " cycles" << std::endl;
                return violations == 0 ? 0 : 1;
            }
            const auto reply = server.channel().receive(std::chrono::seconds(2));
            if (!reply) {
                std::cerr << "cycle " << cycle << ": no reply\n";
                return 1;
            }
            CommandMessage command;
            if (!CommandChecker::check(*reply, command, error)) {
                ++violations;
                std::cerr << "cycle " << cycle << ": " << error << '\n';
            } else {
                builder.applyJointSpeeds(command.jointSpeeds);
            }
            if (!fast) {
                std::this_thread::sleep_until(start + std::chrono::milliseconds(20));
            }
        }
        std::cout << cycles << " cycles, " << violations << " malformed replies" << std::endl;
        return violations == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
