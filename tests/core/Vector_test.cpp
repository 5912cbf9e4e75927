#include "core/Vector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(const Vec3& actual, const Vec3& expected)
{
    EXPECT_NEAR(Norm(actual + (-1.0) * expected), 0.0, 1e-15)
        << actual.x << " " << actual.y << " " << actual.z;
}

} // namespace

TEST(Vector, ProductsAndRotations)
{
    EXPECT_EQ(Norm({3, 4, 0}), 5.0);
    ExpectNear(Cross({0, 1, 0}, {0, 0, 1}), {1, 0, 0});
    ExpectNear(Cross({0, 0, 1}, {1, 0, 0}), {0, 1, 0});
    ExpectNear(RotationX(0.3) * Vec3{0, 1, 0}, {0, std::cos(0.3), std::sin(0.3)});
    ExpectNear(RotationZ(M_PI / 2) * Vec3{1, 0, 0}, {0, 1, 0});
    ExpectNear((RotationX(-0.3) * RotationX(0.3)) * Vec3{1, 2, 3}, {1, 2, 3});
    // Chains apply right to left: Rx takes z to -y, then Rz takes -y to x.
    ExpectNear((RotationZ(M_PI / 2) * RotationX(M_PI / 2)) * Vec3{0, 0, 1}, {1, 0, 0});
    ExpectNear((2.0 * RotationZ(0.0)) * Vec3{1, 2, 3}, {2, 4, 6});
    ExpectNear(EquatorProjection * Vec3{1, 2, 3}, {1, 2, 0});
}

TEST(Vector, BadComponentIndexWarnsOnStandardOutputAndReadsX)
{
    const Vec3 v{7, 8, 9};
    testing::internal::CaptureStdout();
    EXPECT_EQ(v[2], 9.0);
    EXPECT_EQ(v[3], 7.0);
    EXPECT_EQ(v[-1], 7.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Attention! erreur d'indice...\nAttention! erreur d'indice...\n");
}
