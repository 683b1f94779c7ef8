#ifndef UTILS_WIZARD_SERVERWIZARDDATA_H
#define UTILS_WIZARD_SERVERWIZARDDATA_H

#include "representations/RawPlayMode.h"
#include "utils/parser/ParserTreeNode.h"

#include <mutex>
#include <string>
#include <vector>

namespace utils {
namespace wizard {

/// The game time and play mode of the monitor stream. The stream names the
/// possible play modes once, in its first message ("play_modes"), and later
/// gives the current one as an index into that list ("play_mode").
class ServerWizardData {
public:
    ServerWizardData() = default;
    ServerWizardData(const ServerWizardData&) = delete;
    ServerWizardData& operator=(const ServerWizardData&) = delete;

    double getLastUpdatedTime() const;
    /// NONE until a known play mode has been read.
    representations::RawPlayMode::RAW_PLAY_MODE getPlayMode() const;
    /// Reads a parsed monitor message, every node in pre-order. The list of
    /// play modes is also written, one "<number> <name>" line per mode, to the
    /// log "possiblePlayModes" of the process-wide log system.
    void update(const parser::ParserTreeNode& root);

private:
    void updateWithPreOrderTraversal(const parser::ParserTreeNode& node);
    void getDataFromNodeContent(const std::string& text);

    double lastUpdatedTime = 0.0;
    mutable std::mutex mutex;
    std::vector<representations::RawPlayMode::RAW_PLAY_MODE> possiblePlayModes;
    representations::RawPlayMode::RAW_PLAY_MODE playMode = representations::RawPlayMode::NONE;
};

} // namespace wizard
} // namespace utils

#endif
