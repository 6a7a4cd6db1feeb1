// Eckert VI (type 24), on the sphere of radius MajorRadius whatever the
// flattening: Snyder's formulas (PP 1395 eqs. 32-11 to 32-13 and 32-15 to
// 32-17). The forward solves t + sin t = (1 + pi/2) sin(lat) by Newton
// (EckertIteration), which converges quadratically everywhere (the
// derivative 1 + cos t is at least 1): exact to rounding; the inverse is
// closed form. Reads bWrapLon.
#include "proj/modules/module.h"

namespace QVProj {
namespace pEckert6 {

static constexpr const char* kUnit = "pEckert6";

using namespace mod;

namespace {

constexpr double kCp = 2.5707963267948966;  // 1 + pi/2
constexpr double kRoot = 2.267508027238226; // sqrt(2 + pi)

struct SphereForward {
    LongitudeDifference dlon;
    double Rx, Ry;
    explicit SphereForward(const PROJDATA& w)
        : dlon(w), Rx(w.MajorRadius / kRoot), Ry(2.0 * w.MajorRadius / kRoot) {}
    Outcome operator()(PROJPOINT& p) const {
        const double sinLat = std::sin(p.y), k = kCp * sinLat;
        // s and c hold the sine and cosine of the latest t; the iteration
        // ends on a t whose step it computed, so c serves x too.
        const double t0 = p.y;
        double s = sinLat, c = std::cos(t0);
        const auto step = [&](double t, double d) {
            AdvanceSinCos(t, d, s, c);
            return -(t + s - k) / (1.0 + c);
        };
        if (1.0 + c == 0.0) return kUnplottable;
        EckertIteration it(t0, -(t0 + s - k) / (1.0 + c));
        while (!it.done) it.Advance(step);
        const double t = it.t;
        p.x = Rx * dlon(p.x) * (1.0 + c);
        p.y = Ry * t;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, R;
    explicit SphereInverse(const PROJDATA& w) : lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double t = p.y * kRoot / (2.0 * R);
        const double c = std::cos(t);
        if (1.0 + c == 0.0) return kUnplottable;
        p.x = lon0 + kRoot * p.x / (R * (1.0 + c));
        p.y = std::asin(ClampUnit((t + std::sin(t)) / kCp));
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

} // namespace pEckert6
} // namespace QVProj
