#ifndef PERCEPTION_TOUCHPERCEPTOR_H
#define PERCEPTION_TOUCHPERCEPTOR_H

#include "perception/Perceptor.h"

#include <string>

namespace perception {

/// A touch sensor, a flat group: (TCH n NAME val STATE), STATE read lexical as
/// bool. Parsed, then ignored by the snapshot.
class TouchPerceptor : public Perceptor {
public:
    explicit TouchPerceptor(const utils::parser::ParserTreeNode& group);

    /// The sensor name; the base keeps the keyword.
    const std::string& getName() const { return sensorName; }
    bool isTouching() const { return touching; }

private:
    std::string sensorName;
    bool touching = false;
};

} // namespace perception

#endif
