// Lambert Conformal Conic with two standard parallels (type 5), sphere and
// ellipsoid; the ellipsoidal inverse solves the latitude by fixed-point
// iteration.
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

// t(phi) and m(phi) of the ellipsoid.
inline double T(double phi, double e) {
    double es = e * std::sin(phi);
    return std::tan(kQuarterPi - phi / 2.0) / std::pow((1.0 - es) / (1.0 + es), e / 2.0);
}
inline double M(double phi, double e) {
    double s = std::sin(phi);
    return std::cos(phi) / std::sqrt(1.0 - e * e * (s * s));
}
inline bool BadDenominator(double phi, double e) {
    return 1.0 + e * std::sin(phi) == 0.0;
}
inline bool BadRadicand(double phi, double e) {
    double s = std::sin(phi);
    return 1.0 - e * e * (s * s) <= 0.0;
}

// Cone constants of the sphere.
struct SphereCone {
    bool bad = false; // the record's own guards fail: every point is unplottable
    double n = 0, RF = 0, rho0 = 0;
    SphereCone(const PROJDATA* w) {
        double t1 = TanHalf(w->Lat1);
        if (t1 == 0.0) {
            bad = true;
            return;
        }
        double lnRatio = std::log(TanHalf(w->Lat2) / t1);
        n = std::log(std::cos(w->Lat1) / std::cos(w->Lat2)) / lnRatio;
        double F = std::cos(w->Lat1) * std::pow(t1, n) / n;
        RF = w->MajorRadius * F;
        double t0n = std::pow(TanHalf(w->Lat0), n);
        rho0 = RF / t0n;
        bad = lnRatio == 0.0 || n == 0.0 || t0n == 0.0;
    }
};

// Cone constants of the ellipsoid.
struct EllipsoidCone {
    bool bad = false;
    double e = 0, n = 0, RF = 0, rho0 = 0;
    EllipsoidCone(const PROJDATA* w, bool forward) {
        e = Eccentricity(w->Flattening);
        if (BadDenominator(w->Lat0, e) || BadDenominator(w->Lat1, e) ||
            BadDenominator(w->Lat2, e) || BadRadicand(w->Lat1, e) || BadRadicand(w->Lat2, e)) {
            bad = true;
            return;
        }
        double t1 = T(w->Lat1, e), t2 = T(w->Lat2, e), t0 = T(w->Lat0, e);
        double m1 = M(w->Lat1, e), m2 = M(w->Lat2, e);
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
        RF = w->MajorRadius * F;
        rho0 = (t0 == 0.0 && n < 0.0) ? 0.0 : RF * std::pow(t0, n);
        if (!forward && F == 0.0) bad = true;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    const double lon0 = pWork->Lon0;

    if (pWork->Flattening == 0.0) {
        const SphereCone cone(pWork);
        for (int i = 0; i < nPts; ++i) {
            PROJPOINT& p = pPts[i];
            if (IsUnplottable(p)) continue;
            double tn = cone.bad ? 0.0 : std::pow(TanHalf(p.y), cone.n);
            if (cone.bad || tn == 0.0) {
                MarkUnplottable(pWork, p);
                continue;
            }
            double rho = cone.RF / tn;
            double theta = cone.n * (p.x - lon0);
            p.x = rho * std::sin(theta);
            p.y = cone.rho0 - rho * std::cos(theta);
        }
        return true;
    }

    const EllipsoidCone cone(pWork, true);
    const double e = cone.e, halfE = e / 2.0;
    for (int i = 0; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        // The guards and t(lat) share one sine.
        double lat = p.y, s = std::sin(lat), es = e * s;
        if (cone.bad || 1.0 + es == 0.0 || 1.0 - e * e * (s * s) <= 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double t = std::tan(kQuarterPi - lat / 2.0) / std::pow((1.0 - es) / (1.0 + es), halfE);
        double rho = (t == 0.0 && cone.n < 0.0) ? 0.0 : cone.RF * std::pow(t, cone.n);
        double theta = cone.n * (p.x - lon0);
        p.x = rho * std::sin(theta);
        p.y = cone.rho0 - rho * std::cos(theta);
    }
    return true;
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    const double lon0 = pWork->Lon0;

    if (pWork->Flattening == 0.0) {
        const bool t1Zero = TanHalf(pWork->Lat1) == 0.0;
        const SphereCone cone(pWork);
        const double invN = 1.0 / cone.n;
        for (int i = 0; i < nPts; ++i) {
            PROJPOINT& p = pPts[i];
            if (IsUnplottable(p)) continue;
            if (t1Zero) {
                MarkUnplottable(pWork, p);
                continue;
            }
            if (!QV_CHECK(cone.n != 0.0)) return false;
            double x = p.x, dy = cone.rho0 - p.y;
            double theta = cone.n >= 0.0 ? std::atan2(x, dy) : std::atan2(-x, -dy);
            double rho = std::sqrt(x * x + dy * dy);
            if (cone.n < 0.0) rho = -rho;
            if (rho == 0.0) {
                MarkUnplottable(pWork, p);
                continue;
            }
            p.x = theta / cone.n + lon0;
            p.y = 2.0 * std::atan(std::pow(cone.RF / rho, invN)) - kHalfPi;
        }
        return true;
    }

    const EllipsoidCone cone(pWork, false);
    const double e = cone.e, halfE = e / 2.0, invN = 1.0 / cone.n;
    for (int i = 0; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        if (cone.bad) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double x = p.x, dy = cone.rho0 - p.y;
        double theta = cone.n >= 0.0 ? std::atan2(x, dy) : std::atan2(-x, -dy);
        double rho = std::sqrt(x * x + dy * dy);
        if (cone.n < 0.0) rho = -rho;
        double t = std::pow(rho / cone.RF, invN);
        double lat = kHalfPi - 2.0 * std::atan(t);
        bool unplottable = false;
        for (int k = 1;; ++k) {
            double es = e * std::sin(lat);
            if (1.0 + es == 0.0) {
                unplottable = true;
                break;
            }
            double next = kHalfPi - 2.0 * std::atan(t * std::pow((1.0 - es) / (1.0 + es), halfE));
            if (std::fabs(next - lat) <= kEps10 || k == kMaxIterations) break;
            lat = next;
        }
        if (unplottable) {
            MarkUnplottable(pWork, p);
            continue;
        }
        p.x = theta / cone.n + lon0;
        p.y = lat;
    }
    return true;
}

bool LLInProjection(const PROJDATA* pData, const PROJPOINT* pPt) {
    return InBand(pData, pPt, 180.0);
}

bool LLOffsetSplitObject(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                         double* pLonShift, double* pLatShift) {
    return SplitAntimeridian(pData, pPts, nPts, pLonShift, pLatShift);
}

} // namespace pLambert
} // namespace QVProj
