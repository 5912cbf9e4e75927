#include "core/Vector.h"

#include <cmath>
#include <cstdio>

double Vec3::operator[](int index) const
{
    switch (index) {
    case 1: return y;
    case 2: return z;
    case 0: return x;
    default:
        std::fputs("Attention! erreur d'indice...\n", stdout);
        return x;
    }
}

Vec3 operator+(const Vec3& a, const Vec3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 operator*(double s, const Vec3& v)
{
    return {s * v.x, s * v.y, s * v.z};
}

Mat3 operator*(double s, const Mat3& matrix)
{
    Mat3 product;
    for (int k = 0; k < 9; ++k)
        product.m[k] = s * matrix.m[k];
    return product;
}

Vec3 operator*(const Mat3& matrix, const Vec3& v)
{
    const auto& m = matrix.m;
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z,
            m[3] * v.x + m[4] * v.y + m[5] * v.z,
            m[6] * v.x + m[7] * v.y + m[8] * v.z};
}

Mat3 operator*(const Mat3& a, const Mat3& b)
{
    Mat3 product;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            product.m[3 * i + j] = a(i, 0) * b(0, j) + a(i, 1) * b(1, j) + a(i, 2) * b(2, j);
    return product;
}

double Dot(const Vec3& a, const Vec3& b)
{
    double sum = 0.0;
    sum += a.z * b.z;
    sum += a.y * b.y;
    sum += a.x * b.x;
    return sum;
}

double Norm(const Vec3& a)
{
    return std::sqrt(Dot(a, a));
}

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Mat3 RotationX(double sine, double cosine)
{
    return {{1.0, 0.0, 0.0, 0.0, cosine, -sine, 0.0, sine, cosine}};
}

Mat3 RotationX(double angle)
{
    return RotationX(std::sin(angle), std::cos(angle));
}

Mat3 RotationZ(double sine, double cosine)
{
    return {{cosine, -sine, 0.0, sine, cosine, 0.0, 0.0, 0.0, 1.0}};
}

Mat3 RotationZ(double angle)
{
    return RotationZ(std::sin(angle), std::cos(angle));
}
