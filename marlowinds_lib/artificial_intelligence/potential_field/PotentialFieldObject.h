#ifndef MARLOWINDS_LIB_ARTIFICIAL_INTELLIGENCE_POTENTIAL_FIELD_POTENTIALFIELDOBJECT_H
#define MARLOWINDS_LIB_ARTIFICIAL_INTELLIGENCE_POTENTIAL_FIELD_POTENTIALFIELDOBJECT_H

#include "marlowinds_lib/math/Vector2.h"

#include <functional>

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {

/// One source of a potential field: a position, a weight and a field function
/// f(source, point). A positive weight on a decaying function pushes away from
/// the source, a negative one pulls towards it.
class PotentialFieldObject {
public:
    using Function = std::function<math::Vector2<double>(math::Vector2<double>, math::Vector2<double>)>;

    PotentialFieldObject(math::Vector2<double> position, double atractionFactor, Function potentialFunction)
        : potentialFunction(std::move(potentialFunction)), position(position), atractionFactor(atractionFactor) {}
    virtual ~PotentialFieldObject() = default;

    const math::Vector2<double>& getPosition() const { return position; }
    const double& getAtractionFactor() const { return atractionFactor; }
    Function getPotentialFunction() const { return potentialFunction; }

    /// This source's weighted contribution at point; std::bad_function_call when
    /// the function is empty.
    math::Vector2<double> evaluate(const math::Vector2<double>& point) const {
        return potentialFunction(position, point) * atractionFactor;
    }

private:
    Function potentialFunction;
    math::Vector2<double> position;
    double atractionFactor;
};

} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib

#endif
