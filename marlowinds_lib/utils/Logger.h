#ifndef MARLOWINDS_LIB_UTILS_LOGGER_H
#define MARLOWINDS_LIB_UTILS_LOGGER_H

#include "marlowinds_lib/utils/Level.h"

#include <fstream>
#include <ostream>
#include <string>

namespace marlowinds_lib {
namespace utils {

/// One log file. Every log() and writeToStream() call starts a new line, ending
/// and flushing the previous one; the last line is ended when the logger is
/// closed or destroyed. Text inserted into getStream() continues the current line.
class Logger {
public:
    /// Opens fileName for writing, emptying an existing file. A file that cannot
    /// be opened is reported on the standard error stream; its lines are lost.
    explicit Logger(const std::string& fileName);
    virtual ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    /// Writes "[TAG] "; "[[Unknown Level]] " for a value outside the enumeration.
    Logger& log(Level level);
    /// Writes "[text] ".
    Logger& log(const std::string& text);
    /// Writes text as it is.
    void writeToStream(const std::string& text);
    /// Ends the current line and closes the file.
    void closeStream();

    std::ostream& getStream() { return stream; }
    const std::string& getFileName() const { return fileName; }
    /// The level of the last log(Level) call, 0 before any.
    int getLevel() const { return currentLevel; }
    bool isOpen() const { return stream.is_open(); }

private:
    void startLine();

    bool written = false;
    int currentLevel = 0;
    std::string fileName;
    std::ofstream stream;
};

} // namespace utils
} // namespace marlowinds_lib

#endif
