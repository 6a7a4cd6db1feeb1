// Cassini (type 16): Snyder's spherical formulas (PP 1395, chapter 13) for
// every record, the flattening not read; closed form, exact up to rounding.
// The inverse wraps the longitude into [-pi, pi].
#include "proj/modules/module.h"

namespace QVProj {
namespace pCassini {

static constexpr const char* kUnit = "pCassini";

using namespace mod;

namespace {

// 3 pi/2 as the formulas write it.
constexpr double kThreeHalfPi = 4.71238898038469;

struct SphereForward {
    double lon0, lat0, R;
    explicit SphereForward(const PROJDATA& w) : lon0(w.Lon0), lat0(w.Lat0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, dlon = p.x - lon0, cl = std::cos(lat);
        const double B = cl * std::sin(dlon);
        if (1.0 - B * B <= 0.0) return kUnplottable;
        const double adlon = std::fabs(dlon);
        double y;
        if (std::fabs(lat) == kHalfPi || adlon == kHalfPi || adlon == kThreeHalfPi) {
            y = R * ((lat >= 0.0 ? kHalfPi : -kHalfPi) - lat0);
        } else {
            const double cd = std::cos(dlon);
            if (cd == 0.0) return kUnplottable;
            // atan2(tan lat, cos dlon) with cos lat > 0 (the engine passes
            // latitudes within [-pi/2, pi/2], the poles handled above).
            y = R * (std::atan2(std::sin(lat), cl * cd) - lat0);
        }
        p.x = R * std::asin(B);
        p.y = y;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, lat0, R;
    explicit SphereInverse(const PROJDATA& w) : lon0(w.Lon0), lat0(w.Lat0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double xR = p.x / R, D = p.y / R + lat0;
        const double s = std::sin(D) * std::cos(xR);
        p.y = std::asin(Clamp1(s));
        p.x = WrapPi(lon0 + std::atan2(std::sin(xR) / std::cos(xR), std::cos(D)));
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

} // namespace pCassini
} // namespace QVProj
