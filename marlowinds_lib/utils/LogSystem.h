#ifndef MARLOWINDS_LIB_UTILS_LOGSYSTEM_H
#define MARLOWINDS_LIB_UTILS_LOGSYSTEM_H

#include "marlowinds_lib/utils/Logger.h"

#include <map>
#include <memory>
#include <string>

namespace marlowinds_lib {
namespace utils {

/// Named log files in one folder: getLogger(name) writes <folder>/<name><extension>.
/// Each name is opened, and its file emptied, once; its logger lives as long as
/// the log system, which ends every file's last line when it is destroyed.
class LogSystem {
public:
    static constexpr const char DEFAULT_LOGGING_BASE_DIR[] = "../logging";
    static constexpr const char DEFAULT_LOGGING_EXTENSION[] = ".log";

    /// The process-wide log system with the default folder and extension,
    /// created on first use and destroyed at the normal end of the process.
    static LogSystem& getInstance();

    explicit LogSystem(std::string baseDir = DEFAULT_LOGGING_BASE_DIR,
                       std::string extension = DEFAULT_LOGGING_EXTENSION);
    virtual ~LogSystem() = default;
    LogSystem(const LogSystem&) = delete;
    LogSystem& operator=(const LogSystem&) = delete;

    /// Folder and extension of the loggers created from now on.
    void configure(std::string baseDir, std::string extension);

    /// The logger of that name, created on first use. Throws std::runtime_error
    /// when the log folder cannot be created.
    Logger& getLogger(const std::string& name);
    Logger& getLogger() { return getLogger("main"); }

    /// Creates the log folder (not its parents), saying so on the standard error
    /// stream when it is new. Throws std::runtime_error when it cannot.
    void createBaseDir();

private:
    std::string extension;
    std::string baseDir;
    std::map<std::string, std::unique_ptr<Logger>> loggers;
};

} // namespace utils
} // namespace marlowinds_lib

#endif
