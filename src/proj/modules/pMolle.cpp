// Mollweide (type 8), on the sphere of radius MajorRadius whatever the
// flattening: Snyder's formulas (PP 1395 eqs. 31-1 to 31-3 and 31-5 to
// 31-7). The forward solves t + sin t = pi sin(lat) (t = 2 theta) by Newton
// to a step of 1.2e-7 rad: quadratic, so exact to rounding, away from the
// poles; at a pole the root t = pi is triple, the last steps rest on
// rounding and stop within about 2e-5 rad of it (x within 120 m of 0 at 90
// degrees from Lon0 on the Earth). The inverse is closed form. Reads
// bWrapLon.
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
        double t = phi, d = 999.0, s = std::sin(phi), c = std::cos(phi);
        const double k = kPi * s;
        for (int n = 0; std::fabs(d) > kEps && n < kMaxIterations; ++n) {
            if (n > 0) AdvanceSinCos(t, d, s, c);
            const double den = 1.0 + c;
            if (den == 0.0) return kUnplottable;
            d = -(t + s - k) / den;
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
