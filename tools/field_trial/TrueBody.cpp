#include "tools/field_trial/TrueBody.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace tools {
namespace field_trial {

TrueBody TrueBody::fromTorso(const utils::wizard::Transform& torso) {
    TrueBody body;
    body.known = !torso.isZero();
    if (!body.known) {
        return body;
    }
    body.position = utils::wizard::columnOf(torso, 3);
    // The server's torso frame: x to the left, y up, z forward.
    body.heading = std::atan2(torso(1, 2), torso(0, 2));
    body.tilt = std::acos(std::clamp(torso(2, 1), -1.0, 1.0));
    return body;
}

std::string TrueBody::definitions() {
    using marlowinds_lib::math::MathUtils;
    std::ostringstream text;
    text << "upright: the torso's up axis within " << MathUtils::radiansToDegrees(UPRIGHT_TILT)
         << " degrees of the vertical and the torso's centre at least " << UPRIGHT_HEIGHT << " m high;\n"
         << "fallen: the torso's centre lower than " << FALLEN_HEIGHT << " m or its up axis more than "
         << MathUtils::radiansToDegrees(FALLEN_TILT) << " degrees off the vertical;\n"
         << "both from the simulation's true torso pose (a body may be neither, on its way up or down).";
    return text.str();
}

bool TrueBody::isUpright() const { return known && tilt <= UPRIGHT_TILT && position.z >= UPRIGHT_HEIGHT; }

bool TrueBody::isFallen() const { return known && (position.z < FALLEN_HEIGHT || tilt > FALLEN_TILT); }

marlowinds_lib::math::Pose2D TrueBody::groundPose() const {
    return marlowinds_lib::math::Pose2D(heading, position.x, position.y);
}

} // namespace field_trial
} // namespace tools
