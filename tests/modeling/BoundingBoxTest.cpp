#include "modeling/BoundingBox.h"

#include "marlowinds_lib/math/MathUtils.h"

#include <gtest/gtest.h>

namespace modeling {
namespace {

using marlowinds_lib::math::MathUtils;
using marlowinds_lib::math::RotationMatrix;
using marlowinds_lib::math::Vector3;

struct BoxCase {
    const char* description;
    BoundingBox box;
    double length;
    double width;
    double height;
};

TEST(BoundingBoxTest, ConstructorsGiveTheExtents) {
    const BoxCase cases[] = {
        {"three extents", BoundingBox(0.08, 0.16, 0.02), 0.08, 0.16, 0.02},
        {"cylinder", BoundingBox(0.08, 0.015), 0.03, 0.03, 0.08},
        {"sphere", BoundingBox(0.065), 0.13, 0.13, 0.13},
        {"default", BoundingBox(), 0, 0, 0},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.description);
        EXPECT_DOUBLE_EQ(c.box.getLength(), c.length);
        EXPECT_DOUBLE_EQ(c.box.getWidth(), c.width);
        EXPECT_DOUBLE_EQ(c.box.getHeight(), c.height);
    }
}

TEST(BoundingBoxTest, TransformTakesAbsoluteRotatedExtents) {
    BoundingBox quarterTurn(0.08, 0.16, 0.02);
    quarterTurn.transform(RotationMatrix(Vector3<double>(0, 0, 1), -MathUtils::PI / 2));
    EXPECT_NEAR(quarterTurn.getLength(), 0.16, 1e-15);
    EXPECT_NEAR(quarterTurn.getWidth(), 0.08, 1e-15);
    EXPECT_NEAR(quarterTurn.getHeight(), 0.02, 1e-15);

    BoundingBox oblique(1.0, 0.0, 0.0);
    oblique.transform(RotationMatrix(Vector3<double>(0, 0, 1), MathUtils::PI / 4));
    EXPECT_NEAR(oblique.getLength(), 0.7071067811865476, 1e-15);
    EXPECT_NEAR(oblique.getWidth(), 0.7071067811865476, 1e-15);
}

} // namespace
} // namespace modeling
