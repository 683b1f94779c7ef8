#ifndef PERCEPTION_FORCERESISTANCEPERCEPTOR_H
#define PERCEPTION_FORCERESISTANCEPERCEPTOR_H

#include "marlowinds_lib/math/Vector3.h"
#include "perception/Perceptor.h"
#include "representations/ForceResistanceData.h"

namespace perception {

/// One foot's pressure: (FRP (n NAME) (c X Y Z) (f X Y Z)), read lexical. The
/// base name is the trimmed sensor name ("lf", "rf").
class ForceResistancePerceptor : public Perceptor {
public:
    explicit ForceResistancePerceptor(const utils::parser::ParserTreeNode& group);

    const marlowinds_lib::math::Vector3<double>& getOriginCoordinates() const {
        return forceResistanceData.getOriginCoordinates();
    }
    const marlowinds_lib::math::Vector3<double>& getForce() const { return forceResistanceData.getForce(); }
    const representations::ForceResistanceData& getForceResistanceData() const { return forceResistanceData; }

private:
    representations::ForceResistanceData forceResistanceData;
};

} // namespace perception

#endif
