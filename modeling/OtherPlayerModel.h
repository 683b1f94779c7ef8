#ifndef MODELING_OTHERPLAYERMODEL_H
#define MODELING_OTHERPLAYERMODEL_H

#include "marlowinds_lib/math/Pose2D.h"
#include "modeling/state_estimation/PlayerTracker.h"
#include "perception/VisiblePlayer.h"
#include "representations/HearData.h"
#include "representations/OtherPlayer.h"

namespace modeling {

/// One teammate or opponent: a tracker of its robot-frame position and
/// velocity and the record that the world model and decision making read. The
/// record comes from the tracker in field coordinates, or from what a team
/// message or another record says of the player. Copies are independent.
class OtherPlayerModel {
public:
    static constexpr int MIN_UNIFORM_NUMBER = 1;
    static constexpr int MAX_UNIFORM_NUMBER = 11;
    /// A player whose seen body parts span less height than this lies on the ground.
    static constexpr double FALLEN_HEIGHT_SPREAD = 0.25;
    /// The fewest seen body parts the fallen test needs.
    static constexpr int MIN_PARTS_FOR_FALLEN_TEST = 3;

    /// A record without an id.
    OtherPlayerModel() = default;
    /// A record with the given uniform number.
    explicit OtherPlayerModel(int id);
    virtual ~OtherPlayerModel() = default;

    /// A uniform number of the field, 1 to 11.
    static bool isUniformNumber(int number) { return number >= MIN_UNIFORM_NUMBER && number <= MAX_UNIFORM_NUMBER; }

    /// The tracker's step (player null: not seen this cycle) and the record from
    /// its estimate, composed with the agent's global pose selfPose. The record
    /// is relevant while the tracker holds the player; an unseen player keeps
    /// its last fallen flag.
    void update(double time, const perception::VisiblePlayer* player, const marlowinds_lib::math::Pose2D& odometry,
                const marlowinds_lib::math::Pose2D& selfPose);
    /// The player as it describes itself in a team message: taken when the
    /// message is another agent's, not empty, from a sender standing and
    /// numbered 1 to 11; otherwise the record only turns not relevant.
    void update(const representations::HearData& hearData);
    /// Global position, id, fallen and relevant flags of another record.
    void update(const representations::OtherPlayer& player);
    /// Fallen when at least three body parts are seen and their heights
    /// span less than FALLEN_HEIGHT_SPREAD. A null player changes nothing.
    void updateFallen(const perception::VisiblePlayer* player);

    representations::OtherPlayer& getObject() { return otherPlayer; }
    const representations::OtherPlayer& getObject() const { return otherPlayer; }

private:
    state_estimation_player::PlayerTracker playerTracker;
    representations::OtherPlayer otherPlayer;
};

} // namespace modeling

#endif
