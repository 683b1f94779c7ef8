#include "marlowinds_lib/utils/LogSystem.h"

#include <boost/filesystem.hpp>

#include <iostream>
#include <stdexcept>
#include <utility>

namespace marlowinds_lib {
namespace utils {

LogSystem& LogSystem::getInstance() {
    static LogSystem instance;
    return instance;
}

LogSystem::LogSystem(std::string baseDir, std::string extension)
    : extension(std::move(extension)), baseDir(std::move(baseDir)) {}

void LogSystem::configure(std::string newBaseDir, std::string newExtension) {
    baseDir = std::move(newBaseDir);
    extension = std::move(newExtension);
}

Logger& LogSystem::getLogger(const std::string& name) {
    createBaseDir();
    auto found = loggers.find(name);
    if (found == loggers.end()) {
        found = loggers.emplace(name, std::make_unique<Logger>(baseDir + "/" + name + extension)).first;
    }
    return *found->second;
}

void LogSystem::createBaseDir() {
    boost::system::error_code error;
    const bool created = boost::filesystem::create_directory(baseDir, error);
    if (error) {
        throw std::runtime_error("(LogSystem) cannot create the log folder \"" + baseDir + "\": " + error.message());
    }
    if (created) {
        std::cerr << "Directory Created: " << baseDir << std::endl;
    }
}

} // namespace utils
} // namespace marlowinds_lib
