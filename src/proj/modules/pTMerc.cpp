// Transverse Mercator (type 17) and Gauss-Kruger / Gauss Conformal (type 18):
// one set of operations for both types.
#include "proj/modules/tmerc.h"

namespace QVProj {
namespace pTMerc {

static constexpr const char* kUnit = "pTMerc";

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    mod::TMercForward<false>(pWork, pPts, nPts);
    return true;
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    QV_MODULE_CHECK_ARGS(pWork, pPts, nPts);
    mod::TMercInverse<false>(pWork, pPts, nPts);
    return true;
}

bool LLInProjection(const PROJDATA* pData, const PROJPOINT* pPt) {
    return mod::InBand(pData, pPt, 45.0);
}

bool LLOffsetSplitObject(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                         double* pLonShift, double* pLatShift) {
    return mod::SplitAntimeridian(pData, pPts, nPts, pLonShift, pLatShift);
}

} // namespace pTMerc
} // namespace QVProj
