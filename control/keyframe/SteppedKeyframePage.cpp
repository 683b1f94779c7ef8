#include "control/keyframe/SteppedKeyframePage.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace control {
namespace keyframe {

namespace {

using representations::NaoJoints;

NaoJoints mirroredWhen(bool inverted, const NaoJoints& posture) {
    return inverted ? NaoJoints::getSimetricPositions(posture) : posture;
}

void checkStep(const KeyframeStep& step, std::size_t index) {
    const std::string which = "step " + std::to_string(index + 1);
    if (!(std::isfinite(step.duration) && step.duration >= 0.0)) {
        throw std::invalid_argument(which + ": \"delta\" must be a number of seconds of at least 0, not " +
                                    std::to_string(step.duration));
    }
    for (const double angle : step.joints.getAsVector()) {
        if (!std::isfinite(angle)) {
            throw std::invalid_argument(which + ": a joint angle is not a finite number");
        }
    }
}

} // namespace

SteppedKeyframePage::SteppedKeyframePage(std::string name, double speedRate, std::vector<KeyframeStep> stepsIn)
    : KeyframePage(std::move(name), speedRate), steps(std::move(stepsIn)) {
    if (steps.empty()) {
        throw std::invalid_argument("page \"" + getName() + "\" has no \"steps\"");
    }
    stepTimes.reserve(steps.size());
    stepTimes.push_back(0.0);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        checkStep(steps[i], i);
        if (i > 0) {
            stepTimes.push_back(stepTimes.back() + steps[i].duration);
        }
    }
    // The page counts as finished once its clock reaches the movement time, so
    // without one it would end in its first cycle, before reaching any pose.
    if (!(getMovementTime() > 0.0)) {
        throw std::invalid_argument("page \"" + getName() +
                                    "\" takes no time after its first step: give a later step a \"delta\"");
    }
    desiredJoints = steps.front().joints;
}

bool SteppedKeyframePage::hasFinished() const { return pageTime * getSpeedRate() >= getMovementTime(); }

void SteppedKeyframePage::reset() {
    approachStarted = false;
    inStepPhase = false;
    startTime = 0.0;
    pageTime = 0.0;
    desiredJoints = steps.front().joints;
}

const NaoJoints& SteppedKeyframePage::getDesiredJoints(const NaoJoints& current, double time, bool inverted) {
    if (inStepPhase) {
        playSteps(time, inverted);
    } else {
        approach(current, time, inverted);
    }
    return desiredJoints;
}

void SteppedKeyframePage::approach(const NaoJoints& current, double time, bool inverted) {
    if (!approachStarted) {
        startTime = time;
        approachStarted = true;
    }
    const NaoJoints target = mirroredWhen(inverted, steps.front().joints);
    const double elapsed = (time - startTime) * getSpeedRate();
    const double duration = steps.front().duration;
    if (elapsed >= duration) {
        inStepPhase = true;
        startTime = time;
        pageTime = 0.0;
        desiredJoints = target;
        return;
    }
    // From the pose measured now, not the one at the start, so the body
    // converges on the first pose however it moves meanwhile.
    const NaoJoints measured = current * NaoJoints::getNaoDirectionsFixing();
    desiredJoints = measured + (target - measured) * (elapsed / duration);
}

void SteppedKeyframePage::playSteps(double time, bool inverted) {
    pageTime = time - startTime;
    const double scaledTime = pageTime * getSpeedRate();
    if (scaledTime >= getMovementTime()) {
        desiredJoints = mirroredWhen(inverted, steps.back().joints);
        return;
    }
    const auto after = std::upper_bound(stepTimes.begin(), stepTimes.end(), scaledTime);
    const std::size_t segment =
        after == stepTimes.begin() ? 0 : static_cast<std::size_t>(after - stepTimes.begin()) - 1;
    desiredJoints = mirroredWhen(inverted, interpolate(segment, scaledTime));
}

} // namespace keyframe
} // namespace control
