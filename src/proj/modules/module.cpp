// Domain tests and split rules shared by the projection modules.
#include "proj/modules/module.h"

#include <cfloat>

namespace QVProj {
namespace mod {
namespace {

double CosDistance(double lat0Deg, double lon0Deg, const PROJPOINT* pPt) {
    double phi0 = Radians(lat0Deg), lam0 = Radians(lon0Deg);
    double phi = Radians(pPt->y), lam = Radians(pPt->x);
    return std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(lam - lam0);
}

bool SplitAt(double west, double east, const PROJPOINT* pPts, unsigned int nPts, double* pLonShift,
             double* pLatShift) {
    if (pPts == nullptr || nPts < 1 || pLonShift == nullptr || pLatShift == nullptr) return false;
    *pLonShift = 0.0;
    *pLatShift = 0.0;
    double smallest = DBL_MAX, largest = -DBL_MAX;
    for (unsigned int i = 0; i < nPts; ++i) {
        if (pPts[i].x < smallest) smallest = pPts[i].x;
        if (pPts[i].x > largest) largest = pPts[i].x;
    }
    if (west >= smallest) {
        *pLonShift = 360.0;
        return true;
    }
    if (east <= largest) {
        *pLonShift = -360.0;
        return true;
    }
    return false;
}

} // namespace

bool InBand(const PROJDATA* pData, const PROJPOINT* pPt, double w) {
    if (pData == nullptr || pPt == nullptr) return false;
    return pData->Lon0 - w < pPt->x && pPt->x < pData->Lon0 + w;
}

bool InBandAndLatitude(const PROJDATA* pData, const PROJPOINT* pPt) {
    return InBand(pData, pPt, 180.0) && -90.0 < pPt->y && pPt->y < 90.0;
}

bool InAbsoluteBand(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return -180.0 < pPt->x && pPt->x < 180.0;
}

bool InHemisphere(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return CosDistance(pData->Lat0, pData->Lon0, pPt) >= 0.0;
}

bool InCap(const PROJDATA* pData, const PROJPOINT* pPt, double capRadians) {
    if (pData == nullptr || pPt == nullptr) return false;
    return CosDistance(pData->Lat1, pData->Lon0, pPt) >= std::cos(capRadians);
}

bool InBox15(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return pData->Lon0 - 15.0 < pPt->x && pPt->x < pData->Lon0 + 15.0 &&
           pData->Lat0 - 15.0 < pPt->y && pPt->y < pData->Lat0 + 15.0;
}

bool InBand45Oblique(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (!InBand(pData, pPt, 45.0)) return false;
    return pData->Lat1 - 45.0 < pPt->y && pPt->y < pData->Lat1 + 45.0 &&
           pData->Lat2 - 45.0 < pPt->y && pPt->y < pData->Lat2 + 45.0;
}

bool InAlways(const PROJDATA* pData, const PROJPOINT* pPt) {
    return pData != nullptr && pPt != nullptr;
}

bool SplitAntimeridian(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                       double* pLonShift, double* pLatShift) {
    if (pData == nullptr) return false;
    return SplitAt(pData->Lon0 - 180.0, pData->Lon0 + 180.0, pPts, nPts, pLonShift, pLatShift);
}

bool SplitAbsoluteAntimeridian(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                               double* pLonShift, double* pLatShift) {
    if (pData == nullptr) return false;
    return SplitAt(-180.0, 180.0, pPts, nPts, pLonShift, pLatShift);
}

bool SplitNever(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts, double* pLonShift,
                double* pLatShift) {
    if (pData == nullptr || pPts == nullptr || nPts < 1 || pLonShift == nullptr ||
        pLatShift == nullptr)
        return false;
    *pLonShift = 0.0;
    *pLatShift = 0.0;
    return false;
}

} // namespace mod
} // namespace QVProj
