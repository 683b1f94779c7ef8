#ifndef PERCEPTION_HINGEJOINTPERCEPTOR_H
#define PERCEPTION_HINGEJOINTPERCEPTOR_H

#include "perception/Perceptor.h"

namespace perception {

/// One joint angle: (HJ (n NAME) (ax ANGLE)), degrees read leniently (text that
/// is no number reads 0), kept in radians. The base name is the sensor name.
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
