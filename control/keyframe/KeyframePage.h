#ifndef CONTROL_KEYFRAME_KEYFRAMEPAGE_H
#define CONTROL_KEYFRAME_KEYFRAMEPAGE_H

#include "representations/NaoJoints.h"

#include <string>

namespace control {
namespace keyframe {

/// A scripted whole-body motion, played against the server clock: one call of
/// getDesiredJoints per cycle after reset(). The object keeps its playing
/// state, so one page object serves every request of its name.
class KeyframePage {
public:
    /// Throws std::invalid_argument for an empty name or a speed rate that is
    /// not a positive number: a page whose clock stands still or runs backwards
    /// would never end, and keyframe motions cannot be interrupted.
    KeyframePage(std::string name, double speedRate);
    virtual ~KeyframePage() = default;

    const std::string& getName() const { return name; }
    /// Playback speed factor: 1 plays the page as written, 2 twice as fast.
    double getSpeedRate() const { return speedRate; }
    /// Seconds the page takes after reaching its first pose, on its own scaled clock.
    virtual double getMovementTime() const = 0;
    virtual bool hasFinished() const = 0;
    /// Makes the next getDesiredJoints start the page from its beginning.
    virtual void reset() = 0;
    /// The posture for the server time `time` (seconds), in the engines' joint
    /// directions, given the measured angles `current` (server directions).
    /// `inverted` plays the page mirrored left for right.
    virtual const representations::NaoJoints& getDesiredJoints(const representations::NaoJoints& current, double time,
                                                               bool inverted) = 0;

protected:
    /// Throws std::invalid_argument unless the rate is a positive number; `what` names it in the message.
    static void checkSpeedRate(double speedRate, const std::string& what);

    representations::NaoJoints desiredJoints;

private:
    std::string name;
    double speedRate;
};

} // namespace keyframe
} // namespace control

#endif
