#include "utils/loggers/LocalizationErrorLogger.h"

namespace utils {
namespace loggers {

std::unique_ptr<LocalizationErrorLogger> LocalizationErrorLogger::instance;

LocalizationErrorLogger* LocalizationErrorLogger::getInstance(int /*agentNumber*/) {
    if (!instance) {
        instance = std::make_unique<LocalizationErrorLogger>();
    }
    return instance.get();
}

} // namespace loggers
} // namespace utils
