#ifndef MODELING_STATE_ESTIMATION_LANDMARKOBSERVATION_H
#define MODELING_STATE_ESTIMATION_LANDMARKOBSERVATION_H

#include "marlowinds_lib/math/Vector2.h"
#include "representations/FlagType.h"
#include "representations/GoalPostType.h"

namespace modeling {
namespace state_estimation {

/// One seen flag or goal post: where the robot saw it (distance and bearing in
/// its own frame) and where it stands on the field for the current play side.
/// The border queries go by type only, so they hold for both sides.
struct LandmarkObservation {
    double distance = 0.0;
    /// Radians, counter-clockwise from straight ahead.
    double bearing = 0.0;
    marlowinds_lib::math::Vector2<double> position;
    representations::FlagType::FLAG_TYPE flagType = representations::FlagType::UNKNOWN;
    representations::GoalPostType::GOAL_POST_TYPE goalPostType = representations::GoalPostType::UNKNOWN;

    bool isFlag() const { return flagType != representations::FlagType::UNKNOWN; }
    /// F1L or F1R; no goal post stands on it.
    bool onUpperBorder() const;
    /// F1L, F2L, G1L or G2L.
    bool onLeftBorder() const;

    static bool landmarksOnSameBorder(const LandmarkObservation& a, const LandmarkObservation& b);
};

} // namespace state_estimation
} // namespace modeling

#endif
