#ifndef CONTROL_NEURAL_NETWORK_NEURALMOTIONTYPE_H
#define CONTROL_NEURAL_NETWORK_NEURALMOTIONTYPE_H

#include <string>
#include <vector>

namespace control {
namespace neural_network {

/// The names of the neural-network motions that the agent requests: graph
/// names relative to the neural-network folder, without ".pb".
class NeuralMotionType {
public:
    NeuralMotionType() = delete;

    static constexpr const char* BEST_KICK = "kick/output_graph";
    static constexpr const char* BEST_KICK_TOE = "kick/output_graph_toe";
    /// The distances of the kicks by distance, in steps of DISTANCE_KICK_STEP (m).
    static constexpr double SHORTEST_DISTANCE_KICK = 7.0;
    static constexpr double LONGEST_DISTANCE_KICK = 18.0;
    static constexpr double DISTANCE_KICK_STEP = 0.5;

    /// The kick for a distance written with one decimal ("12.5"): "kick/12.5m".
    static std::string distanceKick(const std::string& distanceText);
    /// Every kick by distance, the shortest first.
    static const std::vector<std::string>& getDistanceKicks();
    /// Every name above: the graphs that must exist for no request to end at once.
    static const std::vector<std::string>& getRequestedMotions();
};

} // namespace neural_network
} // namespace control

#endif
