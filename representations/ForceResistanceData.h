#ifndef REPRESENTATIONS_FORCERESISTANCEDATA_H
#define REPRESENTATIONS_FORCERESISTANCEDATA_H

#include "marlowinds_lib/math/Vector3.h"

namespace representations {

/// One foot pressure reading: where on the foot the force acts, and the force.
class ForceResistanceData {
public:
    ForceResistanceData() = default;
    ForceResistanceData(const marlowinds_lib::math::Vector3<double>& originCoordinates,
                        const marlowinds_lib::math::Vector3<double>& force)
        : originCoordinates(originCoordinates), force(force) {}
    virtual ~ForceResistanceData() = default;

    const marlowinds_lib::math::Vector3<double>& getOriginCoordinates() const { return originCoordinates; }
    const marlowinds_lib::math::Vector3<double>& getForce() const { return force; }

private:
    marlowinds_lib::math::Vector3<double> originCoordinates;
    marlowinds_lib::math::Vector3<double> force;
};

} // namespace representations

#endif
