#ifndef TESTS_SUPPORT_WORLDMODELTESTACCESS_H
#define TESTS_SUPPORT_WORLDMODELTESTACCESS_H

#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/WorldModel.h"
#include "representations/HearData.h"
#include "tests/support/TeamRadioRecord.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace modeling {

/// The one way for tests to build a world model by hand (decision making's
/// tests start from such states) and to look at what a cycle left inside it.
/// Each setter writes what a cycle would have produced, in field coordinates;
/// refreshPlayerLists() then rebuilds the lists of relevant players and the
/// closest-to-ball reasoning exactly as the cycle does. The agent never uses
/// this class: it lives among the test helpers.
class WorldModelTestAccess {
public:
    using Pose2D = marlowinds_lib::math::Pose2D;

    static void setSelfPose(WorldModel& world, const Pose2D& pose) { world.selfModel.getObject().setPosition(pose); }

    /// A ball at the field position, with its robot-frame position from the
    /// current self pose and no velocity.
    static void setBall(WorldModel& world, const Pose2D& position, bool relevant = true, double lastSeenTime = 0.0) {
        representations::Ball& ball = world.ballModel.getObject();
        ball.setPosition(position);
        ball.setLocalPosition(toLocal(world, position));
        ball.setVelocity(Pose2D());
        ball.setLocalVelocity(Pose2D());
        ball.setRelevant(relevant);
        ball.setLastSeenTime(lastSeenTime);
    }

    /// A known teammate (relevant) at the field position; call refreshPlayerLists() afterwards.
    static void setTeammate(WorldModel& world, int number, const Pose2D& position, bool fallen = false) {
        setPlayer(world, world.teammateModels, number, position, fallen);
    }
    static void setOpponent(WorldModel& world, int number, const Pose2D& position, bool fallen = false) {
        setPlayer(world, world.opponentModels, number, position, fallen);
    }
    /// Makes the player unknown (not relevant); call refreshPlayerLists() afterwards.
    static void forgetTeammate(WorldModel& world, int number) {
        world.teammateModels[index(number)].getObject().setRelevant(false);
    }
    static void forgetOpponent(WorldModel& world, int number) {
        world.opponentModels[index(number)].getObject().setRelevant(false);
    }

    /// The play mode as getPlayMode() gives it.
    static void setPlayMode(WorldModel& world, PlayMode::PLAY_MODE mode) { world.playMode = mode; }
    /// The side, with the field description's landmarks for it.
    static void setPlaySide(WorldModel& world, representations::PlaySide::PLAY_SIDE side) {
        world.ourPlaySide = side;
        world.fieldDescription.update(side);
    }
    /// The agent's fall state of the cycle, which the closest-to-ball reasoning weighs.
    static void setFallen(WorldModel& world, bool fallen) { world.fallen = fallen; }

    /// The side's synchronised role vector as the vote makes it when every
    /// teammate 2 to 11 has told these ten roles (each 0 to 31, what the radio
    /// carries); the goalkeeper's world model keeps none.
    static void setSynchronizedRoleAssignmentVector(WorldModel& world, const std::vector<int>& roles) {
        for (int number = PositioningModel::FIRST_FIELD_PLAYER; number <= PositioningModel::LAST_FIELD_PLAYER;
             ++number) {
            representations::HearData heard(
                world.teamName, 0.0, false, 0.0,
                tests::TeamRadioRecord::fieldPlayer(number, 0.0, 0.0, false, 0.0, 0.0, false, roles, number));
            heard.decode(world.teamName);
            world.positioningModel.update(0.0, heard, world.teamName, world.agentNumber);
        }
    }

    /// The cycle's lists of relevant players, their distances and the
    /// closest-to-ball reasoning, from the players, self and ball as set.
    static void refreshPlayerLists(WorldModel& world) { world.updatePlayerLists(); }

    // What a cycle left inside the model, for the tests of the cycle itself.
    static double time(const WorldModel& world) { return world.time; }
    static bool fallen(const WorldModel& world) { return world.fallen; }
    static const perception::VisibleBall* visibleBall(const WorldModel& world) { return world.visibleBall; }
    static const std::vector<perception::VisiblePlayer*>& visiblePlayers(const WorldModel& world) {
        return world.visiblePlayers;
    }
    static const std::vector<perception::VisibleLine*>& visibleLines(const WorldModel& world) {
        return world.visibleLines;
    }
    static bool opponentHeard(const WorldModel& world, int number) { return world.opponentHeard[index(number)]; }
    static int teammateCyclesNotSeen(const WorldModel& world, int number) {
        return world.teammateCyclesNotSeen[index(number)];
    }

private:
    static std::size_t index(int number) {
        if (number < 1 || number > WorldModel::NUMBER_OF_PLAYERS) {
            throw std::out_of_range("uniform number " + std::to_string(number) + " is not between 1 and 11");
        }
        return static_cast<std::size_t>(number - 1);
    }

    static Pose2D toLocal(WorldModel& world, const Pose2D& position) {
        const Pose2D& self = world.selfModel.getObject().getPosition();
        const double dx = position.translation.x - self.translation.x;
        const double dy = position.translation.y - self.translation.y;
        const double c = std::cos(self.rotation);
        const double s = std::sin(self.rotation);
        return Pose2D(0.0, c * dx + s * dy, -s * dx + c * dy);
    }

    static void setPlayer(WorldModel& world, std::vector<OtherPlayerModel>& models, int number, const Pose2D& position,
                          bool fallen) {
        representations::OtherPlayer& player = models[index(number)].getObject();
        player.setPosition(position);
        player.setLocalPosition(toLocal(world, position));
        player.setVelocity(Pose2D());
        player.setLocalVelocity(Pose2D());
        player.setIsFallen(fallen);
        player.setId(number);
    }
};

} // namespace modeling

#endif
