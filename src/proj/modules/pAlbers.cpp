// Albers Equal Area Conic (type 2), sphere and ellipsoid: Snyder's formulas
// (PP 1395, chapter 14), closed form except the ellipsoidal inverse, whose
// latitude iteration on q stops at a step of 1.2e-6 rad and returns the
// estimate before that step (good to about 1.2e-6 rad). n = 0 fails the
// whole call in both directions and forms.
#include "proj/modules/module.h"

namespace QVProj {
namespace pAlbers {

static constexpr const char* kUnit = "pAlbers";

using namespace mod;

namespace {

// The cone of the sphere: n = (sin Lat1 + sin Lat2)/2, C = cos^2 Lat1 + 2 n
// sin Lat1, rho0 = R sqrt(C - 2n sin Lat0)/n.
struct SphereCone {
    double lon0, R, n, Ca, twoN, Rn, rho0;
    explicit SphereCone(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius), n((std::sin(w.Lat1) + std::sin(w.Lat2)) / 2.0) {
        const double c1 = std::cos(w.Lat1);
        Ca = c1 * c1 + 2.0 * n * std::sin(w.Lat1);
        twoN = 2.0 * n;
        Rn = R / n;
        rho0 = Rn * std::sqrt(Ca - twoN * std::sin(w.Lat0));
    }
};

// 1 + e sin phi = 0 or 1 - e^2 sin^2 phi = 0: the guard of every latitude
// the ellipsoidal formulas take, from sin phi.
inline bool BadSine(double s, double e) {
    return 1.0 + e * s == 0.0 || 1.0 - e * e * (s * s) == 0.0;
}
inline bool BadLatitude(double phi, double e) {
    return BadSine(std::sin(phi), e);
}

// The cone of the ellipsoid: n = (m1^2 - m2^2)/(q2 - q1), C = m1^2 + n q1,
// rho0 = R sqrt(C - n q0)/n; `bad` when a guard of Lat0, Lat1, Lat2 fails or
// q2 = q1 (every point is unplottable then).
struct EllipsoidCone {
    double lon0, R, e, n = 0, Ca = 0, Rn = 0, rho0 = 0;
    bool bad;
    explicit EllipsoidCone(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius), e(Eccentricity(w.Flattening)) {
        bad = BadLatitude(w.Lat0, e) || BadLatitude(w.Lat1, e) || BadLatitude(w.Lat2, e);
        if (bad) return;
        const double q1 = AuthalicQ(w.Lat1, e), q2 = AuthalicQ(w.Lat2, e);
        const double m1 = ParallelM(w.Lat1, e), m2 = ParallelM(w.Lat2, e);
        bad = q2 - q1 == 0.0;
        if (bad) return;
        n = (m1 * m1 - m2 * m2) / (q2 - q1);
        Ca = m1 * m1 + n * q1;
        Rn = R / n;
        rho0 = Rn * std::sqrt(Ca - n * AuthalicQ(w.Lat0, e));
    }
};

struct SphereForward {
    SphereCone c;
    explicit SphereForward(const PROJDATA& w) : c(w) {}
    Outcome operator()(PROJPOINT& p) const {
        if (!QV_CHECK(c.n != 0.0)) return kFailCall;
        ConePoint(p, c.Rn * std::sqrt(c.Ca - c.twoN * std::sin(p.y)), c.rho0, c.n * (p.x - c.lon0));
        return kConverted;
    }
};

struct EllipsoidForward {
    EllipsoidCone c;
    explicit EllipsoidForward(const PROJDATA& w) : c(w) {}
    Outcome operator()(PROJPOINT& p) const {
        const double s = std::sin(p.y);
        if (c.bad || BadSine(s, c.e)) return kUnplottable;
        if (!QV_CHECK(c.n != 0.0)) return kFailCall;
        ConePoint(p, c.Rn * std::sqrt(c.Ca - c.n * AuthalicQOfSin(s, c.e)), c.rho0,
                  c.n * (p.x - c.lon0));
        return kConverted;
    }
};

// theta and rho^2 of a plane point (only the square of rho enters, so its
// sign does not matter); false when rho0 - y = 0, which is unplottable even
// off the central meridian.
inline bool ThetaAndRho2(const PROJPOINT& p, double rho0, double n, double& theta, double& rho2) {
    const double x = p.x, dy = rho0 - p.y;
    if (dy == 0.0) return false;
    theta = ConeTheta(x, dy, n);
    rho2 = x * x + dy * dy;
    return true;
}

struct SphereInverse {
    SphereCone c;
    double n2R2;
    explicit SphereInverse(const PROJDATA& w) : c(w), n2R2(c.n * c.n / (c.R * c.R)) {}
    Outcome operator()(PROJPOINT& p) const {
        if (!QV_CHECK(c.n != 0.0)) return kFailCall;
        double theta, rho2;
        if (!ThetaAndRho2(p, c.rho0, c.n, theta, rho2)) return kUnplottable;
        const double s = (c.Ca - rho2 * n2R2) / c.twoN;
        p.x = theta / c.n + c.lon0;
        p.y = std::asin(Clamp1(s));
        return kConverted;
    }
};

struct EllipsoidInverse {
    EllipsoidCone c;
    double n2R2;
    explicit EllipsoidInverse(const PROJDATA& w) : c(w), n2R2(c.n * c.n / (c.R * c.R)) {}
    Outcome operator()(PROJPOINT& p) const {
        if (c.bad) return kUnplottable;
        if (!QV_CHECK(c.n != 0.0)) return kFailCall;
        double theta, rho2;
        if (!ThetaAndRho2(p, c.rho0, c.n, theta, rho2)) return kUnplottable;
        const double q = (c.Ca - rho2 * n2R2) / c.n;
        p.x = theta / c.n + c.lon0;
        p.y = LatitudeFromQ(q, c.e);
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

} // namespace pAlbers
} // namespace QVProj
