#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

// The vector times the transpose of the matrix: turns a global direction into the frame that a
// rotation matrix (that frame to global) describes.
inline VECTOR3 TransposeRotate(const MATRIX3& m, const VECTOR3& v) {
    return {m.m11 * v.x + m.m21 * v.y + m.m31 * v.z, m.m12 * v.x + m.m22 * v.y + m.m32 * v.z,
            m.m13 * v.x + m.m23 * v.y + m.m33 * v.z};
}

} // namespace zephyrin
