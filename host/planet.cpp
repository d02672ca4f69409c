#include "host/planet.h"

#include "host/vector_math.h"

#include <cmath>

namespace vrhost {

namespace {
VECTOR3 upAt(const SurfacePoint& point) {
    double latitude = point.latitude * radiansPerDegree;
    double longitude = point.longitude * radiansPerDegree;
    return {std::cos(latitude) * std::cos(longitude), std::sin(latitude),
            std::cos(latitude) * std::sin(longitude)};
}
} // namespace

VECTOR3 Planet::positionOver(const SurfacePoint& point, double altitudeM) const {
    return upAt(point) * (radiusM_ + altitudeM);
}

MATRIX3 Planet::horizonAt(const SurfacePoint& point) const {
    double latitude = point.latitude * radiansPerDegree;
    double longitude = point.longitude * radiansPerDegree;
    VECTOR3 east{-std::sin(longitude), 0.0, std::cos(longitude)};
    VECTOR3 north{-std::sin(latitude) * std::cos(longitude), std::cos(latitude),
                  -std::sin(latitude) * std::sin(longitude)};
    return matrixFromColumns(east, upAt(point), north);
}

SurfacePoint Planet::pointBelow(const VECTOR3& globalPosition) const {
    VECTOR3 up = unit(globalPosition);
    return {std::asin(up.y) / radiansPerDegree, std::atan2(up.z, up.x) / radiansPerDegree};
}

} // namespace vrhost
