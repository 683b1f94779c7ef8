#ifndef TESTS_SUPPORT_DAMAGEDSERVERSTREAM_H
#define TESTS_SUPPORT_DAMAGEDSERVERSTREAM_H

#include "tests/support/TeamRadioRecord.h"
#include "tools/test_server/MessageDamager.h"
#include "tools/test_server/SensorMessageBuilder.h"

#include <random>
#include <string>

namespace tests {

/// Server messages of ever new game situations, reproducible from a seed:
/// every body type, both sides, every perceptor, players of both teams in view
/// and the team's radio, each situation a short stretch of play. The damager
/// draws from an engine of its own, so a message's damage does not depend on
/// how the situations were drawn.
class DamagedServerStream {
public:
    DamagedServerStream(unsigned seed, std::string team)
        : engine(seed), damager(seed + 1), team(std::move(team)), builder(situation()) {}

    /// The next message of the stretch; a new situation starts every few cycles.
    std::string next() {
        if (builder.getCycle() == SITUATION_LENGTH) {
            builder = tools::test_server::SensorMessageBuilder(situation());
        }
        tools::test_server::SimulatedWorld& world = builder.world();
        world.robotX += 0.01;
        world.robotHeading += 0.005;
        world.ballX -= 0.02;
        queueRadio(builder);
        return builder.nextMessage();
    }

    /// The first message of a new situation, which sets every reading that a
    /// perception keeps from one cycle to the next.
    std::string complete() {
        tools::test_server::SensorMessageBuilder first(situation());
        const double direction = uniform(-180.0, 180.0);
        first.queueHeard(team, radioRecord(), &direction);
        return first.nextMessage();
    }

    tools::test_server::MessageDamager& getDamager() { return damager; }

private:
    static constexpr int SITUATION_LENGTH = 30;

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(engine); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }

    tools::test_server::SimulatedWorld situation() {
        static const char* const PLAY_MODES[] = {"BeforeKickOff",    "KickOff_Left", "PlayOn",  "KickIn_Right",
                                                 "corner_kick_left", "Goal_Right",   "GameOver"};
        tools::test_server::SimulatedWorld world;
        world.uniformNumber = between(1, 11);
        world.leftSide = between(0, 1) == 0;
        world.bodyType = between(0, 4);
        world.otherSensors = true;
        world.robotX = uniform(-14.0, 14.0);
        world.robotY = uniform(-9.0, 9.0);
        world.robotHeading = uniform(-3.1, 3.1);
        world.ballX = uniform(-15.0, 15.0);
        world.ballY = uniform(-10.0, 10.0);
        world.opponentX = uniform(-15.0, 15.0);
        world.opponentY = uniform(-10.0, 10.0);
        for (int i = between(0, 6); i > 0; --i) {
            world.players.push_back(
                {between(0, 1) == 0 ? team : "Opponents", between(1, 11), uniform(-15.0, 15.0), uniform(-10.0, 10.0)});
        }
        world.playMode = PLAY_MODES[between(0, 6)];
        world.scoreLeft = between(0, 3);
        world.scoreRight = between(0, 3);
        return world;
    }

    std::string radioRecord() {
        if (between(0, 3) == 0) {
            return TeamRadioRecord::goalkeeper(
                uniform(-15.0, -12.0), uniform(-2.0, 2.0), false,
                {{between(1, 11), uniform(-15.0, 15.0), uniform(-10.0, 10.0), true, false}});
        }
        return TeamRadioRecord::fieldPlayer(between(2, 11), uniform(-15.0, 15.0), uniform(-10.0, 10.0),
                                            between(0, 5) == 0, uniform(-15.0, 15.0), uniform(-10.0, 10.0), true,
                                            TeamRadioRecord::defaultRoles(), between(1, 11));
    }

    void queueRadio(tools::test_server::SensorMessageBuilder& target) {
        if (between(0, 2) == 0) {
            const double direction = uniform(-180.0, 180.0);
            target.queueHeard(team, radioRecord(), between(0, 9) == 0 ? nullptr : &direction);
        }
    }

    std::mt19937 engine;
    tools::test_server::MessageDamager damager;
    std::string team;
    tools::test_server::SensorMessageBuilder builder;
};

} // namespace tests

#endif
