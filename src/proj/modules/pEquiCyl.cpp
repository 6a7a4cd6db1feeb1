// Equidistant Cylindrical (type 13), on the sphere of radius MajorRadius
// whatever the flattening, true to scale along the parallel Lat1: Snyder's
// formulas (PP 1395 eqs. 12-1, 12-2 and 12-5, 12-6), closed form both ways,
// exact to rounding. The latitude of origin is the equator.
#include "proj/modules/module.h"

namespace QVProj {
namespace pEquiCyl {

static constexpr const char* kUnit = "pEquiCyl";

using namespace mod;

namespace {

struct SphereForward {
    double lon0, RcosLat1, R;
    explicit SphereForward(const PROJDATA& w)
        : lon0(w.Lon0), RcosLat1(w.MajorRadius * std::cos(w.Lat1)), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        p.x = RcosLat1 * (p.x - lon0);
        p.y = R * p.y;
        return kConverted;
    }
};

// The inverse divides by cos(Lat1) and marks every point when it is 0. A
// standard parallel of 90 degrees reaches the module as the double nearest
// pi/2, whose cosine is 6.1e-17, not 0: the test takes a cosine within the
// rounding of Lat1 itself (half an ulp) as 0, so that a parallel at a pole
// marks every point, as the rule means, instead of returning longitudes
// of 1e15 radians and more.
struct SphereInverse {
    double lon0, R, cosLat1;
    bool degenerate;
    explicit SphereInverse(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius), cosLat1(std::cos(w.Lat1)),
          degenerate(std::fabs(cosLat1) <= std::fabs(w.Lat1) * (DBL_EPSILON / 2.0)) {}
    Outcome operator()(PROJPOINT& p) const {
        if (degenerate) return kUnplottable;
        p.x = p.x / (R * cosLat1) + lon0;
        p.y = p.y / R;
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

} // namespace pEquiCyl
} // namespace QVProj
