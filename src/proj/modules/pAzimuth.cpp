// Azimuthal Equidistant (type 28), sphere only (Flattening is not read):
// Snyder's formulas (PP 1395, chapter 25), closed form, exact on the sphere
// except within about 1e-9 of the centre's antipode, where c = acos(cos c)
// loses precision (some metres of the Earth's radius). The centre is (Lat1,
// Lon0); the aspect is polar or equatorial when Lat1 is within 1e-05
// degrees of 90, -90 or 0 (boundary included).
#include "proj/modules/module.h"

namespace QVProj {
namespace pAzimuth {

static constexpr const char* kUnit = "pAzimuth";

using namespace mod;

namespace {

inline Aspect AzimuthAspect(double phi1) {
    return AspectOf(Degrees(phi1), 90.0, 1e-05);
}

struct SphereForward {
    AzimuthalCentre centre;
    Aspect aspect;
    double lon0, R;
    explicit SphereForward(const PROJDATA& w)
        : centre(w.Lat1), aspect(AzimuthAspect(w.Lat1)), lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y, dlon = p.x - lon0;
        const double sinDlon = std::sin(dlon), cosDlon = std::cos(dlon);
        if (aspect == kNorthPolar || aspect == kSouthPolar) {
            const double r = aspect == kNorthPolar ? R * (kHalfPi - lat) : R * (kHalfPi + lat);
            p.x = r * sinDlon;
            p.y = aspect == kNorthPolar ? -r * cosDlon : r * cosDlon;
            return kConverted;
        }
        const double sinLat = std::sin(lat), cosLat = std::cos(lat);
        const double cosC = centre.CosC(sinLat, cosLat, cosDlon);
        // The centre or its antipode: (0, 0) on an equatorial map, refused
        // on an oblique one.
        if (std::fabs(std::fabs(cosC) - 1.0) < 1e-09) {
            if (aspect != kEquatorial) return kUnplottable;
            p.x = 0.0;
            p.y = 0.0;
            return kConverted;
        }
        const double c = std::acos(Clamp1(cosC));
        const double Rk = R * c / std::sin(c);
        p.x = Rk * cosLat * sinDlon;
        p.y = aspect == kEquatorial ? Rk * sinLat : Rk * centre.ObliqueY(sinLat, cosLat, cosDlon);
        return kConverted;
    }
};

struct SphereInverse {
    AzimuthalInverse skeleton;
    Aspect aspect;
    double lon0, R;
    explicit SphereInverse(const PROJDATA& w)
        : skeleton(w.Lat1), aspect(AzimuthAspect(w.Lat1)), lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y, rho = std::sqrt(x * x + y * y);
        const double c = rho / R;
        // The centre itself has no direction.
        if (std::fabs(c) < 1e-08) return kUnplottable;
        const double sinC = std::sin(c), cosC = std::cos(c);
        double dlon, lat;
        skeleton.Solve(aspect, false, x, y, rho, sinC, cosC, dlon, lat);
        p.x = WrapPi(lon0 + dlon);
        p.y = lat;
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

} // namespace pAzimuth
} // namespace QVProj
