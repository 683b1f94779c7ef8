#ifndef CONTROL_WALKING_OMNIDIRECTIONALWALKZMP_H
#define CONTROL_WALKING_OMNIDIRECTIONALWALKZMP_H

namespace control {
namespace walking {

/// The omnidirectional ZMP walk.
class OmnidirectionalWalkZMP {
public:
    /// The arm pose the arm swing starts from, left arm; the right arm takes the negatives.
    static constexpr double DEFAULT_LEFT_ARM_ROLL_OFFSET = -1.5707963267948966;    // -90 degrees
    static constexpr double DEFAULT_LEFT_SHOULDER_YAW_OFFSET = 0.3490658503988659; // 20 degrees
};

} // namespace walking
} // namespace control

#endif
