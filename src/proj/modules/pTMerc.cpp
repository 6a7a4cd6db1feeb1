// Transverse Mercator: the units pTMerc (Transverse Mercator, type 17, and
// Gauss-Kruger / Gauss Conformal, type 18) and pUTM (type 4) share these
// kernels and differ only in two guards, chosen by kUTM; each reports in its
// own name. Snyder's formulas (PP 1395 eqs. 8-1 to 8-6 on the sphere; the
// series 8-9 to 8-15 in A forward and 8-17 to 8-25 in D through the
// footpoint latitude inverse): against an exact Transverse Mercator the
// series is good to about 1 mm within 3 degrees of the central meridian,
// about 2 cm at 6 degrees.
#include "proj/modules/module.h"

namespace QVProj {
namespace mod {
namespace {

struct SphereForward {
    double lat0, lon0, RK0, halfRK0;
    explicit SphereForward(const PROJDATA& w)
        : lat0(w.Lat0), lon0(w.Lon0), RK0(w.MajorRadius * w.K0),
          halfRK0(0.5 * w.MajorRadius * w.K0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, dlon = p.x - lon0;
        const double B = std::cos(lat) * std::sin(dlon);
        if (B == 1.0) return kUnplottable;
        double y;
        if (std::fabs(lat) == kHalfPi || std::fabs(dlon) == kHalfPi) {
            y = RK0 * ((lat >= 0.0 ? kHalfPi : -kHalfPi) - lat0);
        } else {
            const double cd = std::cos(dlon);
            if (cd == 0.0) return kUnplottable;
            y = RK0 * (std::atan(std::tan(lat) / cd) - lat0);
        }
        p.x = halfRK0 * std::log((1.0 + B) / (1.0 - B));
        p.y = y;
        return kConverted;
    }
};

// What the ellipsoidal forward and inverse share.
struct TMercEllipsoid {
    double R, k0, lon0, e2, ep2;
    MeridianDistance M;
    double M0;
    explicit TMercEllipsoid(const PROJDATA& w) : TMercEllipsoid(w, Eccentricity(w.Flattening)) {}
    TMercEllipsoid(const PROJDATA& w, double e)
        : R(w.MajorRadius), k0(w.K0), lon0(w.Lon0), e2(e * e), ep2(e2 / (1.0 - e2)), M(R, e2),
          M0(M(w.Lat0)) {}
};

template <bool kUTM> struct EllipsoidForward {
    TMercEllipsoid c;
    double c58, c330;
    explicit EllipsoidForward(const PROJDATA& w) : c(w), c58(58.0 * c.ep2), c330(330.0 * c.ep2) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, dlon = p.x - c.lon0, k0 = c.k0;
        const double m = c.M(lat);
        if (std::fabs(lat) == kHalfPi) {
            p.x = 0.0;
            p.y = (m - c.M0) * k0;
            return kConverted;
        }
        const double s = std::sin(lat), cl = std::cos(lat), tn = std::tan(lat);
        const double w = 1.0 - c.e2 * (s * s);
        if (kUTM && w < 0.0) return kUnplottable;
        const double N = c.R / std::sqrt(w);
        const double T = tn * tn, G = c.ep2 * (cl * cl), A = cl * dlon;
        const double A2 = A * A, A3 = A2 * A, A4 = A2 * A2, A5 = A4 * A, A6 = A4 * A2;
        p.x =
            k0 * N *
            (A + (1.0 - T + G) * A3 / 6.0 + (5.0 - 18.0 * T + T * T + 72.0 * G - c58) * A5 / 120.0);
        p.y = k0 * (m - c.M0 +
                    N * tn *
                        (A2 / 2.0 + (5.0 - T + 9.0 * G + 4.0 * G * G) * A4 / 24.0 +
                         (61.0 - 58.0 * T + T * T + 600.0 * G - c330) * A6 / 720.0));
        return kConverted;
    }
};

struct SphereInverse {
    double lat0, lon0, RK0;
    explicit SphereInverse(const PROJDATA& w)
        : lat0(w.Lat0), lon0(w.Lon0), RK0(w.MajorRadius * w.K0) {}
    Outcome operator()(PROJPOINT& p) const {
        if (RK0 == 0.0) return kUnplottable;
        const double xr = p.x / RK0, D = p.y / RK0 + lat0;
        double s = std::sin(D) / std::cosh(xr);
        if (s > 1.0) s = 1.0;
        if (s < -1.0) s = -1.0;
        const double cD = std::cos(D);
        if (cD == 0.0) return kUnplottable;
        p.y = std::asin(s);
        p.x = std::atan(std::sinh(xr) / cD) + lon0;
        return kConverted;
    }
};

template <bool kUTM> struct EllipsoidInverse {
    TMercEllipsoid c;
    double Rc0, R1num, c8, c9, c252;
    FootpointLatitude footpoint;
    bool bad;
    explicit EllipsoidInverse(const PROJDATA& w)
        : c(w), Rc0(c.R * c.M.c0), R1num(c.R * (1.0 - c.e2)), c8(8.0 * c.ep2), c9(9.0 * c.ep2),
          c252(252.0 * c.ep2), footpoint(c.e2),
          bad(kUTM ? (1.0 + std::sqrt(1.0 - c.e2) == 0.0) : (c.k0 == 0.0)) {}
    Outcome operator()(PROJPOINT& p) const {
        if (bad) return kUnplottable;
        const double k0 = c.k0, ep2 = c.ep2;
        const double phi1 = footpoint((p.y / k0 + c.M0) / Rc0);
        const double s = std::sin(phi1), cp = std::cos(phi1), tn = std::tan(phi1);
        const double C1 = ep2 * (cp * cp), T1 = tn * tn;
        const double w = 1.0 - c.e2 * (s * s);
        if (w < 0.0) return kUnplottable;
        const double sw = std::sqrt(w);
        if (sw == 0.0) return kUnplottable;
        const double N1 = c.R / sw, R1 = R1num / std::pow(w, 1.5), N1k0 = N1 * k0;
        if (N1k0 == 0.0 || R1 == 0.0) return kUnplottable;
        const double D = p.x / N1k0;
        const double D2 = D * D, D3 = D2 * D, D4 = D2 * D2, D5 = D4 * D, D6 = D4 * D2;
        p.x = c.lon0 +
              (D - (1.0 + 2.0 * T1 + C1) * D3 / 6.0 +
               (5.0 - 2.0 * C1 + 28.0 * T1 - 3.0 * C1 * C1 + c8 + 24.0 * T1 * T1) * D5 / 120.0) /
                  cp;
        p.y = phi1 - (N1 * tn / R1) *
                         (D2 / 2.0 - (5.0 + 3.0 * T1 + 10.0 * C1 - 4.0 * C1 * C1 - c9) * D4 / 24.0 +
                          (61.0 + 90.0 * T1 + 298.0 * C1 + 45.0 * T1 * T1 - c252 - 3.0 * C1 * C1) *
                              D6 / 720.0);
        return kConverted;
    }
};

} // namespace
} // namespace mod

namespace pTMerc {

static constexpr const char* kUnit = "pTMerc";

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return mod::Convert<mod::SphereForward, mod::EllipsoidForward<false>>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return mod::Convert<mod::SphereInverse, mod::EllipsoidInverse<false>>(kUnit, pWork, pPts, nPts);
}

} // namespace pTMerc

namespace pUTM {

static constexpr const char* kUnit = "pUTM";

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return mod::Convert<mod::SphereForward, mod::EllipsoidForward<true>>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return mod::Convert<mod::SphereInverse, mod::EllipsoidInverse<true>>(kUnit, pWork, pPts, nPts);
}

} // namespace pUTM
} // namespace QVProj
