#ifndef PERCEPTION_GYRORATEPERCEPTOR_H
#define PERCEPTION_GYRORATEPERCEPTOR_H

#include "marlowinds_lib/math/Vector3.h"
#include "perception/Perceptor.h"

#include <string>

namespace perception {

/// The torso gyroscope: (GYR (n NAME) (rt X Y Z)), degrees per second read
/// lexical, kept in radians per second.
class GyroRatePerceptor : public Perceptor {
public:
    explicit GyroRatePerceptor(const utils::parser::ParserTreeNode& group);

    /// The sensor name; the base keeps the keyword.
    const std::string& getName() const { return sensorName; }
    const marlowinds_lib::math::Vector3<double>& getAngularVelocity() const { return angularVelocity; }

private:
    std::string sensorName;
    marlowinds_lib::math::Vector3<double> angularVelocity;
};

} // namespace perception

#endif
