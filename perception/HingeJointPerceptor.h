#ifndef PERCEPTION_HINGEJOINTPERCEPTOR_H
#define PERCEPTION_HINGEJOINTPERCEPTOR_H

#include "perception/Perceptor.h"

namespace perception {

/// One joint angle: (HJ (n NAME) (ax ANGLE)), degrees read leniently (the
/// longest leading number), kept in radians. An angle that does not start with
/// a number makes the group malformed: read as 0, it would throw the joint's
/// controller to the far end. The base name is the sensor name.
/// Copied by value into the joint vector's assignment.
class HingeJointPerceptor : public Perceptor {
public:
    explicit HingeJointPerceptor(const utils::parser::ParserTreeNode& group);

    double getAngle() const { return angle; }

private:
    double angle = 0.0;
};

} // namespace perception

#endif
