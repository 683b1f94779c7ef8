#include "marlowinds_lib/math/RotationMatrix.h"
#include "marlowinds_lib/math/MathUtils.h"
#include "marlowinds_lib/math/Pose3D.h"

#include <gtest/gtest.h>

namespace marlowinds_lib {
namespace math {
namespace {

constexpr double PI = MathUtils::PI;

void expectNear(const Vector3<double>& actual, const Vector3<double>& expected, double tolerance = 1e-12) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void expectNear(const RotationMatrix& actual, const RotationMatrix& expected, double tolerance = 1e-12) {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(actual.at(r, c), expected.at(r, c), tolerance) << "row " << r << " column " << c;
        }
    }
}

TEST(RotationMatrixTest, ZeroAngleAboutAnyAxisIsIdentity) {
    for (const auto& axis : {Vector3<double>(1, 0, 0), Vector3<double>(0.3, -2, 5), Vector3<double>(0, 0, 1)}) {
        expectNear(RotationMatrix(axis, 0.0), RotationMatrix());
    }
    expectNear(RotationMatrix(Vector3<double>()), RotationMatrix());
}

TEST(RotationMatrixTest, AxisAngleUsesUnitAxis) {
    const RotationMatrix rotation(Vector3<double>(0, 0, 2), PI / 2);
    expectNear(rotation * Vector3<double>(1, 0, 0), {0, 1, 0});
    expectNear(rotation * Vector3<double>(0, 1, 0), {-1, 0, 0});
}

TEST(RotationMatrixTest, RotationVectorEqualsAxisAngle) {
    const Vector3<double> axis = Vector3<double>(1, 2, -1).normalize();
    expectNear(RotationMatrix(axis * 0.7), RotationMatrix(axis, 0.7));
}

TEST(RotationMatrixTest, EulerConstructorIsTransposeOfZYX) {
    const double a = 0.2, b = -0.4, c = 1.1;
    RotationMatrix zyx;
    zyx.rotateZ(c).rotateY(b).rotateX(a);
    expectNear(RotationMatrix(a, b, c), zyx.transpose());
}

TEST(RotationMatrixTest, ElementaryRotationsRightMultiply) {
    // rotateX then rotateZ rotates about the already rotated z axis.
    RotationMatrix rotation;
    rotation.rotateX(PI / 2).rotateZ(PI / 2);
    const RotationMatrix expected =
        RotationMatrix(Vector3<double>(1, 0, 0), PI / 2) * RotationMatrix(Vector3<double>(0, 0, 1), PI / 2);
    expectNear(rotation, expected);
    RotationMatrix aboutY;
    aboutY.rotateY(0.3);
    expectNear(aboutY, RotationMatrix(Vector3<double>(0, 1, 0), 0.3));
}

TEST(RotationMatrixTest, AngleGettersReturnTheRotationAngle) {
    for (const double angle : {-3.0, -1.2, -0.1, 0.0, 0.4, 1.5, 3.0, PI}) {
        RotationMatrix x, y, z;
        x.rotateX(angle);
        y.rotateY(angle);
        z.rotateZ(angle);
        EXPECT_NEAR(x.getXAngle(), angle, 1e-9) << angle;
        EXPECT_NEAR(y.getYAngle(), angle, 1e-9) << angle;
        EXPECT_NEAR(z.getZAngle(), angle, 1e-9) << angle;
    }
    RotationMatrix half;
    half.rotateZ(PI);
    EXPECT_GT(half.getZAngle(), 0.0); // pi, not -pi
    RotationMatrix pitched;
    pitched.rotateY(-PI / 2); // column 0 now along z
    EXPECT_EQ(pitched.getZAngle(), 0.0);
}

TEST(RotationMatrixTest, AngleAxisOfIdentityAndRoundTrip) {
    Vector3<double> axis;
    double angle = -1.0;
    RotationMatrix().getAngleAxis(axis, angle);
    EXPECT_EQ(angle, 0.0);
    EXPECT_EQ(axis, Vector3<double>(1, 0, 0));
    EXPECT_EQ(RotationMatrix().getAngleAxis(), Vector3<double>());

    const Vector3<double> unit = Vector3<double>(-1, 2, 2).normalize();
    const RotationMatrix rotation(unit, 1.2);
    rotation.getAngleAxis(axis, angle);
    EXPECT_NEAR(angle, 1.2, 1e-12);
    expectNear(axis, unit);
    expectNear(rotation.getAngleAxis(), unit * 1.2);
}

TEST(Pose3DTest, AppliesRotationThenTranslation) {
    const Pose3D pose(RotationMatrix(Vector3<double>(0, 0, 1), PI / 2), Vector3<double>(1, 2, 3));
    expectNear(pose * Vector3<double>(1, 0, 0), {1, 3, 3});
    expectNear(pose.inverse() * (pose * Vector3<double>(0.3, -0.2, 0.5)), {0.3, -0.2, 0.5});
    const Pose3D composed = pose * pose.inverse();
    expectNear(composed.rotation, RotationMatrix());
    expectNear(composed.translation, {0, 0, 0});
}

TEST(Pose3DTest, TranslateMovesAlongOwnAxes) {
    Pose3D pose;
    pose.rotateZ(PI / 2).translate({1, 0, 0});
    expectNear(pose.translation, {0, 1, 0});
}

} // namespace
} // namespace math
} // namespace marlowinds_lib
