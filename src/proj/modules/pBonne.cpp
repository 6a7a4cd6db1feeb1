// Bonne (type 21), sphere and ellipsoid: Snyder's formulas (PP 1395,
// chapter 19), closed form. The ellipsoid's meridian distance series is good
// to about 1e-9 relative and its inverse, the footpoint series, to about
// 1e-11 rad. The forward always wraps the longitude difference into [-pi,
// pi], the inverse the longitude; rho = 0 in the forward fails the whole
// call.
#include "proj/modules/module.h"

namespace QVProj {
namespace pBonne {

static constexpr const char* kUnit = "pBonne";

using namespace mod;

namespace {

// The sphere: the standard parallel's R cot Lat1 and the radius at the
// equator's side, rho = R (cot Lat1 + Lat1 - lat).
struct SphereConstants {
    double lon0, lat1, R, cot1, Rcot1, c;
    explicit SphereConstants(const PROJDATA& w)
        : lon0(w.Lon0), lat1(w.Lat1), R(w.MajorRadius), cot1(1.0 / std::tan(lat1)), Rcot1(R * cot1),
          c(cot1 + lat1) {}
};

struct SphereForward {
    SphereConstants k;
    explicit SphereForward(const PROJDATA& w) : k(w) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y;
        if (k.lat1 == kHalfPi && lat == kHalfPi) return kUnplottable;
        const double rho = k.R * (k.c - lat);
        if (!QV_CHECK(rho != 0.0)) return kFailCall;
        ConePoint(p, rho, k.Rcot1, k.R * WrapPi(p.x - k.lon0) * std::cos(lat) / rho);
        return kConverted;
    }
};

struct SphereInverse {
    SphereConstants k;
    explicit SphereInverse(const PROJDATA& w) : k(w) {}
    Outcome operator()(PROJPOINT& p) const {
        double a, rho;
        FromCone(p, k.Rcot1, k.lat1, a, rho);
        const double lat = k.c - rho / k.R;
        const double Rcos = k.R * std::cos(lat);
        if (Rcos == 0.0) return kUnplottable;
        p.x = WrapPi(k.lon0 + rho * a / Rcos);
        p.y = lat;
        return kConverted;
    }
};

// The ellipsoid: m1 = m(Lat1), M1 = M(Lat1) and the radius of the standard
// parallel R m1 / sin Lat1; `bad` when sin Lat1 = 0 (every point is
// unplottable then).
struct EllipsoidConstants {
    double lon0, lat1, R, e, e2;
    MeridianDistance M;
    double Rm1s = 0, c = 0;
    bool bad;
    explicit EllipsoidConstants(const PROJDATA& w)
        : lon0(w.Lon0), lat1(w.Lat1), R(w.MajorRadius), e(Eccentricity(w.Flattening)), e2(e * e),
          M(R, e2) {
        const double s1 = std::sin(lat1);
        bad = s1 == 0.0;
        if (bad) return;
        Rm1s = R * ParallelM(lat1, e) / s1;
        c = Rm1s + M(lat1);
    }
};

struct EllipsoidForward {
    EllipsoidConstants k;
    explicit EllipsoidForward(const PROJDATA& w) : k(w) {}
    Outcome operator()(PROJPOINT& p) const {
        if (k.bad) return kUnplottable;
        const double lat = p.y, s = std::sin(lat), cl = std::cos(lat);
        const double rho = k.c - k.M(lat, s, cl);
        if (!QV_CHECK(rho != 0.0)) return kFailCall;
        // E = R m(lat) dlon / rho with m(lat) = cos lat / sqrt(1 - e^2 sin^2 lat).
        ConePoint(p, rho, k.Rm1s,
                  k.R * cl * WrapPi(p.x - k.lon0) / (std::sqrt(1.0 - k.e2 * (s * s)) * rho));
        return kConverted;
    }
};

struct EllipsoidInverse {
    EllipsoidConstants k;
    double Rc0;
    FootpointLatitude footpoint;
    explicit EllipsoidInverse(const PROJDATA& w) : k(w), Rc0(k.R * k.M.c0), footpoint(k.e2) {}
    Outcome operator()(PROJPOINT& p) const {
        if (k.bad) return kUnplottable;
        double a, rho;
        FromCone(p, k.Rm1s, k.lat1, a, rho);
        const double lat = footpoint((k.c - rho) / Rc0);
        const double s = std::sin(lat), w = 1.0 - k.e2 * (s * s);
        if (w <= 0.0) return kUnplottable;
        const double m = std::cos(lat) / std::sqrt(w);
        if (m == 0.0 || k.Rm1s - p.y == 0.0) return kUnplottable;
        p.x = WrapPi(k.lon0 + rho * a / (k.R * m));
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

} // namespace pBonne
} // namespace QVProj
