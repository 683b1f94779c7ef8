#include "decision_making/behavior/kick_behavior/KickManager.h"

#include "decision_making/behavior/kick_behavior/Kicks.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "representations/RobotType.h"

#include <cmath>
#include <cstdio>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

namespace {

using marlowinds_lib::math::MathUtils;
using representations::RobotType;

// Catalogue positions.
constexpr std::size_t BEST_KICK_KEYFRAME = 1;
constexpr std::size_t FAST_KICK = 2;
constexpr std::size_t BEST_KICK_TOE = 3;
constexpr std::size_t KEYFRAME_SECONDARY_KICK = 4;

/// The kick taker of the kick-off plays its keyframe kick whatever the distance.
constexpr int KICK_OFF_TAKER = 10;

/// The distance in metres rounded to the nearest half metre (halves up), with one decimal.
std::string distanceText(double distance) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", std::floor(2.0 * distance + 0.5) / 2.0);
    return text;
}

} // namespace

KickManager::KickManager()
    : kicks{std::make_shared<BestKick>(),
            std::make_shared<BestKickKeyframe>(),
            std::make_shared<FastKick>(),
            std::make_shared<BestKickToe>(),
            std::make_shared<KeyframeSecondaryKick>(),
            std::make_shared<ShortDistance5mKick>(),
            std::make_shared<LongDistance20mKick>()} {}

std::shared_ptr<Kick> KickManager::selectKick(double distance, int agentNumber, int robotType, double /*unused*/) {
    if (agentNumber == KICK_OFF_TAKER && robotType == RobotType::NAO_TYPE_0) {
        return kicks[BEST_KICK_KEYFRAME];
    }
    // A distance that is not a number counts as the shortest.
    const double clamped =
        std::isnan(distance) ? MIN_KICK_DISTANCE : MathUtils::clamp(distance, MIN_KICK_DISTANCE, MAX_KICK_DISTANCE);
    if (clamped <= FAST_KICK_DISTANCE) {
        return kicks[FAST_KICK];
    }
    switch (robotType) {
    case RobotType::NAO_TYPE_0:
        return std::make_shared<StandardNaoNeuralKick>(distanceText(clamped));
    case RobotType::NAO_TYPE_2:
        return kicks[KEYFRAME_SECONDARY_KICK];
    default:
        // Body type 4, and the types the team never plays.
        return kicks[BEST_KICK_TOE];
    }
}

std::shared_ptr<Kick> KickManager::getKick(double distance, int agentNumber, int robotType, double unused) {
    currentKick = selectKick(distance, agentNumber, robotType, unused);
    currentKick->computeParameters();
    return currentKick;
}

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making
