#ifndef PERCEPTION_ACCELEROMETERPERCEPTOR_H
#define PERCEPTION_ACCELEROMETERPERCEPTOR_H

#include "marlowinds_lib/math/Vector3.h"
#include "perception/Perceptor.h"

namespace perception {

/// The torso accelerometer: (ACC (n NAME) (a X Y Z)), m/s² read lexical. The
/// base name is the sensor name.
class AccelerometerPerceptor : public Perceptor {
public:
    explicit AccelerometerPerceptor(const utils::parser::ParserTreeNode& group);

    const marlowinds_lib::math::Vector3<double>& getAcceleration() const { return acceleration; }

private:
    marlowinds_lib::math::Vector3<double> acceleration;
};

} // namespace perception

#endif
