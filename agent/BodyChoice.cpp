#include "agent/BodyChoice.h"

#include <stdexcept>
#include <string>

namespace agent {

namespace {

constexpr int SUBSTITUTE_NUMBER = 15;
constexpr int SUBSTITUTE_PLAYS_AS = 10;
constexpr int TEAM_SIZE = 11;

} // namespace

BodyChoice BodyChoice::fromUniformNumber(int givenNumber) {
    using representations::RobotType;
    if (givenNumber == SUBSTITUTE_NUMBER) {
        return BodyChoice(SUBSTITUTE_PLAYS_AS, RobotType::NAO_TYPE_0);
    }
    if (givenNumber < 1 || givenNumber > TEAM_SIZE) {
        throw std::invalid_argument("uniform number " + std::to_string(givenNumber) +
                                    " is not one of 1 to 11 (or 15, which plays as 10)");
    }
    switch (givenNumber) {
    case 4:
    case 5:
        return BodyChoice(givenNumber, RobotType::NAO_TYPE_2);
    case 7:
    case 8:
        return BodyChoice(givenNumber, RobotType::NAO_TYPE_0);
    default:
        return BodyChoice(givenNumber, RobotType::NAO_TYPE_4);
    }
}

} // namespace agent
