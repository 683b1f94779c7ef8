#include "control/keyframe/manager/KeyframePageManager.h"

#include "control/keyframe/manager/KeyframePageLoader.h"

#include <stdexcept>
#include <utility>

namespace control {
namespace keyframe {
namespace manager {

void KeyframePageManager::setParameter(Node& keyframe) {
    struct PendingComplexPage {
        const std::string& path;
        const boost::property_tree::ptree& content;
        std::shared_ptr<ComplexKeyframePage> page;
    };

    KeyframePageLoader::Pages loaded;
    std::vector<PendingComplexPage> complexPages;
    // A leaf has no children to ask for.
    if (keyframe.hasChild()) {
        for (auto& [path, leaf] : keyframe.getChildren()) {
            const auto& content = leaf->getContent();
            KeyframePageLoader::readWithContext("keyframe page file " + path, [&] {
                std::shared_ptr<KeyframePage> page;
                if (KeyframePageLoader::isComplexPage(content)) {
                    auto complex = KeyframePageLoader::initializeComplexPage(content);
                    complexPages.push_back({path, content, complex});
                    page = std::move(complex);
                } else {
                    page = KeyframePageLoader::initializeAndLoadSimplePage(content);
                }
                loaded[page->getName()] = std::move(page);
            });
        }
    }
    // Only now is every page known that a complex page may name.
    for (const PendingComplexPage& pending : complexPages) {
        KeyframePageLoader::readWithContext("keyframe page file " + pending.path, [&] {
            KeyframePageLoader::loadComplexPage(pending.content, *pending.page, loaded);
        });
    }
    pages = std::move(loaded);
}

std::shared_ptr<KeyframePage> KeyframePageManager::getPage(const std::string& name) const {
    const auto found = pages.find(name);
    if (found == pages.end()) {
        throw std::out_of_range("no keyframe page \"" + name + "\"");
    }
    return found->second;
}

std::vector<std::string> KeyframePageManager::getPageNames() const {
    std::vector<std::string> names;
    names.reserve(pages.size());
    for (const auto& entry : pages) {
        names.push_back(entry.first);
    }
    return names;
}

std::vector<std::string> KeyframePageManager::findMissingPages(const std::vector<std::string>& names) const {
    std::vector<std::string> missing;
    for (const std::string& name : names) {
        if (!hasPage(name)) {
            missing.push_back(name);
        }
    }
    return missing;
}

} // namespace manager
} // namespace keyframe
} // namespace control
