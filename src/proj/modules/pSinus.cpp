// Sinusoidal (type 19), sphere and ellipsoid: Snyder's formulas (PP 1395
// eqs. 30-1, 30-2 and 30-6, 30-7 on the sphere, exact to rounding; 30-8,
// 30-9 and 30-10, 30-11 on the ellipsoid, where y is the meridian distance
// series and the inverse latitude its footpoint series, good to about 1e-9
// relative and 1e-11 rad). Reads bWrapLon.
#include "proj/modules/module.h"

namespace QVProj {
namespace pSinus {

static constexpr const char* kUnit = "pSinus";

using namespace mod;

namespace {

// e^2 as every ellipsoidal module derives it: the square of e.
double SquaredEccentricity(double f) {
    const double e = Eccentricity(f);
    return e * e;
}

struct SphereForward {
    LongitudeDifference dlon;
    double R;
    explicit SphereForward(const PROJDATA& w) : dlon(w), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y;
        p.x = R * dlon(p.x) * std::cos(lat);
        p.y = R * lat;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, R;
    explicit SphereInverse(const PROJDATA& w) : lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y / R, cosLat = std::cos(lat);
        if (cosLat == 0.0) return kUnplottable;
        p.x = lon0 + p.x / (R * cosLat);
        p.y = lat;
        return kConverted;
    }
};

struct EllipsoidForward {
    LongitudeDifference dlon;
    double R, e2;
    MeridianDistance M;
    explicit EllipsoidForward(const PROJDATA& w)
        : dlon(w), R(w.MajorRadius), e2(SquaredEccentricity(w.Flattening)), M(R, e2) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, s = std::sin(lat), c = std::cos(lat);
        const double w = 1.0 - e2 * (s * s);
        if (w < 0.0) return kUnplottable;
        const double root = std::sqrt(w);
        if (root == 0.0) return kUnplottable;
        p.x = R * dlon(p.x) * c / root;
        p.y = M(lat, s, c);
        return kConverted;
    }
};

struct EllipsoidInverse {
    double lon0, R, e2, Rc0;
    FootpointLatitude footpoint;
    explicit EllipsoidInverse(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius), e2(SquaredEccentricity(w.Flattening)),
          Rc0(R * MeridianDistance(R, e2).c0), footpoint(e2) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = footpoint(p.y / Rc0), cosLat = std::cos(lat), s = std::sin(lat);
        if (cosLat == 0.0) return kUnplottable;
        p.x = lon0 + p.x * std::sqrt(1.0 - e2 * (s * s)) / (R * cosLat);
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

} // namespace pSinus
} // namespace QVProj
