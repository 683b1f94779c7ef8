#ifndef REPRESENTATIONS_ROBOTTYPE_H
#define REPRESENTATIONS_ROBOTTYPE_H

namespace representations {

/// The five NAO body types the simulation server offers; the value is the
/// number the scene request carries.
class RobotType {
public:
    enum ROBOT_TYPE {
        NAO_TYPE_0 = 0, ///< the standard body
        NAO_TYPE_1 = 1, ///< longer legs and arms
        NAO_TYPE_2 = 2, ///< type 1 with other foot joint speeds
        NAO_TYPE_3 = 3, ///< the longest limbs and the widest hips
        NAO_TYPE_4 = 4, ///< the standard body with toes
    };
};

} // namespace representations

#endif
