#ifndef TESTS_CONTROL_CONTROLLOOP_H
#define TESTS_CONTROL_CONTROLLOOP_H

#include "control/ControlImpl.h"
#include "decision_making/DecisionMaking.h"
#include "marlowinds_lib/utils/patterns/BranchParameter.h"
#include "modeling/Modeling.h"
#include "perception/Perception.h"
#include "tests/control/JsonLeaf.h"
#include "tests/perception/MessageFeed.h"
#include "tools/test_server/SensorMessageBuilder.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tests {

/// Decisions scripted by the test, one pair of requests per cycle.
class ScriptedDecision : public decision_making::DecisionMaking {
public:
    void decide(modeling::Modeling& /*modeling*/) override {}
    void script(std::shared_ptr<control::MovementRequest> movement, std::shared_ptr<control::LookRequest> look) {
        movementRequest = std::move(movement);
        lookRequest = std::move(look);
    }
};

/// Motion control in a closed loop over the joint plant of the test server:
/// each cycle the plant's angles arrive in a server message, control answers
/// the scripted requests with speeds, and the speeds move the plant.
class ControlLoop {
public:
    explicit ControlLoop(int robotType = 0) : control(robotType), modeling(1, "Testers", robotType) {}

    /// Pages from JSON texts, one page each, as the configuration would hold them.
    void loadPages(const std::vector<std::string>& pages) {
        marlowinds_lib::utils::patterns::BranchParameter<boost::property_tree::ptree, std::string> node;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            node.addChild("page" + std::to_string(i) + ".json", jsonLeaf(pages[i]));
        }
        control.getKeyframePlayer().getPageManager().setParameter(node);
    }

    void cycle(std::shared_ptr<control::MovementRequest> movement,
               std::shared_ptr<control::LookRequest> look = nullptr) {
        perception.perceive(feed.deliver(builder.nextMessage()));
        decision.script(std::move(movement), std::move(look));
        control.control(perception, modeling, decision);
        const std::vector<double> speeds = control.getJointsCommands().getAsVector();
        std::array<double, representations::NaoJoints::NUMBER_OF_JOINTS> plantSpeeds{};
        std::copy(speeds.begin(), speeds.end(), plantSpeeds.begin());
        builder.applyJointSpeeds(plantSpeeds);
    }

    /// The angles control saw in the latest cycle (server directions).
    const representations::NaoJoints& perceived() const { return perception.getAgentPerception().getNaoJoints(); }
    double time() const { return perception.getAgentPerception().getGlobalTime(); }
    template <class State> bool runs() const { return control.getStateMachine().state_cast<const State*>() != nullptr; }

    control::ControlImpl control;

private:
    tools::test_server::SensorMessageBuilder builder{tools::test_server::SimulatedWorld{}};
    perception::testing::MessageFeed feed;
    perception::Perception perception{"Testers"};
    modeling::Modeling modeling;
    ScriptedDecision decision;
};

} // namespace tests

#endif
