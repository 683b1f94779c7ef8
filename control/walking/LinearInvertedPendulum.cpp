#include "control/walking/LinearInvertedPendulum.h"

#include <cmath>

namespace control {
namespace walking {

void LinearInvertedPendulum::solveZMP(double zmpStart, double zmpEnd, double period, double rampDuration,
                                      double timeConstant) {
    this->timeConstant = timeConstant;
    this->period = period;
    this->rampDuration = rampDuration;
    startSlope = -zmpStart / rampDuration;
    endSlope = zmpEnd / rampDuration;

    // The ramps' particular solutions leave x(0) - zmpStart = -a and x(P) - zmpEnd = -b;
    // the homogeneous part makes up for both.
    const double e = std::exp(period / timeConstant);
    const double rampGain = timeConstant / rampDuration * std::sinh(rampDuration / timeConstant);
    const double a = zmpStart * rampGain;
    const double b = zmpEnd * rampGain;
    growing = (b - a / e) / (e - 1.0 / e);
    decaying = (a * e - b) / (e - 1.0 / e);
}

bool LinearInvertedPendulum::rampAt(double t, Ramp& ramp) const {
    if (t < rampDuration) {
        ramp = {startSlope, rampDuration};
        return true;
    }
    if (t > period - rampDuration) {
        ramp = {endSlope, period - rampDuration};
        return true;
    }
    return false;
}

double LinearInvertedPendulum::getCoM(double t) const {
    double x = growing * std::exp(t / timeConstant) + decaying * std::exp(-t / timeConstant);
    Ramp ramp;
    if (rampAt(t, ramp)) {
        const double sinceFoot = t - ramp.footTime;
        x += ramp.slope * sinceFoot - timeConstant * ramp.slope * std::sinh(sinceFoot / timeConstant);
    }
    return x;
}

double LinearInvertedPendulum::getCoMSpeed(double t) const {
    double speed = (growing * std::exp(t / timeConstant) - decaying * std::exp(-t / timeConstant)) / timeConstant;
    Ramp ramp;
    if (rampAt(t, ramp)) {
        speed += ramp.slope * (1.0 - std::cosh((t - ramp.footTime) / timeConstant));
    }
    return speed;
}

double LinearInvertedPendulum::getCoMAcceleration(double t) const {
    double acceleration =
        (growing * std::exp(t / timeConstant) + decaying * std::exp(-t / timeConstant)) / (timeConstant * timeConstant);
    Ramp ramp;
    if (rampAt(t, ramp)) {
        acceleration -= ramp.slope / timeConstant * std::sinh((t - ramp.footTime) / timeConstant);
    }
    return acceleration;
}

} // namespace walking
} // namespace control
