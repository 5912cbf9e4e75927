#pragma once
// Rectangular 3-vectors and 3 x 3 matrices: every position of the program is a
// Vec3 in astronomical units, every change of frame a Mat3 built from the two
// elementary rotations. Plain values, no allocation, no state.

#include <array>

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    // Component 0, 1 or 2. Any other index writes
    // "Attention! erreur d'indice...\n" to standard output and reads component 0.
    double operator[](int index) const;
};

// Row-major: element (row i, column j) is entry 3i + j.
struct Mat3 {
    std::array<double, 9> m{};

    double operator()(int row, int column) const { return m[3 * row + column]; }
};

Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator*(double s, const Vec3& v);
Mat3 operator*(double s, const Mat3& matrix);
Vec3 operator*(const Mat3& matrix, const Vec3& v);
Mat3 operator*(const Mat3& a, const Mat3& b);

// Summed from component 2 down to 0, starting from 0.0.
double Dot(const Vec3& a, const Vec3& b);
double Norm(const Vec3& a);
// Right-handed: (1,0,0) x (0,1,0) = (0,0,1).
Vec3 Cross(const Vec3& a, const Vec3& b);

// Active rotations, counter-clockwise seen from the positive end of the axis:
// RotationZ(90 degrees) turns (1,0,0) into (0,1,0). Angles in radians.
Mat3 RotationX(double angle);
Mat3 RotationX(double sine, double cosine);
Mat3 RotationZ(double angle);
Mat3 RotationZ(double sine, double cosine);

// diag(1, 1, 0): keeps x and y of an equatorial vector; the length of the
// result is the divisor of the declination's arctangent.
inline constexpr Mat3 EquatorProjection{{1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0}};
