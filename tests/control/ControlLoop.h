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
#include "utils/configure_tree/ParameterFileReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace tests {

/// The class-wide walk parameter sets filled from the shipped files while the
/// object lives, as the agent fills them at start-up; restored afterwards.
class ShippedWalkSets {
public:
    using Sets = std::array<control::walking::OmnidirectionalWalkZMPParams,
                            control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES.size()>;

    ShippedWalkSets() {
        for (std::size_t i = 0; i < saved.size(); ++i) {
            auto& set = control::walking::OmnidirectionalWalkZMPParams::getParamsSet(
                static_cast<control::walking::OmnidirectionalWalkZMParamsType>(i));
            saved[i] = set;
            control::walking::OmnidirectionalWalkZMPParams::setWalkParameters(
                *utils::configure_tree::ParameterFileReader::readLeaf<boost::property_tree::ptree, std::string>(
                    std::string(MARLOWINDS_CONFIGURATION_DIR) + "/control/walk/" +
                    control::walking::OMNIDIRECTIONAL_WALK_ZMP_PARAMS_NAMES[i] + "-parameters.json"),
                set);
        }
    }
    ~ShippedWalkSets() {
        for (std::size_t i = 0; i < saved.size(); ++i) {
            control::walking::OmnidirectionalWalkZMPParams::getParamsSet(
                static_cast<control::walking::OmnidirectionalWalkZMParamsType>(i)) = saved[i];
        }
    }
    ShippedWalkSets(const ShippedWalkSets&) = delete;
    ShippedWalkSets& operator=(const ShippedWalkSets&) = delete;

private:
    Sets saved;
};

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
        cycleOn(nextMessage(), std::move(movement), std::move(look));
    }
    /// The server message of the plant's next cycle, for a test to damage.
    std::string nextMessage() { return builder.nextMessage(); }
    /// A cycle on a message in place of the plant's own.
    void cycleOn(const std::string& message, std::shared_ptr<control::MovementRequest> movement,
                 std::shared_ptr<control::LookRequest> look = nullptr) {
        perception.perceive(feed.deliver(message));
        decision.script(std::move(movement), std::move(look));
        control.control(perception, modeling, decision);
        const std::vector<double> speeds = control.getJointsCommands().getAsVector();
        std::array<double, representations::NaoJoints::NUMBER_OF_JOINTS> plantSpeeds{};
        std::copy(speeds.begin(), speeds.end(), plantSpeeds.begin());
        builder.applyJointSpeeds(plantSpeeds);
    }

    /// The plant's joint angles (effector order, server directions).
    const std::array<double, representations::NaoJoints::NUMBER_OF_JOINTS>& plantAngles() const {
        return builder.getJointAngles();
    }
    /// The angles control saw in the latest cycle (server directions).
    const representations::NaoJoints& perceived() const { return perception.getAgentPerception().getNaoJoints(); }
    double time() const { return perception.getAgentPerception().getGlobalTime(); }
    const control::ControlStateMachine& machine() const { return control.getStateMachine(); }
    template <class State> bool runs() const { return machine().state_cast<const State*>() != nullptr; }
    /// Every speed command of the latest cycle is a number.
    bool commandsAreFinite() {
        const std::vector<double> speeds = control.getJointsCommands().getAsVector();
        return std::all_of(speeds.begin(), speeds.end(), [](double speed) { return std::isfinite(speed); });
    }

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
