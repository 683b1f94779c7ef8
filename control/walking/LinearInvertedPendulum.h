#ifndef CONTROL_WALKING_LINEARINVERTEDPENDULUM_H
#define CONTROL_WALKING_LINEARINVERTEDPENDULUM_H

namespace control {
namespace walking {

/// One horizontal axis of a linear inverted pendulum over one period, in closed
/// form: x'' = (x - p) / T^2. Its zero-moment point p ramps linearly from the
/// start to 0 (the support foot) in the first ramp, rests there, and ramps from
/// 0 to the end in the last ramp; the centre of mass starts where the ZMP
/// starts and ends where it ends. The walk solves one per axis and step, the
/// kick one over the whole kick.
class LinearInvertedPendulum {
public:
    /// Needs 0 < rampDuration <= period / 2 and timeConstant = sqrt(height / gravity) > 0.
    void solveZMP(double zmpStart, double zmpEnd, double period, double rampDuration, double timeConstant);

    /// Centre of mass at time t since the start of the period.
    double getCoM(double t) const;
    double getCoMSpeed(double t) const;
    double getCoMAcceleration(double t) const;

private:
    /// The ZMP ramp in effect at t: its slope, and when the ZMP stands on the support foot.
    struct Ramp {
        double slope = 0.0;
        double footTime = 0.0;
    };
    /// false in single support, where the ZMP rests on the foot.
    bool rampAt(double t, Ramp& ramp) const;

    double timeConstant = 1.0;
    double period = 0.0;
    double rampDuration = 0.0;
    double startSlope = 0.0;
    double endSlope = 0.0;
    /// Coefficients of e^(t/T) and e^(-t/T).
    double growing = 0.0;
    double decaying = 0.0;
};

} // namespace walking
} // namespace control

#endif
