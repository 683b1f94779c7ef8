#include "decision_making/behavior/kick_behavior/Kicks.h"

#include "control/keyframe/KeyframeType.h"
#include "control/neural_network/NeuralMotionType.h"
#include "marlowinds_lib/math/MathUtils.h"

namespace decision_making {
namespace behavior {
namespace kick_behavior {

namespace {

using control::keyframe::KeyframeType;
using control::neural_network::NeuralMotionType;
using marlowinds_lib::math::MathUtils;
using Offset = marlowinds_lib::math::Vector2<double>;

/// The pose of a kick measured in a frame turned by turnDegrees: the offset
/// turned back into the kick's frame, the heading with the turn added.
KickParameters turned(double turnDegrees, const Offset& offset, double heading) {
    const double turn = MathUtils::degreesToRadians(turnDegrees);
    return KickParameters(offset.rotate(turn), turn + heading);
}

} // namespace

BestKick::BestKick() : NeuralKick(NeuralMotionType::BEST_KICK, turned(-25.0, {-0.164, -0.0321}, 0.273)) {}

BestKickKeyframe::BestKickKeyframe() : KeyframeKick(KeyframeType::BEST_KICK, turned(-25.0, {-0.16, -0.04}, 0.27)) {}

// Measured in the turned frame, but played facing the kick direction.
FastKick::FastKick()
    : KeyframeKick(KeyframeType::FAST_KICK,
                   KickParameters(Offset(-0.124, -0.1).rotate(MathUtils::degreesToRadians(-25.0)), 0.0)) {}

BestKickToe::BestKickToe() : NeuralKick(NeuralMotionType::BEST_KICK_TOE, KickParameters({-0.165, 0.0}, 0.1)) {}

KeyframeSecondaryKick::KeyframeSecondaryKick()
    : KeyframeKick(KeyframeType::SECONDARY_KICK, KickParameters({-0.160705866, -0.038297443}, 0.1)) {}

ShortDistance5mKick::ShortDistance5mKick()
    : KeyframeKick(KeyframeType::SHORT_DISTANCE_5M_KICK, KickParameters({-0.17, -0.04}, 0.0)) {}

LongDistance20mKick::LongDistance20mKick()
    : KeyframeKick(KeyframeType::LONG_DISTANCE_20M_KICK, KickParameters({-0.13, -0.015}, 0.13)) {}

StandardNaoNeuralKick::StandardNaoNeuralKick(const std::string& distanceText)
    : NeuralKick(NeuralMotionType::distanceKick(distanceText), KickParameters({-0.17, 0.0}, 0.1)) {}

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
