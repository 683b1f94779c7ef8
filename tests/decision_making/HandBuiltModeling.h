#ifndef TESTS_DECISION_MAKING_HANDBUILTMODELING_H
#define TESTS_DECISION_MAKING_HANDBUILTMODELING_H

#include "modeling/Modeling.h"
#include "perception/AgentPerception.h"
#include "perception/PerceptorFactory.h"
#include "tests/modeling/StubControl.h"
#include "tests/support/WorldModelTestAccess.h"
#include "utils/parser/Parser.h"

#include <cstdio>
#include <string>

namespace decision_making {
namespace testing {

/// The models that decision making reads, for its tests: the world model is
/// built by hand through modeling::WorldModelTestAccess, while the agent model
/// perceives hand-made server messages that set the clock and the body's posture.
class HandBuiltModeling {
public:
    using Access = modeling::WorldModelTestAccess;

    explicit HandBuiltModeling(int agentNumber, int robotType = 4) : modeling(agentNumber, "Marlowinds", robotType) {}

    /// One agent-model cycle at that server time, upright or lying on its front.
    void perceive(double time, bool lying = false) { perceiveAcceleration(time, lying ? "0 -9.81 0" : "0 0 9.81"); }
    /// One agent-model cycle at that server time, lying on its side.
    void perceiveLyingOnSide(double time) { perceiveAcceleration(time, "9.81 0 0"); }

    /// One agent-model cycle with the accelerometer reading as the server writes it.
    void perceiveAcceleration(double time, const char* acceleration) {
        char text[128];
        std::snprintf(text, sizeof text, "(time (now %.17g))(ACC (n torso) (a %s))", time, acceleration);
        const auto root = parser.parseMessage(text);
        factory.update(*root);
        snapshot.update(factory.getPerceptors());
        modeling::AgentModelUpdateData data(snapshot, control);
        modeling.getAgentModel().update(data);
    }

    modeling::WorldModel& world() { return modeling.getWorldModel(); }

    modeling::Modeling modeling;

private:
    utils::parser::Parser parser;
    perception::PerceptorFactory factory;
    perception::AgentPerception snapshot;
    modeling::StubControl control;
};

} // namespace testing
} // namespace decision_making

#endif
