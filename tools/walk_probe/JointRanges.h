#ifndef TOOLS_WALK_PROBE_JOINTRANGES_H
#define TOOLS_WALK_PROBE_JOINTRANGES_H

#include "representations/NaoJoints.h"

#include <array>
#include <string>

namespace tools {
namespace walk_probe {

/// The simulated NAO's joint ranges, as the body model describes them, in the
/// server's joint directions (radians).
class JointRanges {
public:
    JointRanges();

    /// False for a value outside the range, and for one that is not a number.
    bool contains(representations::NaoJoints::HINGE_JOINTS joint, double serverAngle) const;
    double getMinimum(representations::NaoJoints::HINGE_JOINTS joint) const { return ranges[joint].minimum; }
    double getMaximum(representations::NaoJoints::HINGE_JOINTS joint) const { return ranges[joint].maximum; }
    /// The joint's name in the simulator's model ("LLJ2").
    const std::string& getName(representations::NaoJoints::HINGE_JOINTS joint) const { return ranges[joint].name; }

private:
    struct Range {
        std::string name;
        double minimum = 0.0;
        double maximum = 0.0;
    };
    std::array<Range, representations::NaoJoints::NUMBER_OF_JOINTS> ranges;
};

} // namespace walk_probe
} // namespace tools

#endif
