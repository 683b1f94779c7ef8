#ifndef TOOLS_FIELD_TRIAL_POSTUREWATCH_H
#define TOOLS_FIELD_TRIAL_POSTUREWATCH_H

#include "tools/field_trial/TrueBody.h"

namespace tools {
namespace field_trial {

/// Counts, from the true body sampled over time, the falls and the time spent
/// upright. A fall is counted when the body turns fallen, and not again until
/// it has been upright.
class PostureWatch {
public:
    /// A sample of a time not after the last one's is ignored.
    void observe(const TrueBody& body);
    /// Counting starts afresh from the next sample.
    void reset();

    int getFalls() const { return falls; }
    double getUprightSeconds() const { return uprightSeconds; }
    double getObservedSeconds() const { return observedSeconds; }
    /// The share of the observed time spent upright, 0 to 1; 0 before two samples.
    double getUprightShare() const;
    bool isDown() const { return down; }

private:
    int falls = 0;
    double uprightSeconds = 0.0;
    double observedSeconds = 0.0;
    double lastTime = -1.0;
    bool lastUpright = false;
    bool down = false;
};

} // namespace field_trial
} // namespace tools

#endif
