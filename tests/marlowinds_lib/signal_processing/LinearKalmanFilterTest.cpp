#include "marlowinds_lib/signal_processing/LinearKalmanFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <string>

namespace marlowinds_lib {
namespace signal_processing {
namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;

MatrixXd scalar(double value) { return MatrixXd::Constant(1, 1, value); }
VectorXd scalarVector(double value) { return VectorXd::Constant(1, value); }

// One state, one input, one measurement: x' = a x + b u + w, z = c x + v.
LinearKalmanFilter oneDimensional(double a, double b, double q, double c, double w, double x0, double p0) {
    return LinearKalmanFilter(LinearDiscreteStochasticModel(scalar(a), scalar(b), scalar(q), scalar(c), scalar(w)),
                              scalarVector(x0), scalar(p0));
}

// Position and velocity in the plane, sampled every dt.
LinearDiscreteStochasticModel constantVelocityModel(double dt, double processNoise, double measurementNoise) {
    MatrixXd A = MatrixXd::Identity(4, 4);
    A(0, 2) = dt;
    A(1, 3) = dt;
    MatrixXd C = MatrixXd::Zero(2, 4);
    C(0, 0) = 1.0;
    C(1, 1) = 1.0;
    return LinearDiscreteStochasticModel(A, MatrixXd::Zero(4, 0), MatrixXd::Identity(4, 4) * processNoise, C,
                                         MatrixXd::Identity(2, 2) * measurementNoise);
}

struct OneDimensionalCase {
    double a, b, q, c, w, x0, p0, u, z;
    double predictedX, predictedP;
    double gain, innovationVariance, correctedX, correctedP;
};

TEST(LinearKalmanFilterTest, OneDimensionalStepsMatchHandComputation) {
    const OneDimensionalCase cases[] = {
        // x = 0 + 2 = 2, P = 1 + 1 = 2; S = 2 + 2 = 4, K = 0.5, x = 2 + 0.5 (4 - 2) = 3, P = 2 - 1 = 1
        {1, 1, 1, 1, 2, 0, 1, 2, 4, 2, 2, 0.5, 4, 3, 1},
        // x = 2*1 + 0 = 2, P = 4*1 + 0 = 4; S = 4*4 + 0 = 16, K = 4*2/16 = 0.5, x = 2 + 0.5 (6 - 4) = 3, P = 4 - 4 = 0
        {2, 0, 0, 2, 0, 1, 1, 5, 6, 2, 4, 0.5, 16, 3, 0},
        // x = 0.5*4 + 3*(-1) = -1, P = 0.25*8 + 0.5 = 2.5; S = 2.5 + 7.5 = 10, K = 0.25, x = -1 + 0.25*11 = 1.75,
        // P = 2.5 - 0.625 = 1.875
        {0.5, 3, 0.5, 1, 7.5, 4, 8, -1, 10, -1, 2.5, 0.25, 10, 1.75, 1.875},
    };
    for (const auto& test : cases) {
        LinearKalmanFilter filter = oneDimensional(test.a, test.b, test.q, test.c, test.w, test.x0, test.p0);

        filter.prediction(scalarVector(test.u));
        EXPECT_NEAR(filter.getStateEstimative()(0), test.predictedX, 1e-12);
        EXPECT_NEAR(filter.getCovarianceMatrix()(0, 0), test.predictedP, 1e-12);

        filter.filtering(scalarVector(test.z));
        EXPECT_TRUE(filter.lastCorrectionApplied());
        EXPECT_NEAR(filter.getGain()(0, 0), test.gain, 1e-12);
        EXPECT_NEAR(filter.getInnovationCovariance()(0, 0), test.innovationVariance, 1e-12);
        EXPECT_NEAR(filter.getStateEstimative()(0), test.correctedX, 1e-12);
        EXPECT_NEAR(filter.getCovarianceMatrix()(0, 0), test.correctedP, 1e-12);

        // Gain and innovation covariance stay until the next correction.
        filter.prediction(scalarVector(test.u));
        filter.compensateCameraDelay(1);
        EXPECT_NEAR(filter.getGain()(0, 0), test.gain, 1e-12);
        EXPECT_NEAR(filter.getInnovationCovariance()(0, 0), test.innovationVariance, 1e-12);
    }
}

TEST(LinearKalmanFilterTest, ResetKeepsSizesAndAFollowingCorrectionJumpsToTheMeasurement) {
    LinearKalmanFilter filter(constantVelocityModel(0.02, 1e-4, 1e-4), VectorXd::Constant(4, 3.0),
                              MatrixXd::Identity(4, 4));
    filter.reset();
    EXPECT_EQ(filter.getStateEstimative(), VectorXd::Zero(4));
    EXPECT_EQ(filter.getCovarianceMatrix(), MatrixXd::Identity(4, 4) * 1e5);

    filter.resetFromObservation((VectorXd(2) << 1.5, -2.0).finished());
    EXPECT_NEAR(filter.getStateEstimative()(0), 1.5, 1e-6);
    EXPECT_NEAR(filter.getStateEstimative()(1), -2.0, 1e-6);
    EXPECT_NEAR(filter.getCovarianceMatrix()(0, 0), 1e-4, 1e-6);
}

TEST(LinearKalmanFilterTest, CameraDelayCompensationIsRepeatedPredictionWithoutInput) {
    LinearDiscreteStochasticModel model = constantVelocityModel(0.02, 0.01, 0.1);
    model.setB(MatrixXd::Identity(4, 4));
    const VectorXd x0 = (VectorXd(4) << 1, 2, 3, -4).finished();
    const MatrixXd P0 = MatrixXd::Identity(4, 4) * 2;

    for (const int steps : {0, -3}) {
        LinearKalmanFilter unchanged(model, x0, P0);
        unchanged.compensateCameraDelay(steps);
        EXPECT_EQ(unchanged.getStateEstimative(), x0);
        EXPECT_EQ(unchanged.getCovarianceMatrix(), P0);
    }

    LinearKalmanFilter delayed(model, x0, P0);
    LinearKalmanFilter predicted(model, x0, P0);
    delayed.compensateCameraDelay(2);
    predicted.prediction(VectorXd::Zero(4));
    predicted.prediction(VectorXd::Zero(4));
    EXPECT_TRUE(delayed.getStateEstimative().isApprox(predicted.getStateEstimative(), 1e-14));
    EXPECT_TRUE(delayed.getCovarianceMatrix().isApprox(predicted.getCovarianceMatrix(), 1e-14));
    EXPECT_NEAR(delayed.getStateEstimative()(0), 1 + 2 * 0.02 * 3, 1e-12);
}

TEST(LinearKalmanFilterTest, ReferentialChangeMovesStateAndCovariance) {
    const VectorXd x0 = (VectorXd(2) << 1, 0).finished();
    const MatrixXd P0 = (MatrixXd(2, 2) << 4, 0, 0, 1).finished();
    LinearKalmanFilter identity(LinearDiscreteStochasticModel(), x0, P0);
    identity.referentialChange(MatrixXd::Identity(2, 2), VectorXd::Zero(2));
    EXPECT_EQ(identity.getStateEstimative(), x0);
    EXPECT_EQ(identity.getCovarianceMatrix(), P0);

    // A quarter turn swaps the variances; the translation is added after the rotation.
    LinearKalmanFilter turned(LinearDiscreteStochasticModel(), x0, P0);
    const MatrixXd quarterTurn = (MatrixXd(2, 2) << 0, -1, 1, 0).finished();
    turned.referentialChange(quarterTurn, (VectorXd(2) << 10, 20).finished());
    EXPECT_TRUE(turned.getStateEstimative().isApprox((VectorXd(2) << 10, 21).finished()));
    EXPECT_TRUE(turned.getCovarianceMatrix().isApprox((MatrixXd(2, 2) << 1, 0, 0, 4).finished()));
}

TEST(LinearKalmanFilterTest, ConstantVelocityTargetConvergesUnderNoise) {
    const double dt = 0.02;
    const double sigma = 0.1;
    LinearKalmanFilter filter(constantVelocityModel(dt, 1e-6, sigma * sigma), VectorXd::Zero(4),
                              MatrixXd::Identity(4, 4) * 10);
    std::mt19937 engine(2024u);
    std::normal_distribution<double> noise(0.0, sigma);

    const double vx = 0.5;
    const double vy = -0.3;
    double maximumLateError = 0.0;
    for (int cycle = 1; cycle <= 1500; ++cycle) {
        const double px = 1.0 + vx * dt * cycle;
        const double py = -2.0 + vy * dt * cycle;
        filter.prediction(VectorXd());
        filter.filtering((VectorXd(2) << px + noise(engine), py + noise(engine)).finished());
        ASSERT_TRUE(filter.getStateEstimative().allFinite()) << "cycle " << cycle;
        if (cycle > 1000) {
            const VectorXd& x = filter.getStateEstimative();
            maximumLateError = std::max(maximumLateError, std::hypot(x(0) - px, x(1) - py));
        }
    }
    const VectorXd& x = filter.getStateEstimative();
    EXPECT_LT(maximumLateError, 0.05);
    EXPECT_NEAR(x(2), vx, 0.05);
    EXPECT_NEAR(x(3), vy, 0.05);
    // The filter is far more certain than a single measurement.
    EXPECT_LT(filter.getCovarianceMatrix()(0, 0), sigma * sigma / 10);
}

TEST(LinearKalmanFilterTest, UnusableMeasurementsAreSkippedNotTurnedIntoNaN) {
    // Two measurements of the same state with no noise: S = [[1, 1], [1, 1]] is singular.
    const MatrixXd C = (MatrixXd(2, 2) << 1, 0, 1, 0).finished();
    const LinearDiscreteStochasticModel model(MatrixXd::Identity(2, 2), MatrixXd::Zero(2, 0), MatrixXd::Zero(2, 2), C,
                                              MatrixXd::Zero(2, 2));
    struct Case {
        const char* name;
        LinearDiscreteStochasticModel model;
        VectorXd z;
        std::string message;
    };
    LinearDiscreteStochasticModel regular = model;
    regular.setW(MatrixXd::Identity(2, 2));
    const double nan = std::nan("");
    const Case cases[] = {
        {"singular", model, (VectorXd(2) << 1, 2).finished(),
         "(LinearKalmanFilter::filtering) singular innovation covariance: correction skipped\n"},
        {"nan measurement", regular, (VectorXd(2) << nan, 2).finished(),
         "(LinearKalmanFilter::filtering) non-finite measurement: correction skipped\n"},
        {"infinite measurement", regular, (VectorXd(2) << 1, HUGE_VAL).finished(),
         "(LinearKalmanFilter::filtering) non-finite measurement: correction skipped\n"},
    };
    const VectorXd x0 = (VectorXd(2) << 0.5, 0.25).finished();
    for (const auto& test : cases) {
        LinearKalmanFilter filter(test.model, x0, MatrixXd::Identity(2, 2));
        filter.filtering(VectorXd::Zero(2)); // a usable step first, for regular models
        const VectorXd before = filter.getStateEstimative();
        const MatrixXd covarianceBefore = filter.getCovarianceMatrix();

        testing::internal::CaptureStdout();
        filter.filtering(test.z);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), test.message) << test.name;

        EXPECT_FALSE(filter.lastCorrectionApplied()) << test.name;
        EXPECT_EQ(filter.getStateEstimative(), before) << test.name;
        EXPECT_EQ(filter.getCovarianceMatrix(), covarianceBefore) << test.name;
        EXPECT_EQ(filter.getGain(), MatrixXd::Zero(2, 2)) << test.name;
    }
}

TEST(LinearKalmanFilterTest, ACorrectionAfterARejectedOneIsAppliedAgain) {
    LinearKalmanFilter filter = oneDimensional(1, 0, 0, 1, 1, 0, 1);
    testing::internal::CaptureStdout();
    filter.filtering(scalarVector(std::nan("")));
    testing::internal::GetCapturedStdout();
    ASSERT_FALSE(filter.lastCorrectionApplied());
    filter.filtering(scalarVector(2));
    EXPECT_TRUE(filter.lastCorrectionApplied());
    EXPECT_DOUBLE_EQ(filter.getStateEstimative()(0), 1.0);
}

TEST(LinearKalmanFilterTest, NonFiniteInputsOfPredictionAndFrameChangeAreIgnored) {
    LinearKalmanFilter filter = oneDimensional(1, 1, 0, 1, 1, 3, 1);
    testing::internal::CaptureStdout();
    filter.prediction(scalarVector(std::nan("")));
    filter.referentialChange(scalar(std::nan("")), scalarVector(1));
    filter.referentialChange(scalar(1), scalarVector(HUGE_VAL));
    testing::internal::GetCapturedStdout();
    EXPECT_DOUBLE_EQ(filter.getStateEstimative()(0), 3.0);
    EXPECT_DOUBLE_EQ(filter.getCovarianceMatrix()(0, 0), 1.0);
}

TEST(LinearKalmanFilterTest, MismatchedSizesThrowInsteadOfCorruptingMemory) {
    LinearKalmanFilter filter(constantVelocityModel(0.02, 0.01, 0.1), VectorXd::Zero(4), MatrixXd::Identity(4, 4));
    EXPECT_THROW(filter.filtering(VectorXd::Zero(3)), std::invalid_argument);
    EXPECT_THROW(filter.prediction(VectorXd::Zero(2)), std::invalid_argument);
    EXPECT_THROW(filter.referentialChange(MatrixXd::Identity(3, 3), VectorXd::Zero(4)), std::invalid_argument);
    EXPECT_THROW(filter.referentialChange(MatrixXd::Identity(4, 4), VectorXd::Zero(2)), std::invalid_argument);
    try {
        filter.filtering(VectorXd::Zero(3));
    } catch (const std::invalid_argument& error) {
        EXPECT_EQ(std::string(error.what()), "LinearKalmanFilter::filtering: C is 2x4 but must be 3x4");
    }
    EXPECT_EQ(filter.getStateEstimative(), VectorXd::Zero(4));
}

} // namespace
} // namespace signal_processing
} // namespace marlowinds_lib
