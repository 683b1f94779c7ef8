#ifndef TOOLS_FIELD_TRIAL_STAYUPWATCH_H
#define TOOLS_FIELD_TRIAL_STAYUPWATCH_H

#include "tools/field_trial/TrueBody.h"

#include <optional>

namespace tools {
namespace field_trial {

/// Watches a fallen body get up: it has got up at the first upright frame of
/// a spell that stays upright for the seconds asked for. A body that moved
/// further than PLACED from one frame to the next was put somewhere by the
/// referee, not risen by itself: it gets up no more.
class StayUpWatch {
public:
    static constexpr double PLACED = 0.5; // m

    explicit StayUpWatch(double staySeconds) : staySeconds(staySeconds) {}

    /// A frame not after the last one, or not known, is ignored.
    void observe(const TrueBody& body);
    /// The game time of the get-up; empty while none has lasted.
    std::optional<double> getUpTime() const { return lasted ? uprightSince : std::nullopt; }
    bool wasPlaced() const { return placed; }
    /// Whether later frames can change the outcome no more.
    bool isDecided() const { return lasted || placed; }

private:
    double staySeconds;
    std::optional<TrueBody> last;
    std::optional<double> uprightSince;
    bool lasted = false;
    bool placed = false;
};

} // namespace field_trial
} // namespace tools

#endif
