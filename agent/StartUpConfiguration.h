#ifndef AGENT_STARTUPCONFIGURATION_H
#define AGENT_STARTUPCONFIGURATION_H

#include "control/ControlImpl.h"

namespace agent {

/// The configuration the agent reads once at start-up from the tree under
/// ../configuration/core: the "representations" branch fills the navigation
/// parameter sets, the "control" branch motion control (see ControlNodeBinding).
class StartUpConfiguration {
public:
    /// Throws what reading or applying the files throws: a missing or
    /// malformed file, or a value that is no sound parameter, named with its file.
    static void load(control::ControlImpl& control);
};

} // namespace agent

#endif
