#include "utils/loggers/LocalizationErrorLogger.h"

#include <utility>

namespace utils {
namespace loggers {

std::unique_ptr<LocalizationErrorLogger> LocalizationErrorLogger::instance;

LocalizationErrorLogger* LocalizationErrorLogger::getInstance(int /*agentNumber*/) {
    if (!instance) {
        instance = std::make_unique<LocalizationErrorLogger>();
    }
    return instance.get();
}

std::unique_ptr<LocalizationErrorLogger>
LocalizationErrorLogger::installInstance(std::unique_ptr<LocalizationErrorLogger> replacement) {
    std::swap(instance, replacement);
    return replacement;
}

} // namespace loggers
} // namespace utils
