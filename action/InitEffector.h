#ifndef ACTION_INITEFFECTOR_H
#define ACTION_INITEFFECTOR_H

#include "action/Effector.h"

namespace action {

/// Registers the uniform number and the team.
class InitEffector : public Effector {
public:
    InitEffector(int agentNumber, const std::string& teamName);
    void appendTo(std::string& text) const override;

private:
    int agentNumber;
    std::string teamName;
};

} // namespace action

#endif
