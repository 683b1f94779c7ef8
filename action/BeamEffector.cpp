#include "action/BeamEffector.h"

namespace action {

BeamEffector::BeamEffector(const marlowinds_lib::math::Pose2D& pose) : pose(pose) {}

void BeamEffector::appendTo(std::string& text) const {
    text += "(beam ";
    appendNumber(text, pose.translation.x);
    text += " ";
    appendNumber(text, pose.translation.y);
    text += " ";
    appendNumber(text, pose.rotation);
    text += ")";
}

} // namespace action
