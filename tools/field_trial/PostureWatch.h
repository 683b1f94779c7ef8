#ifndef TOOLS_FIELD_TRIAL_POSTUREWATCH_H
#define TOOLS_FIELD_TRIAL_POSTUREWATCH_H

#include "tools/field_trial/TrueBody.h"

#include <optional>

namespace tools {
namespace field_trial {

/// Counts, from the true body sampled over time, the falls, the time spent
/// upright, and the get-ups. A fall is counted when the body turns fallen, and
/// not again until it has been upright; it ends in a get-up when the body
/// stands upright again by itself. A fall that begins within RE_FALL_SECONDS
/// of a get-up is a re-fall: the stand-up did not last.
class PostureWatch {
public:
    static constexpr double RE_FALL_SECONDS = 2.0;

    /// A sample of a time not after the last one's is ignored. A body placed
    /// since the last sample (by the referee) that stands upright now ends its
    /// fall without a get-up.
    void observe(const TrueBody& body, bool placed = false);
    /// Counting starts afresh from the next sample.
    void reset();

    int getFalls() const { return falls; }
    int getGetUps() const { return getUps; }
    int getReFalls() const { return reFalls; }
    /// From the first fallen sample of each fall to the first upright one after it, summed over the get-ups.
    double getGettingUpSeconds() const { return gettingUpSeconds; }
    double getUprightSeconds() const { return uprightSeconds; }
    double getObservedSeconds() const { return observedSeconds; }
    /// The share of the observed time spent upright, 0 to 1; 0 before two samples.
    double getUprightShare() const;
    bool isDown() const { return down; }

private:
    int falls = 0;
    int getUps = 0;
    int reFalls = 0;
    double gettingUpSeconds = 0.0;
    double fellAt = 0.0;
    /// Game time of the last get-up, while no fall or placing came after it.
    std::optional<double> gotUpAt;
    double uprightSeconds = 0.0;
    double observedSeconds = 0.0;
    double lastTime = -1.0;
    bool lastUpright = false;
    bool down = false;
};

} // namespace field_trial
} // namespace tools

#endif
