#ifndef TESTS_MODELING_GEOMETRYEXPECTATIONS_H
#define TESTS_MODELING_GEOMETRYEXPECTATIONS_H

#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose2D.h"
#include "marlowinds_lib/math/RotationMatrix.h"
#include "marlowinds_lib/math/Vector3.h"

#include <gtest/gtest.h>

namespace modeling {
namespace testing {

inline void expectNear(const marlowinds_lib::math::Vector3<double>& actual,
                       const marlowinds_lib::math::Vector3<double>& expected, double tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

/// Headings are compared modulo a full turn.
inline void expectNear(const marlowinds_lib::math::Pose2D& actual, const marlowinds_lib::math::Pose2D& expected,
                       double tolerance) {
    EXPECT_NEAR(actual.translation.x, expected.translation.x, tolerance);
    EXPECT_NEAR(actual.translation.y, expected.translation.y, tolerance);
    EXPECT_NEAR(marlowinds_lib::math::MathUtils::normalizeAngle(actual.rotation - expected.rotation), 0.0, tolerance)
        << "heading " << actual.rotation << ", expected " << expected.rotation;
}

inline void expectNear(const marlowinds_lib::math::RotationMatrix& actual,
                       const marlowinds_lib::math::RotationMatrix& expected, double tolerance) {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(actual.at(r, c), expected.at(r, c), tolerance) << "row " << r << " column " << c;
        }
    }
}

/// The mirror image across the torso's sagittal plane (y -> -y).
inline marlowinds_lib::math::Vector3<double> reflect(const marlowinds_lib::math::Vector3<double>& v) {
    return {v.x, -v.y, v.z};
}

/// S * R * S with S = diag(1, -1, 1): the rotation a mirrored body part has.
inline marlowinds_lib::math::RotationMatrix reflect(const marlowinds_lib::math::RotationMatrix& r) {
    return {reflect(r.c0), reflect(r.c1) * -1.0, reflect(r.c2)};
}

} // namespace testing
} // namespace modeling

#endif
