#include "decision_making/behavior/FocusBall.h"

#include "marlowinds_lib/math/MathUtils.h"
#include "modeling/Modeling.h"
#include "perception/AgentPerception.h"

#include <cmath>

namespace decision_making {
namespace behavior {

namespace {

using marlowinds_lib::math::MathUtils;

double globalTime(modeling::Modeling& modeling) {
    const perception::AgentPerception* perception = modeling.getAgentModel().getAgentPerception();
    return perception != nullptr ? perception->getGlobalTime() : 0.0;
}

} // namespace

void FocusBall::behave(modeling::Modeling& modeling) {
    const double now = globalTime(modeling);
    lookRequest.reset();
    if (firstCycle) {
        scanStartTime = now;
        firstCycle = false;
    }
    if (isBetterScan(modeling)) {
        if (mode == Mode::TRACKING) {
            scanStartTime = now;
            mode = Mode::SCANNING;
        }
        const double t = now - scanStartTime;
        turnHead(modeling, t);
        if (t > SCAN_TIME) {
            tiltToggle = !tiltToggle;
            scanStartTime = now;
        }
    } else {
        if (mode == Mode::SCANNING) {
            scanStartTime = now;
            mode = Mode::TRACKING;
        }
        focusOnTheBall(modeling);
    }
}

bool FocusBall::isBetterScan(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    representations::Ball& ball = world.getBall();
    if (!ball.isRelevant()) {
        return true;
    }
    return ball.getPosition().translation.distance(world.getSelf().getPosition().translation) > TRACKING_DISTANCE;
}

void FocusBall::turnHead(modeling::Modeling& /*modeling*/, double t) {
    const double pan = PAN_AMPLITUDE * std::sin(MathUtils::TWO_PI * t / SCAN_TIME + MathUtils::PI / 2.0);
    const double tilt = tiltToggle ? UPPER_SCAN_TILT : -TILT_AMPLITUDE;
    lookRequest = std::make_shared<control::LookRequest>(pan, tilt);
}

void FocusBall::focusOnTheBall(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const marlowinds_lib::math::Pose2D& self = world.getSelf().getPosition();
    const marlowinds_lib::math::Vector2<double> toBall = world.getBall().getPosition().translation - self.translation;
    // Wrapped, so that a ball behind the agent turns the neck the short way.
    const double pan = MathUtils::normalizeAngle(std::atan2(toBall.y, toBall.x) - self.rotation);
    const double cameraHeight = std::fabs(modeling.getAgentModel().getFromCameraToRootTransform().translation.z);
    lookRequest = std::make_shared<control::LookRequest>(pan, std::atan2(-cameraHeight, toBall.norm()));
}

} // namespace behavior
} // namespace decision_making
