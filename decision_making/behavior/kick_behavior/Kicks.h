#ifndef DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKS_H
#define DECISION_MAKING_BEHAVIOR_KICK_BEHAVIOR_KICKS_H

#include "decision_making/behavior/kick_behavior/KeyframeKick.h"
#include "decision_making/behavior/kick_behavior/NeuralKick.h"

#include <string>

namespace decision_making {
namespace behavior {
namespace kick_behavior {

// The kicks of the catalogue: each one motion with the pose it is played from.

class BestKick : public NeuralKick {
public:
    BestKick();
};

class BestKickKeyframe : public KeyframeKick {
public:
    BestKickKeyframe();
};

class FastKick : public KeyframeKick {
public:
    FastKick();
};

class BestKickToe : public NeuralKick {
public:
    BestKickToe();
};

class KeyframeSecondaryKick : public KeyframeKick {
public:
    KeyframeSecondaryKick();
};

class ShortDistance5mKick : public KeyframeKick {
public:
    ShortDistance5mKick();
};

class LongDistance20mKick : public KeyframeKick {
public:
    LongDistance20mKick();
};

/// The standard body's kick trained for one distance: distanceText is the
/// distance in metres with one decimal, "7.0" to "18.0" in steps of 0.5.
class StandardNaoNeuralKick : public NeuralKick {
public:
    explicit StandardNaoNeuralKick(const std::string& distanceText);
};

} // namespace kick_behavior
} // namespace behavior
} // namespace decision_making

#endif
