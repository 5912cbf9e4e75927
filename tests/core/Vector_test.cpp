// Products and rotations are pinned through the orbit, precession and Moon
// tests; here only what those cannot see.

#include "core/Vector.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Vector, BadComponentIndexWarnsOnStandardOutputAndReadsX)
{
    const Vec3 v{7, 8, 9};
    testing::internal::CaptureStdout();
    EXPECT_EQ(v[2], 9.0);
    EXPECT_EQ(v[3], 7.0);
    EXPECT_EQ(v[-1], 7.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Attention! erreur d'indice...\nAttention! erreur d'indice...\n");
    // Chains apply right to left: Rx takes z to -y, then Rz takes -y to x.
    const Vec3 x = (RotationZ(M_PI / 2) * RotationX(M_PI / 2)) * Vec3{0, 0, 1};
    EXPECT_NEAR(Norm(x + (-1.0) * Vec3{1, 0, 0}), 0.0, 1e-15);
    EXPECT_EQ(Norm(Cross({0, 2, 0}, {0, 0, 1.5})), 3.0);
}
