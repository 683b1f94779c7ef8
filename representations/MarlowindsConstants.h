#ifndef REPRESENTATIONS_MARLOWINDSCONSTANTS_H
#define REPRESENTATIONS_MARLOWINDSCONSTANTS_H

#include <string>

namespace representations {

/// Fixed defaults shared by the whole agent. Folder paths are relative to the
/// working directory of the process.
class MarlowindsConstants {
public:
    MarlowindsConstants() = delete;

    static const std::string DEFAULT_IP;
    static const std::string TEAM_DEFAULT_NAME;
    static const std::string KEYFRAME_FOLDER;
    /// Ends with '/': file names are appended directly.
    static const std::string FORMATION_FOLDER;
    static const std::string NEURAL_NETWORK_FOLDER;
    static const std::string DYNAMIC_PARAMS_FOLDER;

    static constexpr double DEFAULT_JOINT_MAX_SPEED = 6.1395; // rad/s
    static constexpr double SAMPLE_TIME = 0.02;               // s, one server cycle
    static constexpr int DEFAULT_MONITOR_PORT = 3200;
    static constexpr int DEFAULT_AGENT_PORT = 3100;
    static constexpr int DEFAULT_OPT_SERVER_PORT = 40000;
};

} // namespace representations

#endif
