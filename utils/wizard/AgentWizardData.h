#ifndef UTILS_WIZARD_AGENTWIZARDDATA_H
#define UTILS_WIZARD_AGENTWIZARDDATA_H

#include "marlowinds_lib/math/Vector3.h"
#include "utils/parser/ParserTreeNode.h"
#include "utils/wizard/SceneGraph.h"

#include <array>
#include <mutex>

namespace utils {
namespace wizard {

/// The ground truth of one player, read from its node of the monitor's scene
/// graph. The node's own transform, its first body node's transform and the
/// transform nested in that give the torso; the second or third body node and
/// its nested transform give the head. Every operation takes the record's own
/// lock, so a reader sees the values of one update, never a mixture.
class AgentWizardData {
public:
    AgentWizardData();
    AgentWizardData(const AgentWizardData&) = delete;
    AgentWizardData& operator=(const AgentWizardData&) = delete;

    /// Takes the transforms the node carries; a partial scene leaves out those
    /// that did not change, and they keep their values. A node without
    /// children changes nothing.
    void update(const parser::ParserTreeNode& playerNode);

    /// All zero until a scene has given every transform of the torso's chain.
    Transform getAgentTransform() const;
    marlowinds_lib::math::Vector3<double> getAgentTranslation() const;
    /// The torso's z axis.
    marlowinds_lib::math::Vector3<double> getAgentDirection() const;
    /// Without the player node's transform.
    Transform getAgentHeadTransform() const;
    marlowinds_lib::math::Vector3<double> getAgentHeadDirection() const;
    /// True once a scene has given the whole torso chain.
    bool hasAgentTransform() const;

private:
    struct BodyPart {
        Transform outer;
        Transform inner;
    };

    /// index counts the player node's body nodes from 1; the first fills pair
    /// 0, the second and third pair 1, later ones nothing.
    void updateJoints(const parser::ParserTreeNode& bodyNode, int index);
    Transform headTransform() const;

    Transform torso;
    Transform node;
    std::array<BodyPart, 2> bodyParts;
    mutable std::mutex mutex;
};

} // namespace wizard
} // namespace utils

#endif
