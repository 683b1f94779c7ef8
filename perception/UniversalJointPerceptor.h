#ifndef PERCEPTION_UNIVERSALJOINTPERCEPTOR_H
#define PERCEPTION_UNIVERSALJOINTPERCEPTOR_H

#include "perception/Perceptor.h"

#include <string>

namespace perception {

/// A two-axis joint: (UJ (n NAME) (ax1 A1) (ax2 A2)), read leniently and left in
/// the server's degrees. Parsed, then ignored by the snapshot.
class UniversalJointPerceptor : public Perceptor {
public:
    explicit UniversalJointPerceptor(const utils::parser::ParserTreeNode& group);

    /// The sensor name; the base keeps the keyword.
    const std::string& getName() const { return sensorName; }
    double getAngleAxis1() const { return angleAxis1; }
    double getAngleAxis2() const { return angleAxis2; }

private:
    std::string sensorName;
    double angleAxis1 = 0.0;
    double angleAxis2 = 0.0;
};

} // namespace perception

#endif
