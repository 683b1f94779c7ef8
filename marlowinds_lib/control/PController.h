#ifndef MARLOWINDS_LIB_CONTROL_PCONTROLLER_H
#define MARLOWINDS_LIB_CONTROL_PCONTROLLER_H

namespace marlowinds_lib {
namespace control {

/// Proportional controller whose output is limited to [-saturation, saturation].
class PController {
public:
    PController() = default;
    PController(double gain, double saturation) : gain(gain), saturation(saturation) {}
    virtual ~PController() = default;

    void setParams(double gain, double saturation);
    /// Stores and returns gain * error limited to the saturation; a NaN error
    /// commands 0 (hold still) rather than a full-speed swing.
    double update(double error);
    /// The last command; 0 before the first update.
    double getCommand() const { return command; }

    /// gain * error limited to [-saturation, saturation]; 0 when the product is NaN.
    static double saturatedProduct(double gain, double error, double saturation);

private:
    double gain = 0.0;
    double saturation = 0.0;
    double command = 0.0;
};

} // namespace control
} // namespace marlowinds_lib

#endif
