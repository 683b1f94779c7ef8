#ifndef AGENT_CONTROLNODEBINDING_H
#define AGENT_CONTROLNODEBINDING_H

#include "control/ControlImpl.h"
#include "marlowinds_lib/utils/patterns/Parameter.h"

#include <boost/property_tree/ptree.hpp>
#include <string>

namespace agent {

/// Applies the configuration tree's "control" node to motion control at
/// start-up: "stateMachine/walk" fills the walk parameter sets (its child
/// "current" the set the walk is using now), "stateMachine/kick" the kick's
/// parameters, "stateMachine/keyframe" the keyframe pages. Children not named
/// here are skipped; sets and fields the tree does not mention keep their values.
class ControlNodeBinding {
public:
    using Node = marlowinds_lib::utils::patterns::Parameter<boost::property_tree::ptree, std::string>;

    /// A value that is no finite number raises std::invalid_argument or
    /// std::out_of_range whose message names the file and the key; so does a
    /// keyframe page file that is no sound page. Each page that the agent may
    /// request and no file defines is named on the standard error stream.
    static void bind(Node& controlNode, control::ControlImpl& control);

private:
    static void bindWalk(Node& walk, control::ControlImpl& control);
    static void bindKick(Node& kick, control::ControlImpl& control);
    static void bindKeyframes(Node& keyframe, control::ControlImpl& control);
};

} // namespace agent

#endif
