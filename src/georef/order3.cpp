// The polynomial family of 3, 4, 6 and 10 terms, solved exactly or by
// least squares through the normal equations.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

#include "frame/report.h"
#include "georef/georef_internal.h"

namespace QVProj {

static constexpr const char* kUnit = "gOrder3";

namespace {

// The terms of one point in their fixed order; the fourth is x*y for the
// bilinear order and x^2 otherwise.
inline void Terms(int order, double x, double y, double* t) {
    t[0] = 1.0;
    t[1] = x;
    t[2] = y;
    if (order == 0) {
        t[3] = x * y;
        return;
    }
    if (order < 2) return;
    t[3] = x * x;
    t[4] = x * y;
    t[5] = y * y;
    if (order < 3) return;
    t[6] = x * x * x;
    t[7] = x * x * y;
    t[8] = x * y * y;
    t[9] = y * y * y;
}

// Names of the terms in the order of Terms().
constexpr const char* kTermNames[kMaxPolyTerms] = {"1",   "x",   "y",     "x^2",   "x*y",
                                                   "y^2", "x^3", "x^2*y", "x*y^2", "y^3"};

} // namespace

int PolyTermCount(int order) {
    if (order < -1 || order > 3) return -1;
    return order == 0 ? 4 : (order + 1) * (order + 2) / 2;
}

const char* PolyTermName(int order, int j) {
    if (j < 0 || j >= PolyTermCount(order)) return nullptr;
    return order == 0 && j == 3 ? "x*y" : kTermNames[j];
}

bool GaussJordan(double* M, int m, double* r1, double* r2, double* s1, double* s2) {
    for (int k = 0; k < m; ++k) {
        int r = k;
        double pivot = M[k * m + k];
        for (int i = k + 1; i < m; ++i) {
            if (std::fabs(M[i * m + k]) > std::fabs(pivot)) {
                pivot = M[i * m + k];
                r = i;
            }
        }
        if (pivot == 0.0) return false;
        if (r != k) {
            for (int j = 0; j < m; ++j) {
                double t = M[r * m + j];
                M[r * m + j] = M[k * m + j];
                M[k * m + j] = t;
            }
            double t = r1[r];
            r1[r] = r1[k];
            r1[k] = t;
            t = r2[r];
            r2[r] = r2[k];
            r2[k] = t;
        }
        for (int i = 0; i < m; ++i) {
            if (i == k) continue;
            const double factor = M[i * m + k] / pivot;
            for (int j = k; j < m; ++j) M[i * m + j] -= factor * M[k * m + j];
            r1[i] -= factor * r1[k];
            r2[i] -= factor * r2[k];
        }
    }
    for (int k = 0; k < m; ++k) {
        s1[k] = r1[k] / M[k * m + k];
        s2[k] = r2[k] / M[k * m + k];
    }
    return true;
}

bool PolyFit(int order, const GEOREFPOINT* pSrc, const GEOREFPOINT* pDst, int n, double* cx,
             double* cy) {
    const int m = PolyTermCount(order);
    if (m < 0) return QV_ASSERT_FAILED();
    if (n < m) return QV_ASSERT_FAILED();
    for (int j = 0; j < kMaxPolyTerms; ++j) cx[j] = cy[j] = 0.0;
    if (m == 0) return true;
    if (pSrc == nullptr || pDst == nullptr) return QV_ASSERT_FAILED();

    std::unique_ptr<double[]> M(new (std::nothrow) double[static_cast<std::size_t>(m) * m]());
    std::unique_ptr<double[]> r1(new (std::nothrow) double[m]());
    std::unique_ptr<double[]> r2(new (std::nothrow) double[m]());
    if (!M || !r1 || !r2) return QV_ASSERT_FAILED();

    double t[kMaxPolyTerms];
    if (n == m) {
        for (int i = 0; i < n; ++i) {
            Terms(order, pSrc[i].x, pSrc[i].y, t);
            for (int j = 0; j < m; ++j) M[i * m + j] = t[j];
            r1[i] = pDst[i].x;
            r2[i] = pDst[i].y;
        }
    } else {
        for (int i = 0; i < n; ++i) {
            Terms(order, pSrc[i].x, pSrc[i].y, t);
            for (int j = 0; j < m; ++j) {
                for (int l = j; l < m; ++l) M[j * m + l] += t[j] * t[l];
                r1[j] += t[j] * pDst[i].x;
                r2[j] += t[j] * pDst[i].y;
            }
        }
        for (int j = 0; j < m; ++j)
            for (int l = 0; l < j; ++l) M[j * m + l] = M[l * m + j];
    }
    if (!GaussJordan(M.get(), m, r1.get(), r2.get(), cx, cy)) return QV_ASSERT_FAILED();
    return true;
}

bool PolyForward(int order, const double* cx, const double* cy, GEOREFPOINT* pPts, int nPts) {
    const int m = PolyTermCount(order);
    if (m < 0 || pPts == nullptr || nPts < 1) return QV_ASSERT_FAILED();
    double t[kMaxPolyTerms];
    for (int i = 0; i < nPts; ++i) {
        Terms(order, pPts[i].x, pPts[i].y, t);
        double x = 0.0, y = 0.0;
        for (int j = 0; j < m; ++j) {
            x += cx[j] * t[j];
            y += cy[j] * t[j];
        }
        pPts[i].x = x;
        pPts[i].y = y;
    }
    return true;
}

} // namespace QVProj
