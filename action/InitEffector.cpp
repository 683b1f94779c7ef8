#include "action/InitEffector.h"

namespace action {

InitEffector::InitEffector(int agentNumber, const std::string& teamName)
    : agentNumber(agentNumber), teamName(teamName) {}

void InitEffector::appendTo(std::string& text) const {
    text += "(init (unum ";
    appendNumber(text, agentNumber);
    text += ")(teamname ";
    text += teamName;
    text += "))";
}

} // namespace action
