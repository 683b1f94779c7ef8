#ifndef ACTION_BEAMEFFECTOR_H
#define ACTION_BEAMEFFECTOR_H

#include "action/Effector.h"
#include "marlowinds_lib/math/Pose2D.h"

namespace action {

/// Places the robot before kick-off: x, y, then the rotation, each written as given.
class BeamEffector : public Effector {
public:
    explicit BeamEffector(const marlowinds_lib::math::Pose2D& pose);
    void appendTo(std::string& text) const override;

private:
    marlowinds_lib::math::Pose2D pose;
};

} // namespace action

#endif
