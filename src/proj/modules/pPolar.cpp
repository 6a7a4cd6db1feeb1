// Stereographic (type 6), sphere and ellipsoid, with the scale factor K0 at
// the centre (Lat0, Lon0): Snyder's formulas (PP 1395, chapter 21), closed
// form. Exact on the sphere; on the ellipsoid the forward goes through the
// conformal latitude (exact) and the inverse comes back by its series in e^2
// to e^8 (within 1.2e-10 degrees). Lat0 and Lon0 are copied into the work
// record's Lat1 and Lon1 first. The aspect is polar or equatorial when Lat0
// is within 1.19e-7 rad of pi/2, -pi/2 or 0 (boundary included).
#include "proj/modules/module.h"

namespace QVProj {
namespace pPolar {

static constexpr const char* kUnit = "pPolar";

using namespace mod;

namespace {

inline Aspect PolarAspect(double phi1) {
    return AspectOf(phi1, kHalfPi, kEps);
}

// sin 2theta and cos 2theta of theta = atan2(y, x): 2xy/(x^2 + y^2) and
// (x^2 - y^2)/(x^2 + y^2), the pair scaled down first when it is huge.
inline void SinCosTwiceAtan2(double y, double x, double& sin2, double& cos2) {
    const double m = std::fmax(std::fabs(x), std::fabs(y));
    if (m > 1e150) {
        x /= m;
        y /= m;
    }
    const double r2 = x * x + y * y;
    sin2 = 2.0 * x * y / r2;
    cos2 = (x * x - y * y) / r2;
}

struct SphereForward {
    AzimuthalCentre centre;
    double lon0, twoRK0;
    explicit SphereForward(const PROJDATA& w)
        : centre(w.Lat1), lon0(w.Lon1), twoRK0(2.0 * w.MajorRadius * w.K0) {}
    Outcome operator()(PROJPOINT& p) const {
        const AzimuthalPoint a(centre, p, lon0);
        // The hemisphere about the centre, its rim (cos c = 0) included.
        if (a.cosC < 0.0 || 1.0 + a.cosC == 0.0) return kUnplottable;
        const double Rk = twoRK0 / (1.0 + a.cosC);
        p.x = Rk * a.cosLat * a.sinDlon;
        p.y = Rk * a.ObliqueY(centre);
        return kConverted;
    }
};

struct SphereInverse {
    AzimuthalInverse skeleton;
    Aspect aspect;
    double phi1, lon0, twoRK0;
    explicit SphereInverse(const PROJDATA& w)
        : skeleton(w.Lat1), aspect(PolarAspect(w.Lat1)), phi1(w.Lat1), lon0(w.Lon1),
          twoRK0(2.0 * w.MajorRadius * w.K0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y, rho = std::sqrt(x * x + y * y);
        if (rho <= kEps) {
            p.x = lon0;
            p.y = phi1;
            return kConverted;
        }
        // c = 2 atan(rho/(2 R K0)).
        double sinC, cosC;
        SinCosTwiceAtan2(rho, twoRK0, sinC, cosC);
        double dlon, lat;
        if (!skeleton.Solve(aspect, true, x, y, rho, sinC, cosC, dlon, lat)) return kUnplottable;
        p.x = WrapPi(lon0 + dlon);
        p.y = lat;
        return kConverted;
    }
};

// The ellipsoid: e, the conformal latitude of the centre and the constants
// of each aspect.
struct Ellipsoid {
    double e, e2;
    EccentricityFactor factor;
    Aspect aspect;
    double phi1, lon0, twoRK0;
    // 2 R K0 m1, m1 = cos phi1 / sqrt(1 - e^2 sin^2 phi1) (the forward's m1
    // = 0 within 1.19e-7 rad of the equator is never used).
    double sinChi1, cosChi1, twoRK0m1;
    double sqrtQ;      // sqrt((1 + e)^(1 + e) (1 - e)^(1 - e)) of the polar aspects
    double polarScale; // 2 R K0 / sqrtQ
    bool badCentre;
    explicit Ellipsoid(const PROJDATA& w)
        : e(Eccentricity(w.Flattening)), e2(e * e), factor(e), aspect(PolarAspect(w.Lat1)),
          phi1(w.Lat1), lon0(w.Lon1), twoRK0(2.0 * w.MajorRadius * w.K0) {
        const double s = std::sin(phi1), w1 = 1.0 - e2 * (s * s);
        badCentre = w1 <= 0.0;
        twoRK0m1 = twoRK0 * std::cos(phi1) / std::sqrt(w1);
        // At a pole w is infinite: chi1 = +-pi/2 (the polar aspects do not
        // use it).
        const double w1c = ConformalW(s);
        if (std::isinf(w1c)) {
            sinChi1 = 1.0;
            cosChi1 = 0.0;
        } else {
            SinCosConformal(w1c, sinChi1, cosChi1);
        }
        sqrtQ = std::sqrt(std::pow(1.0 + e, 1.0 + e) * std::pow(1.0 - e, 1.0 - e));
        polarScale = twoRK0 / sqrtQ;
    }
    // The factor w of the conformal latitude chi = 2 atan(w) - pi/2:
    // w = ((1 + sin phi)/(1 - sin phi))^0.5 ((1 - e sin phi)/(1 + e sin phi))^(e/2).
    double ConformalW(double sinPhi) const {
        return std::sqrt((1.0 + sinPhi) / (1.0 - sinPhi)) * factor(sinPhi);
    }
    // sin chi and cos chi of chi = 2 atan(w) - pi/2: (w^2 - 1)/(w^2 + 1) and
    // 2w/(w^2 + 1).
    static void SinCosConformal(double w, double& sinChi, double& cosChi) {
        const double w2 = w * w;
        sinChi = (w2 - 1.0) / (w2 + 1.0);
        cosChi = 2.0 * w / (w2 + 1.0);
    }
};

// The polar aspects.
struct EllipsoidPolarForward {
    Ellipsoid el;
    AzimuthalCentre centre;
    bool north;
    explicit EllipsoidPolarForward(const PROJDATA& w)
        : el(w), centre(w.Lat1), north(el.aspect == kNorthPolar) {}
    Outcome operator()(PROJPOINT& p) const {
        const AzimuthalPoint a(centre, p, el.lon0);
        const double sinLat = a.sinLat;
        // The hemisphere about the centre.
        if (a.cosC < 0.0) return kUnplottable;
        // sqrt(1 - e^2 sin^2 lat) = 0, 1 + e sin lat = 0, Q = 0.
        if (1.0 - el.e2 * (sinLat * sinLat) == 0.0 || 1.0 + el.e * sinLat == 0.0 || el.sqrtQ == 0.0)
            return kUnplottable;
        // rho = 2 R K0 t / sqrt(Q), t = tan(pi/4 - phi/2) / ((1 - e sin phi)/(1
        // + e sin phi))^(e/2) of phi = lat (north) or -lat (south), taken as
        // cos phi / (1 + sin phi) times the inverse of the factor.
        const double sinPhi = north ? sinLat : -sinLat;
        const double t = a.cosLat * el.factor.Power(sinPhi, -1.0) / (1.0 + sinPhi);
        const double rho = el.polarScale * t;
        p.x = rho * a.sinDlon;
        p.y = north ? -rho * a.cosDlon : rho * a.cosDlon;
        return kConverted;
    }
};

// The oblique and equatorial aspects, through the conformal latitude.
struct EllipsoidObliqueForward {
    Ellipsoid el;
    AzimuthalCentre centre;
    bool badOblique;
    explicit EllipsoidObliqueForward(const PROJDATA& w)
        : el(w), centre(w.Lat1), badOblique(1.0 + el.e * std::sin(el.phi1) == 0.0) {}
    Outcome operator()(PROJPOINT& p) const {
        const AzimuthalPoint a(centre, p, el.lon0);
        const double sinLat = a.sinLat, sinDlon = a.sinDlon, cosDlon = a.cosDlon;
        // The hemisphere about the centre, tested on the geodetic latitudes.
        if (a.cosC < 0.0) return kUnplottable;
        // sqrt(1 - e^2 sin^2 lat) = 0, 1 - sin lat = 0, 1 + e sin lat = 0.
        if (1.0 - el.e2 * (sinLat * sinLat) == 0.0 || 1.0 - sinLat == 0.0 ||
            1.0 + el.e * sinLat == 0.0)
            return kUnplottable;
        double sinChi, cosChi;
        Ellipsoid::SinCosConformal(el.ConformalW(sinLat), sinChi, cosChi);
        if (el.aspect == kEquatorial) {
            const double d = 1.0 + cosChi * cosDlon;
            if (d == 0.0) return kUnplottable;
            const double A = el.twoRK0 / d;
            p.x = A * cosChi * sinDlon;
            p.y = A * sinChi;
            return kConverted;
        }
        if (badOblique) return kUnplottable;
        const double D = el.cosChi1 * (1.0 + el.sinChi1 * sinChi + el.cosChi1 * cosChi * cosDlon);
        if (D == 0.0) return kUnplottable;
        const double A = el.twoRK0m1 / D;
        p.x = A * cosChi * sinDlon;
        p.y = A * (el.cosChi1 * sinChi - el.sinChi1 * cosChi * cosDlon);
        return kConverted;
    }
};

struct EllipsoidInverse {
    Ellipsoid el;
    GeodeticFromConformal latitude;
    explicit EllipsoidInverse(const PROJDATA& w) : el(w), latitude(el.e2) {}
    Outcome operator()(PROJPOINT& p) const {
        if (el.badCentre) return kUnplottable;
        const double x = p.x, y = p.y, rho = std::sqrt(x * x + y * y);
        if (rho <= kEps) {
            p.x = el.lon0;
            p.y = el.phi1;
            return kConverted;
        }
        double chi, dlon;
        switch (el.aspect) {
        case kNorthPolar:
        case kSouthPolar: {
            const double t = rho * el.sqrtQ / el.twoRK0;
            chi = kHalfPi - 2.0 * std::atan(t);
            if (el.aspect == kNorthPolar) {
                dlon = AzimuthalInverse::NorthPolar(x, y);
            } else {
                chi = -chi;
                dlon = AzimuthalInverse::SouthPolar(x, y);
            }
            break;
        }
        default: {
            // ce = 2 atan2(rho cos chi1, 2 R K0 m1).
            double sinCe, cosCe;
            SinCosTwiceAtan2(rho * el.cosChi1, el.twoRK0m1, sinCe, cosCe);
            // Not clamped: a sine beyond 1 by rounding gives NaN, which the
            // engine marks.
            chi = std::asin(cosCe * el.sinChi1 + y * sinCe * el.cosChi1 / rho);
            dlon = std::atan2(x * sinCe, rho * el.cosChi1 * cosCe - y * el.sinChi1 * sinCe);
        }
        }
        p.x = WrapPi(el.lon0 + dlon);
        p.y = latitude(chi);
        return kConverted;
    }
};

// Lat0 and Lon0 are the centre: copied into the work record's Lat1 and
// Lon1, which the kernels read.
inline void CopyCentre(PROJDATA* pWork) {
    pWork->Lat1 = pWork->Lat0;
    pWork->Lon1 = pWork->Lon0;
}

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    if (pWork != nullptr) CopyCentre(pWork);
    if (!ArgumentsOk(kUnit, pWork, pPts, nPts)) return false;
    if (pWork->Flattening == 0.0) return RunKernel(pWork, pPts, nPts, SphereForward(*pWork));
    const Aspect aspect = PolarAspect(pWork->Lat1);
    if (aspect == kNorthPolar || aspect == kSouthPolar)
        return RunKernel(pWork, pPts, nPts, EllipsoidPolarForward(*pWork));
    return RunKernel(pWork, pPts, nPts, EllipsoidObliqueForward(*pWork));
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    if (pWork != nullptr) CopyCentre(pWork);
    return Convert<SphereInverse, EllipsoidInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pPolar
} // namespace QVProj
