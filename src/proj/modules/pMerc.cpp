// Mercator (type 1), sphere and ellipsoid: Snyder's formulas (PP 1395
// eqs. 7-2, 7-7 and 7-4, 7-9), closed form forward; the ellipsoidal inverse
// iterates the latitude to 1.2e-6 rad and takes its exponential with the
// base 2.71828.
#include "proj/modules/module.h"

namespace QVProj {
namespace pMerc {

static constexpr const char* kUnit = "pMerc";

using namespace mod;

namespace {

struct SphereForward {
    double lon0, cosLat0, cosLat0R, R;
    explicit SphereForward(const PROJDATA& w)
        : lon0(w.Lon0), cosLat0(std::cos(w.Lat0)), cosLat0R(cosLat0 * w.MajorRadius),
          R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lat = p.y;
        if (std::fabs(lat) >= kPolarLimit) return kUnplottable;
        p.x = cosLat0 * (p.x - lon0) * R;
        p.y = cosLat0R * std::log(std::tan(lat / 2.0 + kQuarterPi));
        return kConverted;
    }
};

// The scale factor k of the parallel Lat0; w <= 0 makes every point
// unplottable.
struct TrueScale {
    double e, w, k;
    explicit TrueScale(const PROJDATA& d) : e(Eccentricity(d.Flattening)) {
        const double s = std::sin(d.Lat0);
        w = 1.0 - e * e * (s * s);
        k = w > 0.0 ? std::cos(d.Lat0) / std::sqrt(w) : 0.0;
    }
};

struct EllipsoidForward {
    TrueScale ts;
    double lon0, R, halfR;
    explicit EllipsoidForward(const PROJDATA& w)
        : ts(w), lon0(w.Lon0), R(w.MajorRadius), halfR(w.MajorRadius / 2.0) {}
    Outcome operator()(PROJPOINT& p) const {
        const double e = ts.e, lat = p.y, s = std::sin(lat);
        if (ts.w <= 0.0 || std::fabs(lat) >= kPolarLimit || 1.0 - s == 0.0 || 1.0 + e * s == 0.0)
            return kUnplottable;
        p.x = (p.x - lon0) * R * ts.k;
        p.y = halfR *
              std::log(((1.0 + s) / (1.0 - s)) * std::pow((1.0 - e * s) / (1.0 + e * s), e)) * ts.k;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, cosLat0, R;
    explicit SphereInverse(const PROJDATA& w)
        : lon0(w.Lon0), cosLat0(std::cos(w.Lat0)), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y;
        p.x = x / cosLat0 / R + lon0;
        p.y = std::atan(std::sinh(y / cosLat0 / R));
        return kConverted;
    }
};

struct EllipsoidInverse {
    TrueScale ts;
    double lon0, R;
    explicit EllipsoidInverse(const PROJDATA& w) : ts(w), lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        if (ts.w <= 0.0) return kUnplottable;
        if (!QV_CHECK(ts.k != 0.0)) return kFailCall;
        double lat;
        LatitudeFromT(std::pow(kExpBase, -(p.y / ts.k) / R), ts.e, lat);
        p.x = p.x / ts.k / R + lon0;
        p.y = lat;
        return kConverted;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereForward, EllipsoidForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereInverse, EllipsoidInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pMerc
} // namespace QVProj
