#ifndef CONTROL_LOOKREQUEST_H
#define CONTROL_LOOKREQUEST_H

namespace control {

/// Where the head should point: neck yaw (pan) and neck pitch (tilt), radians.
class LookRequest {
public:
    LookRequest(double pan, double tilt) : pan(pan), tilt(tilt) {}
    virtual ~LookRequest() = default;

    double getPan() const { return pan; }
    double getTilt() const { return tilt; }

private:
    double pan;
    double tilt;
};

} // namespace control

#endif
