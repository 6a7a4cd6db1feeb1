// Georeference handles: creation and fitting, forward transforms, residuals,
// control arrays, coefficient conversion and resizing; CGeorefTransform.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "frame/report.h"
#include "georef/georef_internal.h"
#include "imgreg/warp.h"

namespace QVProj {

static constexpr const char* kUnit = "qvGeoRef";

namespace {

// Display names, one per method 0 to 11.
constexpr const char* kMethodNames[] = {
    "Helmert",
    "Affine Polynomial",
    "1st Order Polynomial",
    "2nd Order Polynomial",
    "3rd Order Polynomial",
    "Precalculated Affine Coefficients",
    "Thin Plate Spline",
    "Natural Cubic Spline",
    "Marcov Spline",
    "Exponential Spline",
    "Rational Quadratic Spline",
    "Inverse Distance Squared",
};
constexpr int kNumMethods = static_cast<int>(sizeof kMethodNames / sizeof kMethodNames[0]);
static_assert(kNumMethods == RefNone, "one name per method");

// Polynomial order code of methods 1 to 4.
int PolyOrder(int method) {
    switch (method) {
    case RefAffine:
        return 1;
    case RefFirstOrder:
        return 0;
    case RefSecondOrder:
        return 2;
    case RefThirdOrder:
        return 3;
    default:
        return -2;
    }
}

bool ValidMethod(int method) {
    return method >= 0 && method < kNumMethods;
}

GEOREFPOINT* NewPoints(int count) {
    return static_cast<GEOREFPOINT*>(
        std::calloc(static_cast<std::size_t>(count), sizeof(GEOREFPOINT)));
}

GEOREFPOINT* CopyPoints(const GEOREFPOINT* pPts, int count) {
    GEOREFPOINT* p = NewPoints(count);
    if (p) std::memcpy(p, pPts, static_cast<std::size_t>(count) * sizeof(GEOREFPOINT));
    return p;
}

bool AllFinite(const GEOREFPOINT* pPts, int count) {
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(pPts[i].x) || !std::isfinite(pPts[i].y)) return false;
    return true;
}

void DestroySystem(GeorefSystem* pSys) {
    std::free(pSys->ref.pSrcControls);
    std::free(pSys->ref.pDstControls);
    delete pSys;
}

void LogRecord(const GEOREF& r) {
    if (!DebugLogIsOn()) return;
    DebugLog("  Method = %d (%s)\n  NumControls = %d\n  A = %.15g  B = %.15g  C = %.15g\n"
             "  D = %.15g  E = %.15g  F = %.15g\n",
             static_cast<int>(r.Method), RefMethodName(r.Method), r.NumControls, r.A, r.B, r.C, r.D,
             r.E, r.F);
}

// Fits the handle's method to its own copies of the controls.
bool FitSystem(GeorefSystem& sys) {
    GEOREF& r = sys.ref;
    const int method = r.Method;
    if (method == RefCoefficients) return CoeffFit(r);
    if (method == RefHelmert)
        return HelmertFit(r.pSrcControls, r.pDstControls, r.NumControls, sys.helmert);
    if (method <= RefThirdOrder)
        return PolyFit(PolyOrder(method), r.pSrcControls, r.pDstControls, r.NumControls, sys.cx,
                       sys.cy);
    // Splines and inverse distance: only the method asked for counts.
    const WarpingMethod wanted = static_cast<WarpingMethod>(method - RefThinPlateSpline);
    WarpingMethod got;
    try {
        RPoints src, dst;
        src.reserve(static_cast<std::size_t>(r.NumControls));
        dst.reserve(static_cast<std::size_t>(r.NumControls));
        for (int i = 0; i < r.NumControls; ++i) {
            src.emplace_back(r.pSrcControls[i].x, r.pSrcControls[i].y);
            dst.emplace_back(r.pDstControls[i].x, r.pDstControls[i].y);
        }
        got = sys.reg.Calibrate(src, dst, wanted);
    } catch (...) {
        return QV_ASSERT_FAILED();
    }
    if (got != wanted) {
        DebugLog("RefCreateSystem: %s could not be fitted (fell back to warping method %d)\n",
                 RefMethodName(r.Method), static_cast<int>(got));
        return QV_ASSERT_FAILED();
    }
    return true;
}

} // namespace

HGEOREF RefCreateSystem(const GEOREF* pRef) {
    DebugLog("RefCreateSystem(%p)\n", static_cast<const void*>(pRef));
    if (pRef == nullptr) return nullptr;
    LogRecord(*pRef);
    const int method = pRef->Method;
    const int n = pRef->NumControls;
    if (!ValidMethod(method)) {
        QV_ASSERT_FAILED();
        return nullptr;
    }
    if (n < 0 || (n > 0 && (pRef->pSrcControls == nullptr || pRef->pDstControls == nullptr))) {
        QV_ASSERT_FAILED();
        return nullptr;
    }
    // A fit through a non-finite control point would give non-finite
    // coefficients for every point it maps.
    if (method != RefCoefficients &&
        (!AllFinite(pRef->pSrcControls, n) || !AllFinite(pRef->pDstControls, n))) {
        QV_ASSERT_FAILED();
        return nullptr;
    }

    GeorefSystem* pSys = new (std::nothrow) GeorefSystem;
    if (pSys == nullptr) {
        QV_ASSERT_FAILED();
        return nullptr;
    }
    pSys->ref = *pRef;
    pSys->ref.pSrcControls = nullptr;
    pSys->ref.pDstControls = nullptr;
    if (n > 0) {
        pSys->ref.pSrcControls = CopyPoints(pRef->pSrcControls, n);
        pSys->ref.pDstControls = CopyPoints(pRef->pDstControls, n);
        if (pSys->ref.pSrcControls == nullptr || pSys->ref.pDstControls == nullptr) {
            QV_ASSERT_FAILED();
            DestroySystem(pSys);
            return nullptr;
        }
    }
    if (!FitSystem(*pSys)) {
        DestroySystem(pSys);
        return nullptr;
    }
    DebugLog("RefCreateSystem: handle %p\n", static_cast<void*>(pSys));
    return pSys;
}

void RefDeleteSystem(HGEOREF hRef) {
    DebugLog("RefDeleteSystem(%p)\n", static_cast<void*>(hRef));
    if (hRef) DestroySystem(hRef);
}

bool RefForward(HGEOREF hRef, GEOREFPOINT* pPts, int nPts) {
    if (hRef == nullptr) return false;
    if (pPts == nullptr || nPts < 1) return QV_ASSERT_FAILED();
    const GEOREF& r = hRef->ref;
    const int method = r.Method;
    if (!ValidMethod(method)) return QV_ASSERT_FAILED();
    if (method == RefHelmert) return HelmertForward(hRef->helmert, pPts, nPts);
    if (method <= RefThirdOrder)
        return PolyForward(PolyOrder(method), hRef->cx, hRef->cy, pPts, nPts);
    if (method == RefCoefficients) return CoeffForward(r, pPts, nPts);
    const CImageRegistration& reg = hRef->reg;
    for (int i = 0; i < nPts; ++i) {
        RPoint q = reg.Transform(RPoint(pPts[i].x, pPts[i].y));
        pPts[i].x = q.x;
        pPts[i].y = q.y;
    }
    return true;
}

bool RefComputeError(HGEOREF hRef, double* pMean, double* pErrors) {
    DebugLog("RefComputeError(%p)\n", static_cast<void*>(hRef));
    if (hRef == nullptr) return false;
    const GEOREF& r = hRef->ref;
    if (!ValidMethod(r.Method) || r.Method == RefCoefficients) return QV_ASSERT_FAILED();
    const int n = r.NumControls;
    if (n < 1 || r.pSrcControls == nullptr || r.pDstControls == nullptr) return QV_ASSERT_FAILED();
    GEOREFPOINT* pWork = CopyPoints(r.pSrcControls, n);
    if (pWork == nullptr) return QV_ASSERT_FAILED();
    if (!RefForward(hRef, pWork, n)) {
        std::free(pWork);
        return false;
    }
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        const double dx = r.pDstControls[i].x - pWork[i].x;
        const double dy = r.pDstControls[i].y - pWork[i].y;
        const double e = std::sqrt(dx * dx + dy * dy);
        if (pErrors) pErrors[i] = e;
        sum += e;
    }
    std::free(pWork);
    if (pMean) *pMean = sum / n;
    return true;
}

bool RefGetHandleInfo(HGEOREF hRef, GEOREF* pOut) {
    if (hRef == nullptr || pOut == nullptr) return false;
    *pOut = hRef->ref;
    return true;
}

bool RefAllocControls(GEOREF* pRef, int count) {
    DebugLog("RefAllocControls(%p, %d)\n", static_cast<void*>(pRef), count);
    if (pRef == nullptr) return false;
    pRef->NumControls = 0;
    pRef->pSrcControls = nullptr;
    pRef->pDstControls = nullptr;
    if (count < 1) return false;
    GEOREFPOINT* pSrc = NewPoints(count);
    GEOREFPOINT* pDst = NewPoints(count);
    if (pSrc == nullptr || pDst == nullptr) {
        std::free(pSrc);
        std::free(pDst);
        return false;
    }
    pRef->pSrcControls = pSrc;
    pRef->pDstControls = pDst;
    pRef->NumControls = count;
    return true;
}

void RefFreeControls(GEOREF* pRef) {
    if (pRef == nullptr) return;
    std::free(pRef->pSrcControls);
    std::free(pRef->pDstControls);
    pRef->pSrcControls = nullptr;
    pRef->pDstControls = nullptr;
    pRef->NumControls = 0;
}

bool RefControlsToCoeff(GEOREF* pRef) {
    DebugLog("RefControlsToCoeff(%p)\n", static_cast<void*>(pRef));
    if (pRef == nullptr) return false;
    if (pRef->Method == RefCoefficients || pRef->Method == RefNone || pRef->NumControls < 3 ||
        pRef->pSrcControls == nullptr || pRef->pDstControls == nullptr)
        return false;
    GEOREF work = *pRef;
    work.Method = RefAffine;
    HGEOREF h = RefCreateSystem(&work);
    if (h == nullptr) return false;
    pRef->A = h->cx[1];
    pRef->B = h->cx[2];
    pRef->C = h->cx[0];
    pRef->D = h->cy[1];
    pRef->E = h->cy[2];
    pRef->F = h->cy[0];
    RefDeleteSystem(h);
    pRef->Method = RefCoefficients;
    return true;
}

bool RefCoeffToControls(GEOREF* pRef, int width, int height) {
    DebugLog("RefCoeffToControls(%p, %d, %d)\n", static_cast<void*>(pRef), width, height);
    if (pRef == nullptr || pRef->Method != RefCoefficients) return false;
    if (width < 1) width = 100;
    if (height < 1) height = 100;
    GEOREFPOINT* pSrc = NewPoints(4);
    GEOREFPOINT* pDst = NewPoints(4);
    if (pSrc == nullptr || pDst == nullptr) {
        std::free(pSrc);
        std::free(pDst);
        return false;
    }
    const double w = width, h = height;
    const GEOREFPOINT corners[4] = {{0.0, 0.0}, {w, 0.0}, {w, h}, {0.0, h}};
    for (int i = 0; i < 4; ++i) {
        const double x = corners[i].x, y = corners[i].y;
        pSrc[i] = corners[i];
        pDst[i].x = pRef->A * x + pRef->B * y + pRef->C;
        pDst[i].y = pRef->D * x + pRef->E * y + pRef->F;
    }
    pRef->pSrcControls = pSrc;
    pRef->pDstControls = pDst;
    pRef->Method = RefAffine;
    pRef->NumControls = 4;
    return true;
}

bool RefResize(GEOREF* pRef, int oldWidth, int oldHeight, int newWidth, int newHeight) {
    DebugLog("RefResize(%p, %d, %d, %d, %d)\n", static_cast<void*>(pRef), oldWidth, oldHeight,
             newWidth, newHeight);
    if (pRef == nullptr || oldWidth < 1 || oldHeight < 1 || newWidth < 1 || newHeight < 1)
        return false;
    const double sx = static_cast<double>(newWidth) / oldWidth;
    const double sy = static_cast<double>(newHeight) / oldHeight;
    const bool wasCoeff = pRef->Method == RefCoefficients;
    const GEOREF before = *pRef;
    if (wasCoeff && !RefCoeffToControls(pRef, oldWidth, oldHeight)) return false;
    if (pRef->pSrcControls != nullptr) {
        for (int i = 0; i < pRef->NumControls; ++i) {
            pRef->pSrcControls[i].x *= sx;
            pRef->pSrcControls[i].y *= sy;
        }
    }
    if (wasCoeff) {
        // The corner controls are ours: they go whether or not the refit
        // works, and a failed refit leaves the record as it came.
        const bool ok = RefControlsToCoeff(pRef);
        RefFreeControls(pRef);
        if (!ok) {
            *pRef = before;
            return false;
        }
    }
    return true;
}

int RefGetCoefficients(HGEOREF hRef, double* cx, double* cy) {
    if (hRef == nullptr) return -1;
    const GEOREF& r = hRef->ref;
    double x[kMaxPolyTerms] = {}, y[kMaxPolyTerms] = {};
    int m = 0;
    if (r.Method == RefHelmert) {
        const double* h = hRef->helmert; // x' = a x - b y + c, y' = b x + a y + d
        x[0] = h[2], x[1] = h[0], x[2] = -h[1];
        y[0] = h[3], y[1] = h[1], y[2] = h[0];
        m = 3;
    } else if (r.Method == RefCoefficients) {
        x[0] = r.C, x[1] = r.A, x[2] = r.B;
        y[0] = r.F, y[1] = r.D, y[2] = r.E;
        m = 3;
    } else if (r.Method >= RefAffine && r.Method <= RefThirdOrder) {
        m = PolyTermCount(PolyOrder(r.Method));
        for (int j = 0; j < m; ++j) x[j] = hRef->cx[j], y[j] = hRef->cy[j];
    }
    for (int j = 0; j < m; ++j) {
        if (cx) cx[j] = x[j];
        if (cy) cy[j] = y[j];
    }
    return m;
}

const char* RefTermName(TransformMethod method, int term) {
    // Helmert and known coefficients come out as the affine terms.
    const int order = method == RefHelmert || method == RefCoefficients ? 1 : PolyOrder(method);
    const char* name = PolyTermName(order, term);
    return name ? name : "";
}

int RefMinControls(TransformMethod method) {
    if (!ValidMethod(method)) return -1;
    if (method == RefHelmert) return kHelmertMinControls;
    if (method == RefCoefficients) return 0;
    if (method <= RefThirdOrder) return PolyTermCount(PolyOrder(method));
    return kWarpChain[method - RefThinPlateSpline].minPairs;
}

const char* RefMethodName(TransformMethod method) {
    const int m = method;
    return ValidMethod(m) ? kMethodNames[m] : "";
}

// ------------------------------------------------------- CGeorefTransform

CGeorefTransform::CGeorefTransform() : m_hRef(nullptr) {}

CGeorefTransform::CGeorefTransform(const GEOREF* pRef) : m_hRef(RefCreateSystem(pRef)) {}

CGeorefTransform::CGeorefTransform(const CGeorefTransform& other)
    : m_hRef(other.m_hRef ? RefCreateSystem(&other.m_hRef->ref) : nullptr) {}

CGeorefTransform& CGeorefTransform::operator=(const CGeorefTransform& other) {
    if (this != &other) {
        Delete();
        if (other.m_hRef) m_hRef = RefCreateSystem(&other.m_hRef->ref);
    }
    return *this;
}

CGeorefTransform::~CGeorefTransform() {
    Delete();
}

bool CGeorefTransform::Create(const GEOREF* pRef) {
    Delete();
    m_hRef = RefCreateSystem(pRef);
    return m_hRef != nullptr;
}

void CGeorefTransform::Delete() {
    RefDeleteSystem(m_hRef);
    m_hRef = nullptr;
}

bool CGeorefTransform::IsCreated() const {
    return m_hRef != nullptr;
}

bool CGeorefTransform::Forward(GEOREFPOINT* pPts, int nPts) const {
    return RefForward(m_hRef, pPts, nPts);
}

bool CGeorefTransform::ComputeError(double* pMean, double* pErrors) const {
    return RefComputeError(m_hRef, pMean, pErrors);
}

bool CGeorefTransform::GetInfo(GEOREF* pOut) const {
    return RefGetHandleInfo(m_hRef, pOut);
}

} // namespace QVProj
