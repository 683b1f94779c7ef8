#ifndef UTILS_LOGGERS_LOCALIZATIONERRORLOGGER_H
#define UTILS_LOGGERS_LOCALIZATIONERRORLOGGER_H

#include "marlowinds_lib/math/Pose2D.h"
#include "representations/PlaySide.h"

#include <memory>

namespace utils {
namespace loggers {

/// Logs the self-localisation error against the simulation's ground truth.
/// This base does nothing, and it is what getInstance hands out unless an
/// implementation has been installed first.
class LocalizationErrorLogger {
public:
    /// The process-wide logger, made on the first call; agentNumber is not used by the base.
    static LocalizationErrorLogger* getInstance(int agentNumber);

    LocalizationErrorLogger() = default;
    LocalizationErrorLogger(const LocalizationErrorLogger&) = delete;
    LocalizationErrorLogger& operator=(const LocalizationErrorLogger&) = delete;
    virtual ~LocalizationErrorLogger() = default;

    /// Game time (s), the agent's side and its pose estimate of the cycle.
    virtual void logError(double /*time*/, representations::PlaySide::PLAY_SIDE /*side*/,
                          marlowinds_lib::math::Pose2D& /*estimate*/) {}

protected:
    /// Makes replacement the process-wide instance and hands back the previous
    /// one: the way the working implementation is switched in.
    static std::unique_ptr<LocalizationErrorLogger>
    installInstance(std::unique_ptr<LocalizationErrorLogger> replacement);

private:
    static std::unique_ptr<LocalizationErrorLogger> instance;
};

} // namespace loggers
} // namespace utils

#endif
