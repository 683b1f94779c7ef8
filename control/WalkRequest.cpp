#include "control/WalkRequest.h"

#include "control/WalkInputDataSetter.h"

#include "utils/debug/DebuggingUtils.h"

#include <cmath>
#include <iostream>

namespace control {

namespace {

const marlowinds_lib::math::Pose2D& reportNaN(const marlowinds_lib::math::Pose2D& velocity) {
    if (utils::isPose2DNotANumber(velocity)) {
        std::cout << "nan";
    }
    return velocity;
}

} // namespace

WalkRequest::WalkRequest(const marlowinds_lib::math::Pose2D& velocity)
    : WalkRequest(velocity, decideWalkMode(velocity)) {}

WalkRequest::WalkRequest(const marlowinds_lib::math::Pose2D& velocity, WalkMode walkMode)
    : MovementRequest(MovementRequestType::WALK), velocity(reportNaN(velocity)), walkMode(walkMode) {}

WalkMode WalkRequest::decideWalkMode(const marlowinds_lib::math::Pose2D& velocity) {
    return std::fabs(velocity.translation.y) < SMALL_VY ? WalkMode::SPRINT : WalkMode::TURN;
}

void WalkRequest::setWalkInput(WalkInputDataSetter& setter) {
    setter.flag = false;
    setter.walk.setDesiredVelocity(velocity);
}

} // namespace control
