#ifndef MODELING_STATE_ESTIMATION_LOCALIZERPARAMS_H
#define MODELING_STATE_ESTIMATION_LOCALIZERPARAMS_H

namespace modeling {
namespace state_estimation {

/// The localizer's noise parameters. Only the two measurement sigmas are read;
/// the other six are stored and read by nothing.
struct LocalizerParams {
    /// Of a measured landmark distance, in percent of that distance.
    double distanceSigma = 0.31;
    /// Of a measured bearing: 1.75 degrees in radians.
    double bearingSigma = 0.030543261909900768;
    double xResetSigma = 0.01;
    double yResetSigma = 0.01;
    double headingResetSigma = 0.005;
    bool useLandmarks = true;
    bool useLines = true;
    bool useSensorResetting = true;

    LocalizerParams() = default;
    LocalizerParams(double distanceSigma, double bearingSigma, double xResetSigma, double yResetSigma,
                    double headingResetSigma, bool useLandmarks, bool useLines, bool useSensorResetting)
        : distanceSigma(distanceSigma), bearingSigma(bearingSigma), xResetSigma(xResetSigma), yResetSigma(yResetSigma),
          headingResetSigma(headingResetSigma), useLandmarks(useLandmarks), useLines(useLines),
          useSensorResetting(useSensorResetting) {}

    static LocalizerParams getDefaultLocalizerParams() { return LocalizerParams(); }
};

} // namespace state_estimation
} // namespace modeling

#endif
