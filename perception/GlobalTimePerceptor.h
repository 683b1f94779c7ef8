#ifndef PERCEPTION_GLOBALTIMEPERCEPTOR_H
#define PERCEPTION_GLOBALTIMEPERCEPTOR_H

#include "perception/Perceptor.h"

namespace perception {

/// The simulation clock: (time (now T)), T in seconds, read lexical.
class GlobalTimePerceptor : public Perceptor {
public:
    GlobalTimePerceptor() = default;
    explicit GlobalTimePerceptor(const utils::parser::ParserTreeNode& group);

    double getGlobalTime() const { return globalTime; }

private:
    double globalTime = 0.0;
};

} // namespace perception

#endif
