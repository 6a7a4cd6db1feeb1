// Lambert Conformal Conic with two standard parallels (type 5), sphere and
// ellipsoid: Snyder's formulas (PP 1395 eqs. 15-1 to 15-5 and 15-7 to
// 15-11), closed form except the ellipsoidal inverse, whose latitude
// iteration stops at 1.2e-6 rad.
#include "proj/modules/module.h"

namespace QVProj {
namespace pLambert {

static constexpr const char* kUnit = "pLambert";

using namespace mod;

namespace {

// tan(pi/4 + phi/2), the spherical counterpart of 1/t(phi).
inline double TanHalf(double phi) {
    return std::tan(kQuarterPi + phi / 2.0);
}

// Cone constants of the sphere; `bad` when the record's own guards fail
// (every point is unplottable then).
struct SphereCone {
    bool bad = false;
    bool t1Zero = false;
    double n = 0, RF = 0, rho0 = 0;
    explicit SphereCone(const PROJDATA& w) {
        double t1 = TanHalf(w.Lat1);
        if (t1 == 0.0) {
            bad = t1Zero = true;
            return;
        }
        double lnRatio = std::log(TanHalf(w.Lat2) / t1);
        n = std::log(std::cos(w.Lat1) / std::cos(w.Lat2)) / lnRatio;
        double F = std::cos(w.Lat1) * std::pow(t1, n) / n;
        RF = w.MajorRadius * F;
        double t0n = std::pow(TanHalf(w.Lat0), n);
        rho0 = RF / t0n;
        bad = lnRatio == 0.0 || n == 0.0 || t0n == 0.0;
    }
};

inline bool BadDenominator(double phi, double e) {
    return 1.0 + e * std::sin(phi) == 0.0;
}
inline bool BadRadicand(double phi, double e) {
    double s = std::sin(phi);
    return 1.0 - e * e * (s * s) <= 0.0;
}

// Cone constants of the ellipsoid; `bad` as for the sphere.
struct EllipsoidCone {
    bool bad = false;
    double e = 0, n = 0, RF = 0, rho0 = 0;
    EllipsoidCone(const PROJDATA& w, bool forward) {
        e = Eccentricity(w.Flattening);
        if (BadDenominator(w.Lat0, e) || BadDenominator(w.Lat1, e) || BadDenominator(w.Lat2, e) ||
            BadRadicand(w.Lat1, e) || BadRadicand(w.Lat2, e)) {
            bad = true;
            return;
        }
        double t1 = IsometricT(w.Lat1, e), t2 = IsometricT(w.Lat2, e), t0 = IsometricT(w.Lat0, e);
        double m1 = ParallelM(w.Lat1, e), m2 = ParallelM(w.Lat2, e);
        double lnT = std::log(t1) - std::log(t2);
        if (lnT == 0.0) {
            bad = true;
            return;
        }
        n = (std::log(m1) - std::log(m2)) / lnT;
        double t1n = std::pow(t1, n);
        if ((forward && t1 == 0.0 && n < 0.0) || t1n == 0.0) {
            bad = true;
            return;
        }
        double F = m1 / (n * t1n);
        RF = w.MajorRadius * F;
        rho0 = (t0 == 0.0 && n < 0.0) ? 0.0 : RF * std::pow(t0, n);
        if (!forward && F == 0.0) bad = true;
    }
};

struct SphereForward {
    SphereCone cone;
    double lon0;
    explicit SphereForward(const PROJDATA& w) : cone(w), lon0(w.Lon0) {}
    Outcome operator()(PROJPOINT& p) const {
        if (cone.bad) return kUnplottable;
        const double tn = std::pow(TanHalf(p.y), cone.n);
        if (tn == 0.0) return kUnplottable;
        ConePoint(p, cone.RF / tn, cone.rho0, cone.n * (p.x - lon0));
        return kConverted;
    }
};

struct EllipsoidForward {
    EllipsoidCone cone;
    double lon0;
    explicit EllipsoidForward(const PROJDATA& w) : cone(w, true), lon0(w.Lon0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double e = cone.e, lat = p.y, s = std::sin(lat);
        if (cone.bad || 1.0 + e * s == 0.0 || 1.0 - e * e * (s * s) <= 0.0) return kUnplottable;
        const double t = IsometricT(lat, e);
        const double rho = (t == 0.0 && cone.n < 0.0) ? 0.0 : cone.RF * std::pow(t, cone.n);
        ConePoint(p, rho, cone.rho0, cone.n * (p.x - lon0));
        return kConverted;
    }
};

struct SphereInverse {
    SphereCone cone;
    double lon0, invN;
    explicit SphereInverse(const PROJDATA& w) : cone(w), lon0(w.Lon0), invN(1.0 / cone.n) {}
    Outcome operator()(PROJPOINT& p) const {
        if (cone.t1Zero) return kUnplottable;
        if (!QV_CHECK(cone.n != 0.0)) return kFailCall;
        double theta, rho;
        FromCone(p, cone.rho0, cone.n, theta, rho);
        if (rho == 0.0) return kUnplottable;
        p.x = theta / cone.n + lon0;
        p.y = 2.0 * std::atan(std::pow(cone.RF / rho, invN)) - kHalfPi;
        return kConverted;
    }
};

struct EllipsoidInverse {
    EllipsoidCone cone;
    double lon0, invN;
    explicit EllipsoidInverse(const PROJDATA& w)
        : cone(w, false), lon0(w.Lon0), invN(1.0 / cone.n) {}
    Outcome operator()(PROJPOINT& p) const {
        if (cone.bad) return kUnplottable;
        double theta, rho, lat;
        FromCone(p, cone.rho0, cone.n, theta, rho);
        if (!LatitudeFromT(std::pow(rho / cone.RF, invN), cone.e, lat)) return kUnplottable;
        p.x = theta / cone.n + lon0;
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

} // namespace pLambert
} // namespace QVProj
