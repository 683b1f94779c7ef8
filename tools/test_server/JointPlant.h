#ifndef TOOLS_TEST_SERVER_JOINTPLANT_H
#define TOOLS_TEST_SERVER_JOINTPLANT_H

#include "tools/walk_probe/JointRanges.h"

#include <array>

namespace tools {
namespace test_server {

/// The robot's joints without dynamics: each cycle every joint turns by its
/// commanded speed for one cycle and stops at the ends of its range, as the
/// simulated NAO's hinges do. Angles and speeds in the server's directions,
/// effector order (he1 ... rle6).
class JointPlant {
public:
    static constexpr int NUMBER_OF_JOINTS = 22;
    static constexpr double CYCLE = 0.02; // s
    using Joints = std::array<double, NUMBER_OF_JOINTS>;

    /// One cycle of the commanded speeds (rad/s).
    void apply(const Joints& speeds);
    /// Puts the joints into a posture (radians), each held inside its range.
    void setAngles(const Joints& posture);
    /// radians; all 0 at first, where the server starts them
    const Joints& getAngles() const { return angles; }

private:
    walk_probe::JointRanges ranges;
    Joints angles{};
};

} // namespace test_server
} // namespace tools

#endif
