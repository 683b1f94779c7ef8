#ifndef PERCEPTION_AGENTSTATEPERCEPTOR_H
#define PERCEPTION_AGENTSTATEPERCEPTOR_H

#include "perception/Perceptor.h"

namespace perception {

/// (AgentState (temp T) (battery B)), read leniently; the position of the two
/// nested groups, not their names, says which is which.
class AgentStatePerceptor : public Perceptor {
public:
    AgentStatePerceptor() = default;
    explicit AgentStatePerceptor(const utils::parser::ParserTreeNode& group);

    double getTemperature() const { return temperature; }
    double getBattery() const { return battery; }

private:
    double temperature = 0.0;
    double battery = 0.0;
};

} // namespace perception

#endif
