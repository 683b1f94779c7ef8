#include "control/neural_network/NeuralMotionType.h"

#include <cstdio>

namespace control {
namespace neural_network {

std::string NeuralMotionType::distanceKick(const std::string& distanceText) { return "kick/" + distanceText + "m"; }

const std::vector<std::string>& NeuralMotionType::getDistanceKicks() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> kicks;
        const int steps = static_cast<int>((LONGEST_DISTANCE_KICK - SHORTEST_DISTANCE_KICK) / DISTANCE_KICK_STEP + 0.5);
        for (int step = 0; step <= steps; ++step) {
            char text[16];
            std::snprintf(text, sizeof text, "%.1f", SHORTEST_DISTANCE_KICK + step * DISTANCE_KICK_STEP);
            kicks.push_back(distanceKick(text));
        }
        return kicks;
    }();
    return names;
}

const std::vector<std::string>& NeuralMotionType::getRequestedMotions() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> motions = {BEST_KICK, BEST_KICK_TOE};
        motions.insert(motions.end(), getDistanceKicks().begin(), getDistanceKicks().end());
        return motions;
    }();
    return names;
}

} // namespace neural_network
} // namespace control
