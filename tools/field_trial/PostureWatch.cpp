#include "tools/field_trial/PostureWatch.h"

namespace tools {
namespace field_trial {

void PostureWatch::observe(const TrueBody& body, bool placed) {
    const double time = body.time;
    if (!body.known || time <= lastTime) {
        return;
    }
    // The interval since the last sample is credited to the posture seen at its start.
    if (lastTime >= 0.0) {
        observedSeconds += time - lastTime;
        if (lastUpright) {
            uprightSeconds += time - lastTime;
        }
    }
    if (body.isFallen() && !down) {
        ++falls;
        if (gotUpAt && time - *gotUpAt <= RE_FALL_SECONDS) {
            ++reFalls;
        }
        down = true;
        fellAt = time;
    } else if (body.isUpright() && down) {
        if (!placed) {
            ++getUps;
            gettingUpSeconds += time - fellAt;
            gotUpAt = time;
        } else {
            gotUpAt.reset();
        }
        down = false;
    }
    lastUpright = body.isUpright();
    lastTime = time;
}

void PostureWatch::reset() { *this = PostureWatch(); }

double PostureWatch::getUprightShare() const { return observedSeconds > 0.0 ? uprightSeconds / observedSeconds : 0.0; }

} // namespace field_trial
} // namespace tools
