#ifndef ACTION_EFFECTORFACTORY_H
#define ACTION_EFFECTORFACTORY_H

#include "action/Effector.h"
#include "action/HingeJointEffector.h"
#include "action/SynchronizeEffector.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "representations/NaoJoints.h"

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace action {

/// Collects the commands of one message in the order they are added and writes
/// them out followed by "(syn)". Assembling a message is clear(), the add
/// calls, then writeTo() or toString().
class EffectorFactory {
public:
    EffectorFactory();
    EffectorFactory(const EffectorFactory&) = delete;
    EffectorFactory& operator=(const EffectorFactory&) = delete;
    virtual ~EffectorFactory() = default;

    void clear();

    void addCreateEffector(const std::string& scene, int robotType);
    void addInitEffector(int agentNumber, const std::string& teamName);
    void addBeamEffector(const marlowinds_lib::math::Pose2D& pose);
    void addSayEffector(const std::string& message);
    void addPassEffector();
    /// One speed command per joint, he1 to rle6, each value as given.
    void addJointsEffectors(const representations::NaoJoints& joints);

    /// Replaces text by the message; text keeps its capacity from cycle to cycle.
    void writeTo(std::string& text) const;
    std::string toString() const;

private:
    void append(std::unique_ptr<Effector> effector);

    /// The message's commands in order; they point into the two stores below.
    std::vector<const Effector*> effectors;
    /// The joint commands are the bulk of every cycle's message, so they are
    /// kept and overwritten rather than made anew (a deque never moves them).
    std::deque<HingeJointEffector> jointEffectors;
    std::size_t jointEffectorsInUse = 0;
    std::vector<std::unique_ptr<Effector>> otherEffectors;
    SynchronizeEffector synchronize;
    std::array<std::string, representations::NaoJoints::NUMBER_OF_JOINTS> jointsNames;
};

} // namespace action

#endif
