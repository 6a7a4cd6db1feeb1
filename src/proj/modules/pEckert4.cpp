// Eckert IV (type 23), on the sphere of radius MajorRadius whatever the
// flattening: Snyder's formulas (PP 1395 eqs. 32-1 to 32-3 and 32-5 to
// 32-7) with his rounded constants 0.4222382 and 1.3265004 (2/sqrt(pi(4 +
// pi)) and 2 sqrt(pi/(4 + pi)) to 7 decimals: 7.5e-11 and 2.1e-9 relative
// off the exact values). The forward solves t + sin t cos t + 2 sin t =
// (2 + pi/2) sin(lat) by Newton (EckertIteration): quadratic away from the
// poles, linear at them, where t stops within about 2.4e-6 rad; the inverse
// is closed form. Reads bWrapLon.
#include "proj/modules/module.h"

namespace QVProj {
namespace pEckert4 {

static constexpr const char* kUnit = "pEckert4";

using namespace mod;

namespace {

constexpr double kCx = 0.4222382;
constexpr double kCy = 1.3265004;
constexpr double kCp = 3.5707963267948966; // 2 + pi/2

struct SphereForward {
    LongitudeDifference dlon;
    double RCx, RCy;
    explicit SphereForward(const PROJDATA& w)
        : dlon(w), RCx(kCx * w.MajorRadius), RCy(kCy * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, sinLat = std::sin(lat);
        const double k = kCp * sinLat;
        // s and c hold the sine and cosine of the latest t; the iteration
        // ends on a t whose step it computed, so they serve x and y too.
        double s, c;
        const auto f = [&](double t) { return -(t + s * c + 2.0 * s - k) / (2.0 * c * (1.0 + c)); };
        const auto step = [&](double t, double d) {
            AdvanceSinCos(t, d, s, c);
            return f(t);
        };
        // The start t = lat/2 takes its cosine and sine from the half-angle
        // formulas (within an ulp or two of the library's).
        const double t0 = lat / 2.0;
        if (std::fabs(lat) <= kHalfPi) {
            c = std::sqrt((1.0 + std::cos(lat)) / 2.0);
            s = sinLat / (2.0 * c);
        } else {
            s = std::sin(t0);
            c = std::cos(t0);
        }
        // The denominator is tested at the start only.
        if (2.0 * c * (1.0 + c) == 0.0) return kUnplottable;
        EckertIteration(t0, f(t0), step);
        p.x = RCx * dlon(p.x) * (1.0 + c);
        p.y = RCy * s;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, RCx, RCy;
    explicit SphereInverse(const PROJDATA& w)
        : lon0(w.Lon0), RCx(kCx * w.MajorRadius), RCy(kCy * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double t = std::asin(ClampUnit(p.y / RCy));
        const double s = std::sin(t), c = std::cos(t);
        const double den = (1.0 + c) * RCx;
        if (den == 0.0) return kUnplottable;
        p.x = lon0 + p.x / den;
        p.y = std::asin(ClampUnit((t + s * c + 2.0 * s) / kCp));
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

} // namespace pEckert4
} // namespace QVProj
