// Miller Cylindrical (type 3), on the sphere of radius MajorRadius whatever
// the flattening: Snyder's formulas (PP 1395 eqs. 11-1, 11-2 and 11-6),
// closed form both ways, exact to rounding. No point is unplottable.
#include "proj/modules/module.h"

namespace QVProj {
namespace pMiller {

static constexpr const char* kUnit = "pMiller";

using namespace mod;

namespace {

struct SphereForward {
    double lon0, R;
    explicit SphereForward(const PROJDATA& w) : lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        p.x = R * (p.x - lon0);
        p.y = R * std::log(std::tan(kQuarterPi + 0.4 * p.y)) / 0.8;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, R;
    explicit SphereInverse(const PROJDATA& w) : lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        p.x = p.x / R + lon0;
        p.y = std::atan(std::sinh(0.8 * p.y / R)) / 0.8;
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

} // namespace pMiller
} // namespace QVProj
