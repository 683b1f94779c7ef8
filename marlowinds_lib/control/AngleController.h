#ifndef MARLOWINDS_LIB_CONTROL_ANGLECONTROLLER_H
#define MARLOWINDS_LIB_CONTROL_ANGLECONTROLLER_H

namespace marlowinds_lib {
namespace control {

/// Proportional controller on the difference of two angles, wrapped into
/// [-pi, pi) first so that it always turns the short way (a difference of
/// exactly pi turns negative).
class AngleController {
public:
    AngleController(double gain, double saturation) : gain(gain), saturation(saturation) {}

    /// gain * normalizeAngle(target - current) limited to [-saturation, saturation];
    /// 0 when either angle is NaN or infinite.
    double control(double target, double current) const;

private:
    double gain;
    double saturation;
};

} // namespace control
} // namespace marlowinds_lib

#endif
