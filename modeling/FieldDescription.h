#ifndef MODELING_FIELDDESCRIPTION_H
#define MODELING_FIELDDESCRIPTION_H

#include "marlowinds_lib/math/Vector3.h"
#include "representations/FlagType.h"
#include "representations/GoalPostType.h"
#include "representations/PlaySide.h"

#include <array>
#include <cstddef>

namespace modeling {

/// The soccer field in the agent's own field frame (origin at the centre spot,
/// x towards the opponents' goal, y to the left seen from the own goal, z up):
/// the own goal is at x = -15 whatever side the team plays on.
class FieldDescription {
public:
    static constexpr double FIELD_LENGTH = 30.0;
    static constexpr double FIELD_WIDTH = 20.0;
    /// A full-size field, whose coordinates (formation files) scale by FIELD_LENGTH / SOCCER_2D_FIELD_LENGTH.
    static constexpr double SOCCER_2D_FIELD_LENGTH = 105.0;
    static constexpr double SOCCER_2D_FIELD_WIDTH = 68.0;
    static constexpr double GOAL_AREA_LENGTH = 0.6;
    /// The goal's width: the posts stand at y = +-1.05.
    static constexpr double GOAL_AREA_WIDTH = 2.1;
    static constexpr double PENALTY_AREA_LENGTH = 1.8;
    static constexpr double GOAL_POST_HEIGHT = 0.8;
    static constexpr double CENTER_CIRCLE_RADIUS = 2.0;

    FieldDescription();
    virtual ~FieldDescription() = default;

    /// Selects the landmark table: left for LEFT, the mirrored one for any other side.
    void update(representations::PlaySide::PLAY_SIDE side);
    const representations::PlaySide::PLAY_SIDE& getCurrentPlaySide() const { return currentPlaySide; }

    /// Throws std::out_of_range for UNKNOWN or any value outside the four flags.
    const marlowinds_lib::math::Vector3<double>& getFlagKnownPosition(representations::FlagType::FLAG_TYPE flag) const;
    /// Throws std::out_of_range for UNKNOWN or any value outside the four posts.
    const marlowinds_lib::math::Vector3<double>&
    getGoalPostKnownPosition(representations::GoalPostType::GOAL_POST_TYPE post) const;

private:
    static constexpr int NUMBER_OF_LANDMARKS = 8;
    /// Goal posts follow the four flags in each table.
    static constexpr int FIRST_GOAL_POST = 4;

    const marlowinds_lib::math::Vector3<double>& knownPosition(std::size_t landmark) const;

    representations::PlaySide::PLAY_SIDE currentPlaySide = representations::PlaySide::LEFT;
    std::array<marlowinds_lib::math::Vector3<double>, NUMBER_OF_LANDMARKS> leftSideKnownPositions;
    std::array<marlowinds_lib::math::Vector3<double>, NUMBER_OF_LANDMARKS> rightSideKnownPositions;
};

} // namespace modeling

#endif
