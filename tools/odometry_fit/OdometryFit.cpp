#include "tools/odometry_fit/OdometryFit.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tools {
namespace odometry_fit {

namespace {

using graph_generator::OdometryCalibration;

std::array<double, 3> components(const marlowinds_lib::math::Pose2D& motion) {
    return {motion.translation.x, motion.translation.y, motion.rotation};
}

const char* const AXES[] = {"forward or back", "sideways", "turning"};

} // namespace

bool OdometryFit::addTrial(const field_trial::TrialFigures& trial) {
    if (!trial.failure.empty() || trial.falls.value_or(0.0) > 0.0) {
        return false;
    }
    for (const field_trial::OdometryStep& step : trial.odometrySteps) {
        steps.push_back({trial.body, step});
    }
    return true;
}

OdometryCalibration OdometryFit::solve() const {
    OdometryCalibration calibration;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        double odometrySquares = 0.0;
        double products = 0.0;
        std::size_t moving = 0;
        for (const BodyStep& entry : steps) {
            const double odometry = components(entry.step.odometry)[axis];
            odometrySquares += odometry * odometry;
            products += odometry * components(entry.step.truth)[axis];
            moving += std::fabs(odometry) >= MIN_MOTION[axis] ? 1 : 0;
        }
        if (moving < MIN_STEPS) {
            throw std::runtime_error("only " + std::to_string(moving) + " of the " + std::to_string(steps.size()) +
                                     " steps move " + AXES[axis] + " enough to fit its scale");
        }
        calibration.weights[axis][axis + 1] = products / odometrySquares;
    }
    return calibration;
}

std::array<double, 3> OdometryFit::rmsErrors(const OdometryCalibration& calibration, int body) const {
    std::array<double, 3> squares = {0, 0, 0};
    std::size_t counted = 0;
    for (const BodyStep& entry : steps) {
        if (body >= 0 && entry.body != body) {
            continue;
        }
        const std::array<double, 3> odometry = components(entry.step.odometry);
        const std::array<double, 3> corrected = calibration.apply({0.0, odometry[0], odometry[1], odometry[2]});
        const std::array<double, 3> truth = components(entry.step.truth);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            double error = truth[axis] - corrected[axis];
            if (axis == 2) {
                error = marlowinds_lib::math::MathUtils::normalizeAngle(error);
            }
            squares[axis] += error * error;
        }
        ++counted;
    }
    for (double& square : squares) {
        square =
            counted > 0 ? std::sqrt(square / static_cast<double>(counted)) : std::numeric_limits<double>::quiet_NaN();
    }
    return squares;
}

} // namespace odometry_fit
} // namespace tools
