// Universal Transverse Mercator (type 4): the Transverse Mercator mathematics
// with its own guards; zone and hemisphere come in through the record.
#include "proj/modules/tmerc.h"

namespace QVProj {
namespace pUTM {

static constexpr const char* kUnit = "pUTM";

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    mod::TMercForward<true>(pWork, pPts, nPts);
    return true;
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    mod::TMercInverse<true>(pWork, pPts, nPts);
    return true;
}

bool LLInProjection(const PROJDATA* pData, const PROJPOINT* pPt) {
    return mod::InBand(pData, pPt, 45.0);
}

bool LLOffsetSplitObject(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                         double* pLonShift, double* pLatShift) {
    return mod::SplitAntimeridian(pData, pPts, nPts, pLonShift, pLatShift);
}

} // namespace pUTM
} // namespace QVProj
