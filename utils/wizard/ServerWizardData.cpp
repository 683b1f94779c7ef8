#include "utils/wizard/ServerWizardData.h"

#include "marlowinds_lib/utils/LogSystem.h"
#include "utils/wizard/SceneGraph.h"

#include <sstream>

namespace utils {
namespace wizard {

namespace {

using representations::RawPlayMode;

const char* const PLAY_MODES_LOG = "possiblePlayModes";

} // namespace

double ServerWizardData::getLastUpdatedTime() const {
    std::lock_guard<std::mutex> lock(mutex);
    return lastUpdatedTime;
}

RawPlayMode::RAW_PLAY_MODE ServerWizardData::getPlayMode() const {
    std::lock_guard<std::mutex> lock(mutex);
    return playMode;
}

void ServerWizardData::update(const parser::ParserTreeNode& root) {
    std::lock_guard<std::mutex> lock(mutex);
    updateWithPreOrderTraversal(root);
}

void ServerWizardData::updateWithPreOrderTraversal(const parser::ParserTreeNode& node) {
    getDataFromNodeContent(node.value);
    for (const parser::ParserTreeNode& child : node.children) {
        updateWithPreOrderTraversal(child);
    }
}

void ServerWizardData::getDataFromNodeContent(const std::string& text) {
    if (contains(text, "time")) {
        lastUpdatedTime = wordAt<double>(text, 1);
    } else if (contains(text, "play_modes")) {
        possiblePlayModes.clear();
        marlowinds_lib::utils::Logger& log = marlowinds_lib::utils::LogSystem::getInstance().getLogger(PLAY_MODES_LOG);
        std::istringstream in(text);
        std::string name;
        in >> name;
        while (in >> name) {
            const auto known = RawPlayMode::fromStringToRawPlayMode.find(name);
            const RawPlayMode::RAW_PLAY_MODE mode =
                known == RawPlayMode::fromStringToRawPlayMode.end() ? RawPlayMode::NONE : known->second;
            possiblePlayModes.push_back(mode);
            log.writeToStream(std::to_string(mode) + " " + name);
        }
    } else if (contains(text, "play_mode")) {
        // An index outside the list names no mode the stream has announced.
        const int index = wordAt<int>(text, 1);
        if (index >= 0 && static_cast<std::size_t>(index) < possiblePlayModes.size()) {
            playMode = possiblePlayModes[static_cast<std::size_t>(index)];
        }
    }
}

} // namespace wizard
} // namespace utils
