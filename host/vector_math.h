// Vector and rotation arithmetic on the SDK's VECTOR3 and MATRIX3.
//
// Every frame of the world (global, horizon, vessel, camera) is left-handed as the simulator's
// are: x right (east), y up, z forward (north). A rotation matrix holds the axes of the rotated
// frame as its columns, so R * v takes a vector from that frame into the parent frame.
#pragma once

#include "sdk/VoranthAPI.h"

#include <cmath>

namespace vrhost {

inline VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline VECTOR3 operator-(const VECTOR3& a) {
    return {-a.x, -a.y, -a.z};
}
inline VECTOR3 operator*(const VECTOR3& a, double factor) {
    return {a.x * factor, a.y * factor, a.z * factor};
}
inline VECTOR3 operator*(double factor, const VECTOR3& a) {
    return a * factor;
}
inline double dot(const VECTOR3& a, const VECTOR3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline VECTOR3 cross(const VECTOR3& a, const VECTOR3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const VECTOR3& a) {
    return std::sqrt(dot(a, a));
}
// The zero vector stays zero.
inline VECTOR3 unit(const VECTOR3& a) {
    double size = length(a);
    return size > 0.0 ? a * (1.0 / size) : VECTOR3{0.0, 0.0, 0.0};
}

inline MATRIX3 matrixFromColumns(const VECTOR3& x, const VECTOR3& y, const VECTOR3& z) {
    return {x.x, y.x, z.x, x.y, y.y, z.y, x.z, y.z, z.z};
}
inline VECTOR3 column(const MATRIX3& m, int index) {
    switch (index) {
    case 0:
        return {m.m11, m.m21, m.m31};
    case 1:
        return {m.m12, m.m22, m.m32};
    default:
        return {m.m13, m.m23, m.m33};
    }
}
inline VECTOR3 operator*(const MATRIX3& m, const VECTOR3& v) {
    return {m.m11 * v.x + m.m12 * v.y + m.m13 * v.z, m.m21 * v.x + m.m22 * v.y + m.m23 * v.z,
            m.m31 * v.x + m.m32 * v.y + m.m33 * v.z};
}
// The inverse rotation: from the parent frame into the rotated one.
inline VECTOR3 transposeTimes(const MATRIX3& m, const VECTOR3& v) {
    return {m.m11 * v.x + m.m21 * v.y + m.m31 * v.z, m.m12 * v.x + m.m22 * v.y + m.m32 * v.z,
            m.m13 * v.x + m.m23 * v.y + m.m33 * v.z};
}
inline MATRIX3 operator*(const MATRIX3& a, const MATRIX3& b) {
    return matrixFromColumns(a * column(b, 0), a * column(b, 1), a * column(b, 2));
}

constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;

} // namespace vrhost
