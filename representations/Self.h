#ifndef REPRESENTATIONS_SELF_H
#define REPRESENTATIONS_SELF_H

#include "marlowinds_lib/math/Pose2D.h"

namespace representations {

/// The agent's own global pose.
class Self {
public:
    Self() = default;
    virtual ~Self() = default;

    marlowinds_lib::math::Pose2D& getPosition() { return position; }
    const marlowinds_lib::math::Pose2D& getPosition() const { return position; }
    void setPosition(const marlowinds_lib::math::Pose2D& pose) { position = pose; }

private:
    marlowinds_lib::math::Pose2D position;
};

} // namespace representations

#endif
