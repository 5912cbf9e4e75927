#include "core/Vector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectVecNear(const Vec3& actual, const Vec3& expected, double tolerance = 1e-15)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

} // namespace

TEST(Vector, NormDotAndCross)
{
    EXPECT_EQ(Norm({3, 4, 0}), 5.0);
    const Vec3 a{1.5, -2.0, 0.25};
    EXPECT_DOUBLE_EQ(Dot(a, a), Norm(a) * Norm(a));
    ExpectVecNear(Cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
    ExpectVecNear(Cross({0, 1, 0}, {0, 0, 1}), {1, 0, 0});
    ExpectVecNear(Cross({0, 0, 1}, {1, 0, 0}), {0, 1, 0});
    ExpectVecNear(Cross(a, a), {0, 0, 0});
    ExpectVecNear(Vec3{1, 2, 3} + 2.0 * Vec3{1, 1, 1}, {3, 4, 5});
}

TEST(Vector, RotationsTurnCounterClockwiseAndChainRightToLeft)
{
    const double theta = 0.3;
    ExpectVecNear(RotationX(theta) * Vec3{0, 1, 0}, {0, std::cos(theta), std::sin(theta)});
    ExpectVecNear(RotationZ(M_PI / 2) * Vec3{1, 0, 0}, {0, 1, 0});

    const Mat3 identity = RotationX(-theta) * RotationX(theta);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(identity(i, j), i == j ? 1.0 : 0.0, 1e-15);

    // Rz Rx applied to z: first the x rotation takes z to -y, then z turns -y to x.
    ExpectVecNear((RotationZ(M_PI / 2) * RotationX(M_PI / 2)) * Vec3{0, 0, 1}, {1, 0, 0});
    ExpectVecNear((RotationX(M_PI / 2) * RotationZ(M_PI / 2)) * Vec3{0, 0, 1}, {0, -1, 0});
    // A scalar scales every entry of a matrix.
    ExpectVecNear((2.0 * RotationZ(0.0)) * Vec3{1, 2, 3}, {2, 4, 3 * 2});
}

TEST(Vector, EquatorProjectionDropsZ)
{
    ExpectVecNear(EquatorProjection * Vec3{1, 2, 3}, {1, 2, 0});
}

TEST(Vector, BadComponentIndexWarnsOnStandardOutputAndReadsX)
{
    const Vec3 v{7, 8, 9};
    testing::internal::CaptureStdout();
    EXPECT_EQ(v[1], 8.0);
    EXPECT_EQ(v[2], 9.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(v[3], 7.0);
    EXPECT_EQ(v[-1], 7.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Attention! erreur d'indice...\nAttention! erreur d'indice...\n");
}
