// Polyconic (type 11), sphere and ellipsoid: Snyder's formulas (PP 1395,
// chapter 18). The forward is closed form (the ellipsoid's meridian distance
// series is good to about 1e-10 relative); it wraps the longitude
// difference into [-pi, pi] when bWrapLon is set. The inverse solves the
// latitude by Newton's method: on the sphere until a step of 1.2e-7 rad,
// returning the estimate before that step (good to about that, the
// longitude's error growing towards the poles); on the ellipsoid until a
// step of 1.2e-6 rad, returning the last step's result (about 1e-10 rad).
// Within 80 degrees of the central meridian the iteration converges; beyond
// about 85 it does not at mid latitudes, and the ellipsoid's 500th estimate
// is returned, as the iteration's limit prescribes.
#include "proj/modules/module.h"

namespace QVProj {
namespace pPolycon {

static constexpr const char* kUnit = "pPolycon";

using namespace mod;

namespace {

// x, y of a point off the equator: x = N cot(lat) sin E, y = Mlat + N cot(lat)
// (1 - cos E) with E = dlon sin lat, given N cot(lat); N = R and Mlat = R (lat
// - Lat0) on the sphere.
inline void OffEquator(PROJPOINT& p, double dlon, double s, double Ncot, double Mlat) {
    const double E = dlon * s;
    p.x = Ncot * std::sin(E);
    p.y = Mlat + Ncot * (1.0 - std::cos(E));
}

struct SphereForward {
    double lon0, lat0, R, yEquator;
    bool wrap;
    explicit SphereForward(const PROJDATA& w)
        : lon0(w.Lon0), lat0(w.Lat0), R(w.MajorRadius), yEquator(-R * lat0), wrap(w.bWrapLon != 0) {
    }
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, dlon = wrap ? WrapPi(p.x - lon0) : p.x - lon0;
        if (lat == 0.0) {
            p.x = R * dlon;
            p.y = yEquator;
        } else {
            const double s = std::sin(lat);
            OffEquator(p, dlon, s, R * std::cos(lat) / s, R * (lat - lat0));
        }
        return kConverted;
    }
};

struct EllipsoidForward {
    double lon0, R, e2;
    MeridianDistance M;
    double M0;
    bool wrap;
    explicit EllipsoidForward(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius),
          e2(Eccentricity(w.Flattening) * Eccentricity(w.Flattening)), M(R, e2), M0(M(w.Lat0)),
          wrap(w.bWrapLon != 0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, dlon = wrap ? WrapPi(p.x - lon0) : p.x - lon0;
        const double s = std::sin(lat), c = std::cos(lat);
        const double w = 1.0 - e2 * (s * s);
        if (w < 0.0) return kUnplottable;
        const double sw = std::sqrt(w);
        if (sw == 0.0) return kUnplottable;
        if (lat == 0.0) {
            p.x = R * dlon;
            p.y = -M0;
        } else {
            OffEquator(p, dlon, s, R * c / (s * sw), M(lat, s, c) - M0);
        }
        return kConverted;
    }
};

// lon = asin(x tan(lat)/R, clamped to [-1, 1]) / sin(lat) + Lon0 on the
// sphere; the ellipsoid passes sqrt(1 - e^2 sin^2 lat) tan(lat) for tan(lat).
inline double Longitude(double x, double tanLike, double sinLat, double R, double lon0) {
    return std::asin(Clamp1(x * tanLike / R)) / sinLat + lon0;
}

struct SphereInverse {
    double lon0, lat0, R, yEquator;
    explicit SphereInverse(const PROJDATA& w)
        : lon0(w.Lon0), lat0(w.Lat0), R(w.MajorRadius), yEquator(-R * lat0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y;
        if (y == yEquator) {
            p.x = x / R + lon0;
            p.y = 0.0;
            return kConverted;
        }
        const double A = lat0 + y / R, xR = x / R, B = xR * xR + A * A;
        double lat = A;
        for (int n = 1;; ++n) {
            const double t = std::tan(lat);
            if (t == 0.0) return kUnplottable;
            const double next = lat - (A * (lat * t + 1.0) - lat - (lat * lat + B) * t / 2.0) /
                                          ((lat - A) / t - 1.0);
            // From a step that is not finite on, every estimate is NaN: the
            // point ends unplottable, unless the limit returns the estimate
            // before it.
            if (!std::isfinite(next) && n < kMaxIterations) return kUnplottable;
            if (std::fabs(next - lat) <= kEps || n == kMaxIterations) break;
            lat = next;
        }
        const double s = std::sin(lat);
        if (s == 0.0) return kUnplottable;
        p.x = Longitude(x, std::tan(lat), s, R, lon0);
        p.y = lat;
        return kConverted;
    }
};

struct EllipsoidInverse {
    double lon0, R, e2;
    MeridianDistance Mn; // M/R
    double M0;
    explicit EllipsoidInverse(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius),
          e2(Eccentricity(w.Flattening) * Eccentricity(w.Flattening)), Mn(1.0, e2),
          M0(MeridianDistance(R, e2)(w.Lat0)) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y;
        if (y == -M0) {
            p.x = x / R + lon0;
            p.y = 0.0;
            return kConverted;
        }
        const double A = (M0 + y) / R, xR = x / R, B = A * A + xR * xR;
        double lat = A;
        SinCos sc(lat);
        for (int n = 1;; ++n) {
            // tan lat and 2/sin 2lat from one division 1/(sin lat cos lat).
            const double s = sc.s, c = sc.c, invSC = 1.0 / (s * c);
            const MultipleAngles a(s, c);
            const double Cp = std::sqrt(1.0 - e2 * (s * s)) * (s * s * invSC);
            const double m = Mn(lat, s, c), mp = Mn.Derivative(a), mB = m * m + B;
            const double next = lat - (A * (Cp * m + 1.0) - m - mB * Cp / 2.0) /
                                          (e2 * a.sin2 * (mB - 2.0 * A * m) * Cp / 4.0 +
                                           (A - m) * (Cp * mp - invSC) - mp);
            // A step that is not finite makes every later one NaN.
            if (!std::isfinite(next)) return kUnplottable;
            const double d = next - lat;
            sc.Step(next, d);
            lat = next;
            if (std::fabs(d) <= kEps10 || n == kMaxIterations) break;
        }
        const double s = sc.s;
        if (s == 0.0) return kUnplottable;
        p.x = Longitude(x, std::sqrt(1.0 - e2 * (s * s)) * s / sc.c, s, R, lon0);
        p.y = lat;
        return kConverted;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereForward, EllipsoidForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereInverse, EllipsoidInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pPolycon
} // namespace QVProj
