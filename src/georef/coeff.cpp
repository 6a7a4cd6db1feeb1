// Known affine coefficients: x' = A x + B y + C, y' = D x + E y + F.
#include "frame/report.h"
#include "georef/georef_internal.h"

namespace QVProj {

static constexpr const char* kUnit = "gCoeff";

bool CoeffFit(const GEOREF& ref) {
    return QV_CHECK(ref.Method == RefCoefficients);
}

bool CoeffForward(const GEOREF& ref, GEOREFPOINT* pPts, int nPts) {
    if (pPts == nullptr || nPts < 1) return QV_ASSERT_FAILED();
    const double a = ref.A, b = ref.B, c = ref.C, d = ref.D, e = ref.E, f = ref.F;
    for (int i = 0; i < nPts; ++i) {
        const double x = pPts[i].x, y = pPts[i].y;
        pPts[i].x = a * x + b * y + c;
        pPts[i].y = d * x + e * y + f;
    }
    return true;
}

} // namespace QVProj
