#include "marlowinds_lib/utils/Logger.h"

#include <iostream>

namespace marlowinds_lib {
namespace utils {

namespace {
// Indexed by the Level values.
constexpr const char* TAGS[] = {"ACTION",   "AGENT",      "COMMUNICATION",   "DECISION_MAKING",
                                "MODELING", "PERCEPTION", "REPRESENTATIONS", "UTILS"};
constexpr int TAG_COUNT = sizeof(TAGS) / sizeof(TAGS[0]);

const char* tagOf(Level level) {
    const int index = static_cast<int>(level);
    return index >= 0 && index < TAG_COUNT ? TAGS[index] : "[Unknown Level]";
}
} // namespace

Logger::Logger(const std::string& fileName) : fileName(fileName), stream(fileName, std::ios::out | std::ios::trunc) {
    if (!stream.is_open()) {
        std::cerr << "(Logger) cannot open \"" << fileName << "\" for writing: its lines are lost" << std::endl;
    }
}

Logger::~Logger() {
    if (stream.is_open()) {
        closeStream();
    }
}

Logger& Logger::log(Level level) {
    currentLevel = static_cast<int>(level);
    startLine();
    stream << '[' << tagOf(level) << "] ";
    return *this;
}

Logger& Logger::log(const std::string& text) {
    startLine();
    stream << '[' << text << "] ";
    return *this;
}

void Logger::writeToStream(const std::string& text) {
    startLine();
    stream << text;
}

void Logger::closeStream() {
    stream << std::endl;
    stream.close();
}

void Logger::startLine() {
    if (written) {
        stream << std::endl;
    }
    written = true;
}

} // namespace utils
} // namespace marlowinds_lib
