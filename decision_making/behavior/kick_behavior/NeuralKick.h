#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_NEURALKICK_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_NEURALKICK_H

#include "decision_making/behavior/kick_behavior/Kick.h"

#include <string>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

/// A kick played by a neural-network motion, named by its graph.
class NeuralKick : public Kick {
public:
    explicit NeuralKick(std::string graphName, const KickParameters& parameters = KickParameters());

    void behave(modeling::Modeling& modeling) override;

private:
    std::string graphName;
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
