#ifndef CONTROL_KEYFRAME_STEPPEDKEYFRAMEPAGE_H
#define CONTROL_KEYFRAME_STEPPEDKEYFRAMEPAGE_H

#include "control/keyframe/KeyframePage.h"
#include "control/keyframe/KeyframeStep.h"

#include <cstddef>
#include <string>
#include <vector>

namespace control {
namespace keyframe {

/// A page of poses. It first moves the body from the measured pose to the
/// first pose within that step's duration (the approach), then passes through
/// the other poses in order (the step phase), interpolated by the subclass, and
/// then holds the last pose.
class SteppedKeyframePage : public KeyframePage {
public:
    /// Throws std::invalid_argument for no steps, a joint angle or duration that
    /// is not a finite number, a negative duration, or steps after the first
    /// that take no time together (the page would end before its first pose).
    SteppedKeyframePage(std::string name, double speedRate, std::vector<KeyframeStep> steps);

    double getMovementTime() const override { return stepTimes.back(); }
    bool hasFinished() const override;
    void reset() override;
    const representations::NaoJoints& getDesiredJoints(const representations::NaoJoints& current, double time,
                                                       bool inverted) override;

    const std::vector<KeyframeStep>& getSteps() const { return steps; }

protected:
    /// The posture at `scaledTime` on the page's clock, which lies before the
    /// movement time, starting from step `segment` (the last one whose time has come).
    virtual representations::NaoJoints interpolate(std::size_t segment, double scaledTime) const = 0;

    /// Step i's time on the page's scaled clock: 0 for the first step, then
    /// each later step's duration added.
    const std::vector<double>& getStepTimes() const { return stepTimes; }

private:
    void approach(const representations::NaoJoints& current, double time, bool inverted);
    void playSteps(double time, bool inverted);

    std::vector<KeyframeStep> steps;
    std::vector<double> stepTimes;
    bool approachStarted = false;
    bool inStepPhase = false;
    /// Server time at which the current phase began.
    double startTime = 0.0;
    /// Server time since the step phase began, not scaled.
    double pageTime = 0.0;
};

} // namespace keyframe
} // namespace control

#endif
