#ifndef CONTROL_KEYFRAME_KEYFRAMETYPE_H
#define CONTROL_KEYFRAME_KEYFRAMETYPE_H

#include <string>
#include <vector>

namespace control {
namespace keyframe {

/// The names of the keyframe pages that the agent requests.
class KeyframeType {
public:
    KeyframeType() = delete;

    static constexpr const char* TEST = "test";
    static constexpr const char* INIT = "getReady";
    static constexpr const char* PREPARE_FOR_KICK = "prepareForKick";
    static constexpr const char* STAND_UP_FROM_BACK = "standUpFromBackOptimization";
    static constexpr const char* STAND_UP_FROM_FRONT = "standUpFromFront";
    static constexpr const char* MOVE_ARM_TO_FALL_BACK = "moveArmToFallBack";
    static constexpr const char* KICK_RIGHT_LEG = "kickRightLeg";
    static constexpr const char* KICK_LEFT_LEG = "kickLeftLeg";
    static constexpr const char* CATCH_RIGHT = "catchRight";
    static constexpr const char* CATCH_LEFT = "catchLeft";
    static constexpr const char* HOCKEY = "goalieHockey";
    static constexpr const char* FALL_BACK = "fallBack";
    static constexpr const char* FALL_FRONT = "fallFront";
    static constexpr const char* FALL_RIGHT_SIDE = "fallRightSide";

    // The keyframe kicks of the kick catalogue.
    static constexpr const char* FAST_KICK = "superKickLeft";
    static constexpr const char* BEST_KICK = "bestKickLeftLeg";
    static constexpr const char* SECONDARY_KICK = "secondaryKickLeftLeg";
    static constexpr const char* SHORT_DISTANCE_5M_KICK = "kick5m";
    static constexpr const char* LONG_DISTANCE_20M_KICK = "kick20mLeftLeg";

    /// Every name above: the pages that must exist for no request to be refused.
    static const std::vector<std::string>& getRequestedPages();
};

} // namespace keyframe
} // namespace control

#endif
