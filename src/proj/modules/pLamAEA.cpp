// Lambert Azimuthal Equal Area (type 20), sphere only (Flattening is not
// read): Snyder's formulas (PP 1395, chapter 24), closed form, exact on the
// sphere. The centre is (Lat1, Lon0); the aspect is polar or equatorial only
// when Lat1 is exactly 90, -90 or 0 degrees.
#include "proj/modules/module.h"

namespace QVProj {
namespace pLamAEA {

static constexpr const char* kUnit = "pLamAEA";

using namespace mod;

namespace {

struct SphereForward {
    AzimuthalCentre centre;
    Aspect aspect;
    double lon0, R, twoR;
    explicit SphereForward(const PROJDATA& w)
        : centre(w.Lat1), aspect(AspectOf(w.Lat1, kHalfPi, 0.0)), lon0(w.Lon0), R(w.MajorRadius),
          twoR(2.0 * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y;
        const AzimuthalPoint a(centre, p, lon0);
        const double sinDlon = a.sinDlon, cosDlon = a.cosDlon, cosLat = a.cosLat;
        const double onePlusCosC = 1.0 + a.cosC;
        // The antipode of the centre.
        if (onePlusCosC <= 0.0) return kUnplottable;
        switch (aspect) {
        case kNorthPolar: {
            const double r = twoR * std::sin(kQuarterPi - lat / 2.0);
            p.x = r * sinDlon;
            p.y = -r * cosDlon;
            break;
        }
        case kSouthPolar: {
            const double r = twoR * std::cos(kQuarterPi - lat / 2.0);
            p.x = r * sinDlon;
            p.y = r * cosDlon;
            break;
        }
        case kEquatorial: {
            const double d = 1.0 + cosLat * cosDlon;
            if (d <= 0.0) return kUnplottable;
            const double Rk = R * std::sqrt(2.0 / d);
            p.x = Rk * cosLat * sinDlon;
            p.y = Rk * a.sinLat;
            break;
        }
        default: {
            const double Rk = R * std::sqrt(2.0 / onePlusCosC);
            p.x = Rk * cosLat * sinDlon;
            p.y = Rk * a.ObliqueY(centre);
        }
        }
        return kConverted;
    }
};

struct SphereInverse {
    AzimuthalInverse skeleton;
    Aspect aspect;
    double lon0, twoR;
    explicit SphereInverse(const PROJDATA& w)
        : skeleton(w.Lat1), aspect(AspectOf(w.Lat1, kHalfPi, 0.0)), lon0(w.Lon0),
          twoR(2.0 * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y, rho = std::sqrt(x * x + y * y);
        // The centre itself has no direction.
        if (rho == 0.0) return kUnplottable;
        // c = 2 asin(z), z = rho/(2R) (at most 1).
        const double z = std::fmin(1.0, rho / twoR);
        const double sinC = 2.0 * z * std::sqrt((1.0 - z) * (1.0 + z)), cosC = 1.0 - 2.0 * z * z;
        // On a polar map even a point with x not 0 is refused when y is 0.
        if ((aspect == kNorthPolar || aspect == kSouthPolar) && y == 0.0) return kUnplottable;
        double dlon, lat;
        if (!skeleton.Solve(aspect, true, x, y, rho, sinC, cosC, dlon, lat)) return kUnplottable;
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

} // namespace pLamAEA
} // namespace QVProj
