// Orthographic (type 7), sphere only (Flattening is not read): Snyder's
// formulas (PP 1395, chapter 20), closed form, exact on the sphere. The
// centre is (Lat0, Lon0); Lat0 is copied into the work record's Lat1 first.
// The aspect is polar or equatorial only when Lat0 is exactly 90, -90 or 0
// degrees.
#include "proj/modules/module.h"

namespace QVProj {
namespace pOrtho {

static constexpr const char* kUnit = "pOrtho";

using namespace mod;

namespace {

struct SphereForward {
    AzimuthalCentre centre;
    Aspect aspect;
    double lon0, R;
    explicit SphereForward(const PROJDATA& w)
        : centre(w.Lat1), aspect(AspectOf(w.Lat1, kHalfPi, 0.0)), lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const AzimuthalPoint a(centre, p, lon0);
        // A point exactly 90 degrees from the centre (cos c = 0) is plotted.
        if (a.cosC < 0.0) return kUnplottable;
        p.x = R * a.cosLat * a.sinDlon;
        switch (aspect) {
        case kNorthPolar:
            p.y = -R * a.cosLat * a.cosDlon;
            break;
        case kSouthPolar:
            p.y = R * a.cosLat * a.cosDlon;
            break;
        case kEquatorial:
            p.y = R * a.sinLat;
            break;
        default:
            p.y = R * a.ObliqueY(centre);
        }
        return kConverted;
    }
};

struct SphereInverse {
    AzimuthalInverse skeleton;
    Aspect aspect;
    double phi1, lon0, R;
    explicit SphereInverse(const PROJDATA& w)
        : skeleton(w.Lat1), aspect(AspectOf(w.Lat1, kHalfPi, 0.0)), phi1(w.Lat1), lon0(w.Lon0),
          R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y, rho = std::sqrt(x * x + y * y);
        if (rho <= kEps) {
            p.x = lon0;
            p.y = phi1;
            return kConverted;
        }
        // c = asin(rho/R): beyond the disc of radius R the point is taken on
        // its rim (c = 90 degrees).
        const double sinC = std::fmin(1.0, rho / R);
        const double cosC = std::sqrt((1.0 - sinC) * (1.0 + sinC));
        double dlon, lat;
        if (!skeleton.Solve(aspect, true, x, y, rho, sinC, cosC, dlon, lat)) return kUnplottable;
        // The only azimuthal inverse whose longitude is not wrapped.
        p.x = lon0 + dlon;
        p.y = lat;
        return kConverted;
    }
};

} // namespace

// Lat0 is the centre: copied into the work record's Lat1, which the
// kernels read.
bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    if (pWork != nullptr) pWork->Lat1 = pWork->Lat0;
    return Convert<SphereForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    if (pWork != nullptr) pWork->Lat1 = pWork->Lat0;
    return Convert<SphereInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pOrtho
} // namespace QVProj
