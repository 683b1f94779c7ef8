#ifndef DECISION_MAKING_POSITIONING_DELAUNAYPOSITIONING_H
#define DECISION_MAKING_POSITIONING_DELAUNAYPOSITIONING_H

#include "decision_making/positioning/Positioning.h"
#include "decision_making/positioning/delaunay_triangulation/DelaunayFormationFactory.h"
#include "marlowinds_lib/math/Vector2.h"

#include <string>
#include <vector>

namespace decision_making {
namespace positioning {

/// The team's formation positions for the play mode and the ball, looked up
/// in the formation files: the default formation in open play, one for the own
/// team's set pieces, one for the own pass and one for the opponents' set pieces.
class DelaunayPositioning : public Positioning {
public:
    /// Reads the formation files of the folder once (see DelaunayFormationFactory).
    explicit DelaunayPositioning(const std::string& folder);

    /// Facing the opponents' goal at the own formation position.
    marlowinds_lib::math::Pose2D getAgentPosition(modeling::Modeling& modeling) override;
    /// Eleven positions, index uniform number - 1.
    virtual delaunay_triangulation::DelaunayInterpolator::TeamPositions getTeamPosition(modeling::Modeling& modeling);

private:
    delaunay_triangulation::DelaunayFormationFactory factory;
};

} // namespace positioning
} // namespace decision_making

#endif
