#include "modeling/BoundingBox.h"

#include <cmath>

namespace modeling {

void BoundingBox::transform(const marlowinds_lib::math::RotationMatrix& rotation) {
    const marlowinds_lib::math::Vector3<double> extents =
        rotation * marlowinds_lib::math::Vector3<double>(length, width, height);
    length = std::abs(extents.x);
    width = std::abs(extents.y);
    height = std::abs(extents.z);
}

} // namespace modeling
