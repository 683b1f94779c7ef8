#include "marlowinds_lib/artificial_intelligence/potential_field/PotentialFieldFunctions.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace marlowinds_lib {
namespace artificial_intelligence {
namespace potential_field {

namespace {
using Vector2 = math::Vector2<double>;

Vector2 quarterTurn(const Vector2& v) { return {-v.y, v.x}; }

// u / rho^power, the common shape of the decaying functions.
Vector2 decaying(const Vector2& source, const Vector2& point, int power) {
    const Vector2 d = point - source;
    const double rho = std::max(d.norm(), PotentialFieldFunctions::MINIMUM_DISTANCE);
    return d.normalize() / std::pow(rho, power);
}
} // namespace

Vector2 PotentialFieldFunctions::UNIT_VECTOR_FUNCTION(Vector2 source, Vector2 point) {
    return (point - source).normalize();
}

Vector2 PotentialFieldFunctions::IDENTITY_FUNCTION(Vector2 source, Vector2 point) { return point - source; }

Vector2 PotentialFieldFunctions::INVERSE_FUNCTION(Vector2 source, Vector2 point) { return decaying(source, point, 1); }

Vector2 PotentialFieldFunctions::SQUARE_INVERSE_FUNCTION(Vector2 source, Vector2 point) {
    return decaying(source, point, 2);
}

Vector2 PotentialFieldFunctions::CUBIC_INVERSE_FUNCTION(Vector2 source, Vector2 point) {
    return decaying(source, point, 3);
}

Vector2 PotentialFieldFunctions::ROTATION_INVERSE_FUNCTION(Vector2 source, Vector2 point) {
    return quarterTurn(decaying(source, point, 1));
}

Vector2 PotentialFieldFunctions::ROTATION_SQUARE_INVERSE_FUNCTION(Vector2 source, Vector2 point) {
    return quarterTurn(decaying(source, point, 2));
}

Vector2 PotentialFieldFunctions::ROTATION_CUBIC_INVERSE_FUNCTION(Vector2 source, Vector2 point) {
    return quarterTurn(decaying(source, point, 3));
}

Vector2 PotentialFieldFunctions::RANDOM_FUNCTION(Vector2 /*source*/, Vector2 /*point*/) {
    std::random_device device("default");
    std::mt19937 engine(device());
    const double first = std::generate_canonical<double, 53>(engine);
    const double second = std::generate_canonical<double, 53>(engine);
    return {2.0 * first - 1.0, 2.0 * second - 1.0};
}

} // namespace potential_field
} // namespace artificial_intelligence
} // namespace marlowinds_lib
