#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKMANAGER_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKMANAGER_H

#include "control/neural_network/NeuralMotionType.h"
#include "decision_making/behavior/kick_behavior/Kick.h"

#include <memory>
#include <vector>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

/// The catalogue of the system's kicks, and the choice among them by kick
/// distance, uniform number and body type.
class KickManager {
public:
    /// At most this far (metres) every body plays its fast kick.
    static constexpr double FAST_KICK_DISTANCE = 7.0;
    // The distances (metres) the longer kicks are made for: those of the neural kicks by distance.
    static constexpr double MIN_KICK_DISTANCE = control::neural_network::NeuralMotionType::SHORTEST_DISTANCE_KICK;
    static constexpr double MAX_KICK_DISTANCE = control::neural_network::NeuralMotionType::LONGEST_DISTANCE_KICK;

    KickManager();
    virtual ~KickManager() = default;

    /// The kick for a distance (metres) to the target; the last argument is unused.
    /// Catalogue kicks are shared, the standard body's neural kick is made anew.
    virtual std::shared_ptr<Kick> selectKick(double distance, int agentNumber, int robotType, double unused);
    /// selectKick, kept as the current kick after its parameters are computed.
    std::shared_ptr<Kick> getKick(double distance, int agentNumber, int robotType, double unused);

private:
    std::shared_ptr<Kick> currentKick;
    std::vector<std::shared_ptr<Kick>> kicks;
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
