#ifndef MARLOWINDS_LIB_ARTIFICIAL_INTELLIGENCE_POTENTIAL_FIELD_POTENTIALFIELDFUNCTIONS_H
#define MARLOWINDS_LIB_ARTIFICIAL_INTELLIGENCE_POTENTIAL_FIELD_POTENTIALFIELDFUNCTIONS_H

#include "marlowinds_lib/math/Vector2.h"

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {

/// Field functions f(source, point) over d = point - source, r = |d|, the unit
/// vector u = d / r (zero when r = 0) and rho = max(r, 0.001), which bounds the
/// magnitude next to a source. All of them give zero at the source itself,
/// except the random one.
class PotentialFieldFunctions {
public:
    using Vector2 = math::Vector2<double>;

    static constexpr double MINIMUM_DISTANCE = 0.001;

    virtual ~PotentialFieldFunctions() = default;

    static Vector2 UNIT_VECTOR_FUNCTION(Vector2 source, Vector2 point);
    static Vector2 IDENTITY_FUNCTION(Vector2 source, Vector2 point);
    static Vector2 INVERSE_FUNCTION(Vector2 source, Vector2 point);
    static Vector2 SQUARE_INVERSE_FUNCTION(Vector2 source, Vector2 point);
    static Vector2 CUBIC_INVERSE_FUNCTION(Vector2 source, Vector2 point);
    /// The inverse functions turned a quarter counter-clockwise: a swirl around the source.
    static Vector2 ROTATION_INVERSE_FUNCTION(Vector2 source, Vector2 point);
    static Vector2 ROTATION_SQUARE_INVERSE_FUNCTION(Vector2 source, Vector2 point);
    static Vector2 ROTATION_CUBIC_INVERSE_FUNCTION(Vector2 source, Vector2 point);
    /// Both components uniform in [-1, 1), from an engine seeded afresh by the
    /// system's random device on every call (not reproducible); ignores its arguments.
    static Vector2 RANDOM_FUNCTION(Vector2 source, Vector2 point);
};

} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib

#endif
