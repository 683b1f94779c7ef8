#ifndef MARLOWINDS_LIB_ARTIFICIAL_INTELLIGENCE_POTENTIAL_FIELD_POTENTIALFIELD_H
#define MARLOWINDS_LIB_ARTIFICIAL_INTELLIGENCE_POTENTIAL_FIELD_POTENTIALFIELD_H

#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialFieldObject.h"
#include "marlowinds_lib/math/Vector2.h"

#include <vector>

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {

class PotentialField {
public:
    virtual ~PotentialField() = default;

    /// The sum of every source's weighted field at position, not normalised;
    /// (0, 0) for no sources.
    math::Vector2<double> calculateDirection(const math::Vector2<double>& position,
                                             const std::vector<PotentialFieldObject>& objects) const;
};

} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib

#endif
