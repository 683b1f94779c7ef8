#ifndef UTILS_LOGGERS_LOCALIZATIONERRORLOGGERIMPLEMENTATION_H
#define UTILS_LOGGERS_LOCALIZATIONERRORLOGGERIMPLEMENTATION_H

#include "communication/Communication.h"
#include "marlowinds_lib/math/Vector3.h"
#include "utils/loggers/LocalizationErrorLogger.h"
#include "utils/wizard/Wizard.h"

#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace utils {
namespace loggers {

/// Compares the agent's self-localisation with the true pose that the wizard
/// reads from the monitor port, sums the position and heading errors per cell
/// of a one-metre grid, and writes the per-cell means to
/// "ErrorsLocalization<agent number>.txt" in the working directory every 300 s
/// of game time (and at the start of the game), and once more when it goes: the
/// process-wide logger goes when the player's process ends.
class LocalizationErrorLoggerImplementation : public LocalizationErrorLogger {
public:
    /// A position error above this (m) adds 0 to its cell, though the sample still counts.
    static const double MAX_ERROR;
    static constexpr double DUMP_PERIOD = 300.0;

    /// Truncates the table file, connects to the monitor port on the local host
    /// and starts the wizard. A file or connection that fails is reported and
    /// leaves the logger working without it: tables are dropped, or no sample
    /// has a true pose.
    LocalizationErrorLoggerImplementation(int agentNumber, int monitorPort);
    /// Makes a logger for this agent the process-wide one; call it before the
    /// world model takes the facade's instance.
    static void install(int agentNumber, int monitorPort);
    /// Writes the table once more, so that a run shorter than the period, or
    /// what came since the last table, is not lost.
    ~LocalizationErrorLoggerImplementation() override;

    /// Skips a sample without a true pose of this player yet, and one with a
    /// number that is not finite.
    void logError(double time, representations::PlaySide::PLAY_SIDE side,
                  marlowinds_lib::math::Pose2D& estimate) override;
    /// Appends one table: "Num of completed: " and its number, then per cell in
    /// the cells' text order its key's two parts, the mean position error and
    /// the mean absolute heading error.
    void logToFile();
    /// The cell of one coordinate: positive values round to the nearest integer
    /// (a half down), negative ones truncate toward zero.
    static double grid(double v);

private:
    /// Sums of position errors, of sines of the absolute heading errors and of
    /// cosines of the heading errors, and the number of samples.
    using Cell = std::pair<marlowinds_lib::math::Vector3<double>, unsigned long long>;

    communication::Communication link;
    wizard::Wizard wizard;
    std::map<std::string, Cell> cells;
    std::ofstream table;
    int agentNumber;
    bool dumped = false;
    long long tablesWritten = 0;
    /// Reused for every sample's cell key.
    std::string key;
};

} // namespace loggers
} // namespace utils

#endif
