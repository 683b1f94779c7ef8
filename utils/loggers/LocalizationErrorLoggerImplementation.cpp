#include "utils/loggers/LocalizationErrorLoggerImplementation.h"

#include "communication/ServerSocketImpl.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "representations/MarlowindsConstants.h"

#include <cmath>
#include <iostream>
#include <memory>

namespace utils {
namespace loggers {

namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::Pose2D;
using representations::MarlowindsConstants;
using representations::PlaySide;

const char* const MONITOR_HOST = "127.0.0.1";
const char* const TABLE_NAME = "ErrorsLocalization";

bool isFinite(const Pose2D& pose) {
    return std::isfinite(pose.rotation) && std::isfinite(pose.translation.x) && std::isfinite(pose.translation.y);
}

/// The decimal integer of a cell index.
void appendCell(std::string& key, double index) { key += std::to_string(std::llround(index)); }

} // namespace

const double LocalizationErrorLoggerImplementation::MAX_ERROR = 5.0;

LocalizationErrorLoggerImplementation::LocalizationErrorLoggerImplementation(int agentNumber, int monitorPort)
    : link(std::make_unique<communication::ServerSocketImpl>(MONITOR_HOST, monitorPort)), wizard(link),
      agentNumber(agentNumber) {
    const std::string fileName = TABLE_NAME + std::to_string(agentNumber) + ".txt";
    table.open(fileName, std::ios::out | std::ios::trunc);
    if (!table) {
        std::cerr << "(LocalizationErrorLogger) cannot write " << fileName << std::endl;
    }
    if (link.establishConnection()) {
        std::cerr << "(LocalizationErrorLogger) cannot connect to the monitor port " << monitorPort << std::endl;
    }
    wizard.run();
}

LocalizationErrorLoggerImplementation::~LocalizationErrorLoggerImplementation() { logToFile(); }

void LocalizationErrorLoggerImplementation::install(int agentNumber, int monitorPort) {
    installInstance(std::make_unique<LocalizationErrorLoggerImplementation>(agentNumber, monitorPort));
}

void LocalizationErrorLoggerImplementation::logError(double time, PlaySide::PLAY_SIDE side, Pose2D& estimate) {
    if (!wizard.hasAgentPose(agentNumber, side)) {
        return;
    }
    const marlowinds_lib::math::Pose3D truth = wizard.getAgentPose3D(agentNumber, side);
    // The torso's x axis points to the player's left.
    Pose2D truePose(truth.rotation.getZAngle() - MathUtils::PI / 2.0, truth.translation.x, truth.translation.y);
    if (side == PlaySide::RIGHT) {
        // The monitor gives the server's frame; the right side sees the field turned by half a turn.
        truePose = Pose2D(truePose.rotation + MathUtils::PI, -truePose.translation);
    }
    if (!std::isfinite(time) || !isFinite(truePose) || !isFinite(estimate)) {
        return;
    }
    double positionError =
        std::hypot(truePose.translation.x - estimate.translation.x, truePose.translation.y - estimate.translation.y);
    // Normalised: unnormalised, a miss across the half turn adds a sine of the wrong sign to its cell.
    const double headingError = MathUtils::normalizeAngle(truePose.rotation - estimate.rotation);

    key.clear();
    appendCell(key, grid(truePose.translation.x));
    key += '.';
    appendCell(key, grid(truePose.translation.y));
    Cell& cell = cells[key];
    if (positionError > MAX_ERROR) {
        positionError = 0.0;
    }
    cell.first.x += positionError;
    cell.first.y += std::sin(std::abs(headingError));
    cell.first.z += std::cos(headingError);
    ++cell.second;

    const auto cycle = static_cast<long long>(time / MarlowindsConstants::SAMPLE_TIME);
    const auto period = static_cast<long long>(DUMP_PERIOD / MarlowindsConstants::SAMPLE_TIME);
    if (cycle % period > 1) {
        dumped = false;
    } else if (!dumped) {
        logToFile();
        dumped = true;
    }
}

void LocalizationErrorLoggerImplementation::logToFile() {
    ++tablesWritten;
    table << std::endl << "Num of completed: " << tablesWritten << std::endl;
    for (const auto& [cellKey, cell] : cells) {
        const std::size_t dot = cellKey.find('.');
        const marlowinds_lib::math::Vector3<double>& sums = cell.first;
        table << cellKey.substr(0, dot) << " " << cellKey.substr(dot + 1) << " " << sums.x / cell.second << " "
              << std::abs(std::atan2(sums.y, sums.z)) << std::endl;
    }
}

double LocalizationErrorLoggerImplementation::grid(double v) {
    const double t = std::trunc(v);
    return v - t > 0.5 ? t + 1.0 : t;
}

} // namespace loggers
} // namespace utils
