// Gnomonic (type 27), sphere only (Flattening is not read): Snyder's
// formulas (PP 1395, chapter 22), closed form, exact on the sphere. The
// centre is (Lat1, Lon0); the aspect is polar or equatorial when Lat1 is
// within 0.0001 degrees of 90, -90 or 0 (boundary included).
#include "proj/modules/module.h"

namespace QVProj {
namespace pGnom {

static constexpr const char* kUnit = "pGnom";

using namespace mod;

namespace {

inline Aspect GnomAspect(double phi1) {
    return AspectOf(Degrees(phi1), 90.0, 0.0001);
}

struct SphereForward {
    AzimuthalCentre centre;
    Aspect aspect;
    double lon0, R;
    explicit SphereForward(const PROJDATA& w)
        : centre(w.Lat1), aspect(GnomAspect(w.Lat1)), lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const AzimuthalPoint a(centre, p, lon0);
        const double sinDlon = a.sinDlon, cosDlon = a.cosDlon;
        // Only the points less than 90 degrees from the centre.
        if (a.cosC <= 0.0) return kUnplottable;
        switch (aspect) {
        case kNorthPolar: {
            const double Rcot = R / std::tan(p.y);
            p.x = Rcot * sinDlon;
            p.y = -Rcot * cosDlon;
            break;
        }
        case kSouthPolar: {
            const double Rcot = R / std::tan(p.y);
            p.x = -Rcot * sinDlon;
            p.y = -Rcot * cosDlon;
            break;
        }
        case kEquatorial:
            if (std::fabs(cosDlon) < 1e-05) return kUnplottable;
            p.x = R * std::tan(p.x - lon0);
            p.y = R * std::tan(p.y) / cosDlon;
            break;
        default: {
            const double Rk = R / a.cosC;
            p.x = Rk * a.cosLat * sinDlon;
            p.y = Rk * a.ObliqueY(centre);
        }
        }
        return kConverted;
    }
};

struct SphereInverse {
    AzimuthalInverse skeleton;
    Aspect aspect;
    double phi1, lon0, R;
    explicit SphereInverse(const PROJDATA& w)
        : skeleton(w.Lat1), aspect(GnomAspect(w.Lat1)), phi1(w.Lat1), lon0(w.Lon0),
          R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y, rho = std::sqrt(x * x + y * y);
        if (rho < 1e-07) {
            p.x = lon0;
            p.y = phi1;
            return kConverted;
        }
        // c = atan2(rho, R).
        const double h = std::sqrt(rho * rho + R * R), sinC = rho / h, cosC = R / h;
        // The equatorial aspect takes the oblique longitude.
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

} // namespace pGnom
} // namespace QVProj
