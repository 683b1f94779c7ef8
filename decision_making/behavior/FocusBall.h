#ifndef DECISION_MAKING_BEHAVIOR_FOCUSBALL_H
#define DECISION_MAKING_BEHAVIOR_FOCUSBALL_H

#include "control/LookRequest.h"
#include "decision_making/behavior/Behavior.h"

#include <memory>

namespace decision_making {
namespace behavior {

/// Where the head looks: a left-right scan whose tilt alternates from sweep to
/// sweep while the ball is unknown or far, and tracking of the ball while it is
/// near. Every switch between the two restarts the sweep at its left end. It
/// moves nothing: the movement request stays empty.
class FocusBall : public Behavior {
public:
    /// The scan's pan swings between plus and minus this (60 degrees).
    static constexpr double PAN_AMPLITUDE = 1.0471975511965976;
    /// The scan's lower tilt is minus this (40 degrees).
    static constexpr double TILT_AMPLITUDE = 0.6981317007977318;
    /// Seconds of one sweep, left end to left end.
    static constexpr double SCAN_TIME = 4.0;
    /// The scan's upper tilt (-20 degrees).
    static constexpr double UPPER_SCAN_TILT = -0.3490658503988659;
    /// A relevant ball at most this far (m) is tracked.
    static constexpr double TRACKING_DISTANCE = 1.5;

    FocusBall() = default;
    explicit FocusBall(BehaviorFactory* factory) : Behavior(factory) {}

    /// One cycle; leaves a new look request.
    void behave(modeling::Modeling& modeling) override;
    std::shared_ptr<control::LookRequest> getLookRequest() const { return lookRequest; }

    /// True unless the ball is relevant and at most TRACKING_DISTANCE away.
    bool isBetterScan(modeling::Modeling& modeling);
    /// The scan's look request t seconds into the current sweep.
    void turnHead(modeling::Modeling& modeling, double t);
    /// Points the camera at the ball.
    void focusOnTheBall(modeling::Modeling& modeling);

private:
    enum class Mode { SCANNING, TRACKING };

    bool firstCycle = true;
    /// Set while sweeps use the upper tilt.
    bool tiltToggle = false;
    Mode mode = Mode::SCANNING;
    std::shared_ptr<control::LookRequest> lookRequest;
    /// Server time (s) at which the current sweep or tracking began.
    double scanStartTime = 0.0;
};

} // namespace behavior
} // namespace decision_making

#endif
