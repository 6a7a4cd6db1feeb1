// Mollweide (type 8), on the sphere of radius MajorRadius whatever the
// flattening: Snyder's formulas (PP 1395 eqs. 31-1 to 31-3 and 31-5 to
// 31-7). The forward solves t + sin t = pi sin(lat) (t = 2 theta) by Newton
// to a step of 1.2e-7 rad, which converges quadratically away from the
// poles (the result is exact to rounding there) and linearly towards them,
// where the error in t stays below about 4e-7 rad; the inverse is closed
// form. Reads bWrapLon.
#include "proj/modules/module.h"

namespace QVProj {
namespace pMolle {

static constexpr const char* kUnit = "pMolle";

using namespace mod;

namespace {

constexpr double kSqrt2 = 1.4142135623730951; // sqrt(2)
constexpr double kSqrt8 = 2.8284271247461903; // sqrt(8)

struct SphereForward {
    LongitudeDifference dlon;
    double Rx, Ry;
    explicit SphereForward(const PROJDATA& w)
        : dlon(w), Rx(kSqrt8 / kPi * w.MajorRadius), Ry(kSqrt2 * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        // The equator itself is moved 1e-7 rad north (also a latitude just
        // south of it: 1e-7 is added whatever the sign).
        const double phi = std::fabs(p.y) < 1e-07 ? p.y + 1e-07 : p.y;
        const double k = kPi * std::sin(phi);
        double t = phi, d = 999.0;
        for (int n = 0; std::fabs(d) > kEps && n < kMaxIterations; ++n) {
            const double den = 1.0 + std::cos(t);
            if (den == 0.0) return kUnplottable;
            d = -(t + std::sin(t) - k) / den;
            t += d;
        }
        p.x = Rx * dlon(p.x) * std::cos(t / 2.0);
        p.y = Ry * std::sin(t / 2.0);
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, sqrt2R, sqrt8R;
    explicit SphereInverse(const PROJDATA& w)
        : lon0(w.Lon0), sqrt2R(kSqrt2 * w.MajorRadius), sqrt8R(kSqrt8 * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double a = std::asin(ClampUnit(p.y / sqrt2R));
        const double cosA = std::cos(a);
        if (cosA == 0.0) return kUnplottable;
        p.x = lon0 + kPi * p.x / (sqrt8R * cosA);
        p.y = std::asin(ClampUnit((2.0 * a + std::sin(2.0 * a)) / kPi));
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

} // namespace pMolle
} // namespace QVProj
