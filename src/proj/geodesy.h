// What the engine, the projection modules and the datum code share: pi and
// the conversions between degrees and radians, the unplottable marker test,
// the folding of longitudes and latitudes, and the ellipsoid parameters by
// type.
#ifndef QVPROJ_PROJ_GEODESY_H
#define QVPROJ_PROJ_GEODESY_H

#include <cmath>

#include "proj/ellipsoids.h"
#include "qvproj/proj.h"

namespace QVProj {

constexpr double kPi = 3.141592653589793;

// Degrees to radians and back as the engine and the domain tests convert:
// multiply by pi, then divide by 180 (and the reverse).
constexpr double Radians(double degrees) {
    return degrees * kPi / 180.0;
}
constexpr double Degrees(double radians) {
    return radians * 180.0 / kPi;
}
// The datum methods multiply by the constant quotients instead; the two
// forms may differ in the last bit.
constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToDeg = 180.0 / kPi;

// A point whose x or y holds the unplottable marker is not converted.
constexpr bool IsUnplottable(double x, double y) {
    return x == UNPLOTTABLE || y == UNPLOTTABLE;
}

// Normalisation of the conversions: the marker stays the marker, a value that is
// not finite becomes the marker. A longitude keeps the remainder of its
// division by 360 (its sign kept); a latitude is folded over the poles into
// -90 to 90. fmod returns a value already smaller than its divisor
// unchanged, so the call is skipped for those.
inline double NormaliseLongitude(double lon) {
    if (lon == UNPLOTTABLE) return lon;
    if (!std::isfinite(lon)) return UNPLOTTABLE;
    return std::fabs(lon) < 360.0 ? lon : std::fmod(lon, 360.0);
}
inline double NormaliseLatitude(double lat) {
    if (lat == UNPLOTTABLE) return lat;
    if (!std::isfinite(lat)) return UNPLOTTABLE;
    double r = std::fabs(lat) < 180.0 ? lat : std::fmod(lat, 180.0);
    if (r > 90.0) return 180.0 - r;
    if (r < -90.0) return std::fabs(r) - 180.0;
    return r;
}

struct EllipsoidAxes {
    double a; // semi-major axis
    double f; // flattening, 0 for a sphere
};

// The axis and flattening of an ellipsoid type: those of the catalogue for
// 1 to 49, a unit sphere for any other value (0 included).
constexpr EllipsoidAxes EllipsoidAxesOf(int type) {
    if (!IsBuiltInEllipsoid(type)) return {1.0, 0.0};
    return {kEllipsoids[type].a, kEllipsoids[type].f};
}
constexpr EllipsoidAxes kWGS84 = EllipsoidAxesOf(ET_WGS_84);

} // namespace QVProj

#endif
