#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialField.h"

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {

math::Vector2<double> PotentialField::calculateDirection(const math::Vector2<double>& position,
                                                         const std::vector<PotentialFieldObject>& objects) const {
    math::Vector2<double> direction;
    for (const PotentialFieldObject& object : objects) {
        direction += object.evaluate(position);
    }
    return direction;
}

} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib
