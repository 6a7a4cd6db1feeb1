// Oblique Mercator (type 25), sphere only (Flattening is not read), with the
// central line through the points (Lat1, Lon1) and (Lat2, Lon2) and the
// scale K0 on it: Snyder's two-point formulas (PP 1395, chapter 9), closed
// form, exact on the sphere. Lon0 is not read here (only by the domain
// test).
#include "proj/modules/module.h"

namespace QVProj {
namespace pOMerc {

static constexpr const char* kUnit = "pOMerc";

using namespace mod;

namespace {

// The pole of the oblique aspect (phi_p, lam_p) and its central meridian
// lam0 = lam_p + pi/2; `bad` when tan(Lat1) = 0 (every point is unplottable).
struct ObliquePole {
    bool bad;
    double sinPhiP = 0, cosPhiP = 0, lam0 = 0, RK0;
    explicit ObliquePole(const PROJDATA& w) : RK0(w.MajorRadius * w.K0) {
        const double phi1 = w.Lat1, lam1 = w.Lon1, phi2 = w.Lat2, lam2 = w.Lon2;
        const double sinPhi1 = std::sin(phi1), cosPhi1 = std::cos(phi1);
        const double sinPhi2 = std::sin(phi2), cosPhi2 = std::cos(phi2);
        const double lamP =
            std::atan2(cosPhi1 * sinPhi2 * std::cos(lam1) - sinPhi1 * cosPhi2 * std::cos(lam2),
                       sinPhi1 * cosPhi2 * std::sin(lam2) - cosPhi1 * sinPhi2 * std::sin(lam1));
        const double tanPhi1 = std::tan(phi1);
        bad = tanPhi1 == 0.0;
        if (bad) return;
        const double phiP = std::atan(-std::cos(lamP - lam1) / tanPhi1);
        sinPhiP = std::sin(phiP);
        cosPhiP = std::cos(phiP);
        lam0 = lamP + kHalfPi;
    }
};

struct SphereForward {
    ObliquePole pole;
    double halfRK0;
    explicit SphereForward(const PROJDATA& w) : pole(w), halfRK0(pole.RK0 / 2.0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y;
        // Either pole.
        if (pole.bad || std::fabs(std::fabs(lat) - kHalfPi) < kEps) return kUnplottable;
        const double dlon = p.x - pole.lam0;
        const double sinLat = std::sin(lat), cosLat = std::cos(lat);
        const double sinDlon = std::sin(dlon), cosDlon = std::cos(dlon);
        const double A = pole.sinPhiP * sinLat - pole.cosPhiP * cosLat * sinDlon;
        // 90 degrees from the central line (|A| = 1).
        if (cosDlon == 0.0 || std::fabs(std::fabs(A) - 1.0) < kEps10) return kUnplottable;
        p.x = pole.RK0 * std::atan2(std::tan(lat) * pole.cosPhiP + pole.sinPhiP * sinDlon, cosDlon);
        p.y = halfRK0 * std::log((1.0 + A) / (1.0 - A));
        return kConverted;
    }
};

struct SphereInverse {
    ObliquePole pole;
    explicit SphereInverse(const PROJDATA& w) : pole(w) {}
    Outcome operator()(PROJPOINT& p) const {
        if (pole.bad) return kUnplottable;
        const double x = p.x / pole.RK0, y = p.y / pole.RK0;
        const double sinX = std::sin(x), cosX = std::cos(x);
        if (cosX == 0.0) return kUnplottable;
        // Not clamped: a sine beyond 1 by rounding gives NaN, which the
        // engine marks.
        p.y = std::asin(pole.sinPhiP * std::tanh(y) + pole.cosPhiP * sinX / std::cosh(y));
        double lon =
            pole.lam0 + std::atan2(pole.sinPhiP * sinX - pole.cosPhiP * std::sinh(y), cosX);
        // Into (-pi, pi]: -pi itself becomes pi.
        if (lon <= -kPi)
            lon += kTwoPi;
        else if (lon > kPi)
            lon -= kTwoPi;
        p.x = lon;
        return kConverted;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pOMerc
} // namespace QVProj
