#include "decision_making/behavior/Keep.h"

#include "control/KeyframeRequest.h"
#include "control/keyframe/KeyframeType.h"
#include "modeling/Modeling.h"

#include <memory>

namespace decision_making {
namespace behavior {

using control::keyframe::KeyframeType;

void Keep::behave(modeling::Modeling& modeling) {
    modeling::WorldModel& world = modeling.getWorldModel();
    const auto& ball = world.getBall().getPosition().translation;
    const auto& self = world.getSelf().getPosition().translation;
    // Where the ball passes the keeper, to its left when positive. A ball on the
    // centre line would divide by zero; it is far from any save, and only the
    // keeper's own offset counts there.
    const double reach = ball.x == 0.0 ? 0.0 : (ball.x - self.x) / ball.x * ball.y;
    const double side = reach + (ball.y - self.y);
    const char* page = KeyframeType::HOCKEY;
    if (side >= BLOCK_WIDTH) {
        page = KeyframeType::CATCH_LEFT;
    } else if (side <= -BLOCK_WIDTH) {
        page = KeyframeType::CATCH_RIGHT;
    }
    movementRequest = std::make_shared<control::KeyframeRequest>(page, false);
}

} // namespace behavior
} // namespace decision_making
