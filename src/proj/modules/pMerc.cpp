// Mercator (type 1), sphere and ellipsoid.
#include "proj/modules/module.h"

namespace QVProj {
namespace pMerc {

static constexpr const char* kUnit = "pMerc";

using namespace mod;

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    const double R = pWork->MajorRadius, f = pWork->Flattening, lon0 = pWork->Lon0;
    const double cosLat0 = std::cos(pWork->Lat0);

    if (f == 0.0) {
        const double cosLat0R = cosLat0 * R;
        for (int i = 0; i < nPts; ++i) {
            PROJPOINT& p = pPts[i];
            if (IsUnplottable(p)) continue;
            double lat = p.y;
            if (std::fabs(lat) >= kPolarLimit) {
                MarkUnplottable(pWork, p);
                continue;
            }
            p.x = cosLat0 * (p.x - lon0) * R;
            p.y = cosLat0R * std::log(std::tan(lat / 2.0 + kQuarterPi));
        }
        return true;
    }

    const double e = Eccentricity(f);
    const double sinLat0 = std::sin(pWork->Lat0);
    const double w = 1.0 - e * e * (sinLat0 * sinLat0);
    const double k = w > 0.0 ? cosLat0 / std::sqrt(w) : 0.0;
    const double halfR = R / 2.0;
    for (int i = 0; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        double lat = p.y;
        double s = std::sin(lat);
        if (w <= 0.0 || std::fabs(lat) >= kPolarLimit || 1.0 - s == 0.0 || 1.0 + e * s == 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        p.x = (p.x - lon0) * R * k;
        p.y = halfR *
              std::log(((1.0 + s) / (1.0 - s)) * std::pow((1.0 - e * s) / (1.0 + e * s), e)) * k;
    }
    return true;
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    const double R = pWork->MajorRadius, f = pWork->Flattening, lon0 = pWork->Lon0;
    const double cosLat0 = std::cos(pWork->Lat0);

    if (f == 0.0) {
        for (int i = 0; i < nPts; ++i) {
            PROJPOINT& p = pPts[i];
            if (IsUnplottable(p)) continue;
            double x = p.x, y = p.y;
            p.x = x / cosLat0 / R + lon0;
            p.y = std::atan(std::sinh(y / cosLat0 / R));
        }
        return true;
    }

    const double e = Eccentricity(f);
    const double halfE = e / 2.0;
    const double sinLat0 = std::sin(pWork->Lat0);
    const double w = 1.0 - e * e * (sinLat0 * sinLat0);
    const double k = w > 0.0 ? cosLat0 / std::sqrt(w) : 0.0;
    for (int i = 0; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        if (w <= 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        if (!QV_CHECK(k != 0.0)) return false;
        double x = p.x, y = p.y;
        double lon = x / k / R + lon0;
        double t = std::pow(kExpBase, -(y / k) / R);
        double lat = kHalfPi - 2.0 * std::atan(t);
        for (int n = 1;; ++n) {
            double es = e * std::sin(lat);
            double next = kHalfPi - 2.0 * std::atan(t * std::pow((1.0 - es) / (1.0 + es), halfE));
            if (std::fabs(next - lat) <= kEps10 || n == kMaxIterations) break;
            lat = next;
        }
        p.x = lon;
        p.y = lat;
    }
    return true;
}

bool LLInProjection(const PROJDATA* pData, const PROJPOINT* pPt) {
    return InBandAndLatitude(pData, pPt);
}

bool LLOffsetSplitObject(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                         double* pLonShift, double* pLatShift) {
    return SplitAntimeridian(pData, pPts, nPts, pLonShift, pLatShift);
}

} // namespace pMerc
} // namespace QVProj
