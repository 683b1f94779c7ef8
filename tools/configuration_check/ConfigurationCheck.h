#ifndef TOOLS_CONFIGURATION_CHECK_CONFIGURATIONCHECK_H
#define TOOLS_CONFIGURATION_CHECK_CONFIGURATIONCHECK_H

#include <string>
#include <vector>

namespace tools {
namespace configuration_check {

/// Loads the configuration under ../configuration/core as the agent does at
/// start-up and finds what would go wrong only in play: a keyframe page or a
/// neural motion that the program can request and is missing, a page that would end as soon
/// as it starts, a walk parameter set that a walk request can select and the
/// walk cannot use, or a graph that the program loads and cannot use.
class ConfigurationCheck {
public:
    /// One sentence per problem, empty when the configuration is sound. A
    /// configuration that the agent could not load at all is one problem: why.
    static std::vector<std::string> run();
};

} // namespace configuration_check
} // namespace tools

#endif
