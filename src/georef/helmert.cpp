// The four-parameter Helmert similarity: rotation, one scale and a shift.
#include <cmath>

#include "frame/report.h"
#include "georef/georef_internal.h"

namespace QVProj {

static constexpr const char* kUnit = "gHelmert";

bool HelmertFit(const GEOREFPOINT* pSrc, const GEOREFPOINT* pDst, int n, double abcd[4]) {
    if (n < kHelmertMinControls || pSrc == nullptr || pDst == nullptr) return QV_ASSERT_FAILED();
    double sx = 0, sy = 0, su = 0, sv = 0, sxx = 0, syy = 0, sxu = 0, sxv = 0, syu = 0, syv = 0;
    for (int i = 0; i < n; ++i) {
        const double x = pSrc[i].x, y = pSrc[i].y, u = pDst[i].x, v = pDst[i].y;
        sx += x;
        sy += y;
        su += u;
        sv += v;
        sxx += x * x;
        syy += y * y;
        sxu += x * u;
        sxv += x * v;
        syu += y * u;
        syv += y * v;
    }
    const double q = sxx + syy - sx * sx / n - sy * sy / n;
    // Source points that all coincide leave Q at zero, or at rounding noise
    // of the sums; no similarity follows from them.
    if (!(q > 2.220446049250313e-16 * (sxx + syy))) return QV_ASSERT_FAILED();
    const double a = (sxu + syv - su * sx / n - sv * sy / n) / q;
    const double b = (sxv - syu + su * sy / n - sv * sx / n) / q;
    const double c = (su - a * sx + b * sy) / n;
    const double d = (sv - a * sy - b * sx) / n;
    abcd[0] = a;
    abcd[1] = b;
    abcd[2] = c;
    abcd[3] = d;
    return true;
}

bool HelmertForward(const double abcd[4], GEOREFPOINT* pPts, int nPts) {
    if (pPts == nullptr || nPts < 1) return QV_ASSERT_FAILED();
    const double a = abcd[0], b = abcd[1], c = abcd[2], d = abcd[3];
    for (int i = 0; i < nPts; ++i) {
        const double x = pPts[i].x, y = pPts[i].y;
        pPts[i].x = a * x - b * y + c;
        pPts[i].y = b * x + a * y + d;
    }
    return true;
}

} // namespace QVProj
