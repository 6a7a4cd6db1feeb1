// The georeference handle and the fits behind it. Internal to the library.
#ifndef QVPROJ_GEOREF_INTERNAL_H
#define QVPROJ_GEOREF_INTERNAL_H

#include "qvproj/georef.h"
#include "qvproj/imgreg.h"

namespace QVProj {

// Polynomial order codes: 0 bilinear (1, x, y, xy), 1 affine, 2 second and
// 3 third order.
constexpr int kMaxPolyTerms = 10;

struct GeorefSystem {
    GEOREF ref{};                  // private copy; its arrays belong to the handle
    double helmert[4] = {};        // a, b, c, d
    double cx[kMaxPolyTerms] = {}; // x' polynomial
    double cy[kMaxPolyTerms] = {}; // y' polynomial
    CImageRegistration reg;
};

// gHelmert: at least two controls.
constexpr int kHelmertMinControls = 2;
bool HelmertFit(const GEOREFPOINT* pSrc, const GEOREFPOINT* pDst, int n, double abcd[4]);
bool HelmertForward(const double abcd[4], GEOREFPOINT* pPts, int nPts);

// gOrder3
int PolyTermCount(int order);
// Name of term j of an order ("1", "x", "y", "x^2", ...); null beyond its terms.
const char* PolyTermName(int order, int j);
bool PolyFit(int order, const GEOREFPOINT* pSrc, const GEOREFPOINT* pDst, int n, double* cx,
             double* cy);
bool PolyForward(int order, const double* cx, const double* cy, GEOREFPOINT* pPts, int nPts);
// Gauss-Jordan elimination with partial pivoting on the m x m row-major
// matrix M with two right-hand sides; M, r1 and r2 are overwritten.
bool GaussJordan(double* M, int m, double* r1, double* r2, double* s1, double* s2);

// gCoeff
bool CoeffFit(const GEOREF& ref);
bool CoeffForward(const GEOREF& ref, GEOREFPOINT* pPts, int nPts);

} // namespace QVProj

#endif
