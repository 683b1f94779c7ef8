#ifndef AGENT_BODYCHOICE_H
#define AGENT_BODYCHOICE_H

#include "representations/RobotType.h"

namespace agent {

/// The uniform number a player registers with and the body type it asks the
/// server for; the agent chooses both from the uniform number it was started with.
class BodyChoice {
public:
    /// A body chosen apart from the uniform number (field trials try every type).
    BodyChoice(int agentNumber, representations::RobotType::ROBOT_TYPE robotType)
        : agentNumber(agentNumber), robotType(robotType) {}
    /// 1 to 3 and 6: type 4; 4 and 5: type 2; 7 and 8: type 0; 9 to 11: type 4;
    /// 15 plays as 10 with type 0. Any other number raises
    /// std::invalid_argument: the team's records hold eleven players.
    static BodyChoice fromUniformNumber(int givenNumber);

    int getAgentNumber() const { return agentNumber; }
    representations::RobotType::ROBOT_TYPE getRobotType() const { return robotType; }

private:
    int agentNumber;
    representations::RobotType::ROBOT_TYPE robotType;
};

} // namespace agent

#endif
