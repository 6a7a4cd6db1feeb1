// Equidistant Conic (type 26): Snyder's spherical formulas (PP 1395,
// chapter 16) for every record, the flattening not read; closed form, exact
// up to rounding. The forward wraps the longitude difference into [-pi, pi]
// when bWrapLon is set; the inverse always wraps the longitude.
#include "proj/modules/module.h"

namespace QVProj {
namespace pEquiCon {

static constexpr const char* kUnit = "pEquiCon";

using namespace mod;

namespace {

// n = (cos Lat1 - cos Lat2)/(Lat2 - Lat1), or sin Lat1 when the parallels are
// closer than 1e-6 rad; G = cos Lat1/n + Lat1; rho0 = R (G - Lat0). A cone
// with |n| < 1e-7 makes every point unplottable.
struct Cone {
    double lon0, R, n, G, rho0;
    bool bad;
    explicit Cone(const PROJDATA& w) : lon0(w.Lon0), R(w.MajorRadius) {
        n = std::fabs(w.Lat1 - w.Lat2) >= 1e-06
                ? (std::cos(w.Lat1) - std::cos(w.Lat2)) / (w.Lat2 - w.Lat1)
                : std::sin(w.Lat1);
        bad = std::fabs(n) < 1e-07;
        G = std::cos(w.Lat1) / n + w.Lat1;
        rho0 = R * (G - w.Lat0);
    }
};

struct SphereForward {
    Cone c;
    bool wrap;
    explicit SphereForward(const PROJDATA& w) : c(w), wrap(w.bWrapLon != 0) {}
    Outcome operator()(PROJPOINT& p) const {
        if (c.bad) return kUnplottable;
        const double dlon = wrap ? WrapPi(p.x - c.lon0) : p.x - c.lon0;
        ConePoint(p, c.R * (c.G - p.y), c.rho0, c.n * dlon);
        return kConverted;
    }
};

struct SphereInverse {
    Cone c;
    explicit SphereInverse(const PROJDATA& w) : c(w) {}
    Outcome operator()(PROJPOINT& p) const {
        if (c.bad) return kUnplottable;
        double theta, rho;
        FromCone(p, c.rho0, c.n, theta, rho);
        p.x = WrapPi(theta / c.n + c.lon0);
        p.y = c.G - rho / c.R;
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

} // namespace pEquiCon
} // namespace QVProj
