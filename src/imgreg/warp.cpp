// The warping models: five radial basis splines, inverse distance squared,
// the least-squares models of fixed form, translation and identity.
#include "imgreg/warp.h"

#include <cmath>
#include <cstddef>

namespace QVProj {

namespace {

int Count(const RPoints& pts) {
    return static_cast<int>(pts.size());
}

bool SameLength(const RPoints& src, const RPoints& dst) {
    bool ok = src.size() == dst.size();
    Verify(ok);
    return ok;
}

} // namespace

// ------------------------------------------------------------- Normalize

void CWarpModel::Normalize(const RPoints& src) {
    const int n = Count(src);
    CenterX = CenterY = 0.0;
    Scale = 1.0;
    if (n >= 2) {
        double minX = src[0].x, maxX = src[0].x, minY = src[0].y, maxY = src[0].y;
        for (const RPoint& p : src) {
            if (p.x < minX) minX = p.x;
            if (p.x > maxX) maxX = p.x;
            if (p.y < minY) minY = p.y;
            if (p.y > maxY) maxY = p.y;
        }
        CenterX = (minX + maxX) / 2.0;
        CenterY = (minY + maxY) / 2.0;
        double sx = maxX - minX, sy = maxY - minY;
        Scale = (sx > sy ? sx : sy) / 2.0;
        if (Scale < kTiny) Scale = 1.0;
    }
    NormX.Resize(n);
    NormY.Resize(n);
    for (int i = 0; i < n; ++i) {
        NormX(i) = (src[static_cast<std::size_t>(i)].x - CenterX) / Scale;
        NormY(i) = (src[static_cast<std::size_t>(i)].y - CenterY) / Scale;
    }
}

// ------------------------------------------------ polynomial terms

namespace {

constexpr int kMaxTerms = 6;

void Terms(double u, double v, double* t) {
    t[0] = 1.0;
    t[1] = u;
    t[2] = v;
    t[3] = u * v;
    t[4] = u * u;
    t[5] = v * v;
}

} // namespace

bool CWarpModel::FitTerms(const RPoints& dst, int nTerms, RMatrix& coeffs) const {
    const int n = NormX.Count();
    RMatrix M(n, nTerms), B(n, 2);
    double t[kMaxTerms];
    for (int i = 0; i < n; ++i) {
        Terms(NormX(i), NormY(i), t);
        for (int k = 0; k < nTerms; ++k) M(i, k) = t[k];
        B(i, 0) = dst[static_cast<std::size_t>(i)].x;
        B(i, 1) = dst[static_cast<std::size_t>(i)].y;
    }
    coeffs.Resize(nTerms, 2);
    if (LeastSquares(M, coeffs, B)) return true;
    coeffs.Resize(0, 0);
    return false;
}

RPoint CWarpModel::EvalTerms(const RMatrix& coeffs, int nTerms, double u, double v) {
    double t[kMaxTerms];
    Terms(u, v, t);
    const double* c = coeffs.Data();
    double x = c[0], y = c[1];
    for (int k = 1; k < nTerms; ++k) {
        x += c[2 * k] * t[k];
        y += c[2 * k + 1] * t[k];
    }
    return RPoint(x, y);
}

// ------------------------------------------------------ radial splines

double CThinPlateSplineWarp::Kernel(double dx, double dy) const {
    double r2 = dx * dx + dy * dy;
    return r2 <= kTiny ? 0.0 : 0.5 * r2 * std::log(r2);
}

double CNaturalCubicSplineWarp::Kernel(double dx, double dy) const {
    double r2 = dx * dx + dy * dy;
    return r2 * std::sqrt(r2);
}

double CMarcovSplineWarp::Kernel(double dx, double dy) const {
    return -std::sqrt(dx * dx + dy * dy);
}

double CExponentialSplineWarp::Kernel(double dx, double dy) const {
    return std::exp(-std::sqrt(dx * dx + dy * dy));
}

double CRationalQuadraticSplineWarp::Kernel(double dx, double dy) const {
    double r2 = dx * dx + dy * dy;
    return -(r2 / (r2 + 1.0));
}

bool CRadialSplineWarp::Fit(const RPoints& src, const RPoints& dst) {
    if (!SameLength(src, dst)) return false;
    const int n = Count(src);
    if (n < kWarpChain[WarpThinPlateSpline].minPairs) return false;
    Normalize(src);

    RMatrix K(n, n);
    const double k0 = Kernel(0.0, 0.0);
    const double* u = NormX.Data();
    const double* v = NormY.Data();
    double* k = K.Data();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < i; ++j) {
            double kij = Kernel(u[i] - u[j], v[i] - v[j]);
            k[static_cast<std::size_t>(i) * n + j] = kij;
            k[static_cast<std::size_t>(j) * n + i] = kij;
        }
        k[static_cast<std::size_t>(i) * n + i] = k0;
    }
    RMatrix P(3, n);
    for (int i = 0; i < n; ++i) {
        P(0, i) = 1.0;
        P(1, i) = u[i];
        P(2, i) = v[i];
    }
    RVector bx(n), by(n);
    for (int i = 0; i < n; ++i) {
        bx(i) = dst[static_cast<std::size_t>(i)].x;
        by(i) = dst[static_cast<std::size_t>(i)].y;
    }
    Weights.Resize(n, 2);
    Affine.Resize(3, 2);

    RVector wx(n), ax(3), wy(n), ay(3);
    if (SolveSplineCG(K, P, bx, wx, ax) && SolveSplineCG(K, P, by, wy, ay)) {
        for (int i = 0; i < n; ++i) {
            Weights(i, 0) = wx(i);
            Weights(i, 1) = wy(i);
        }
        for (int i = 0; i < 3; ++i) {
            Affine(i, 0) = ax(i);
            Affine(i, 1) = ay(i);
        }
        return true;
    }

    RMatrix B(n, 2);
    for (int i = 0; i < n; ++i) {
        B(i, 0) = bx(i);
        B(i, 1) = by(i);
    }
    if (SolveSplineDirect(K, P, B, Weights, Affine)) return true;
    Weights.Resize(0, 0);
    Affine.Resize(0, 0);
    return false;
}

RPoint CRadialSplineWarp::Transform(const RPoint& p) const {
    const int n = NormX.Count();
    bool ok = n > 0 && NormY.Count() == n && Weights.Rows() == n && Weights.Cols() == 2 &&
              Affine.Rows() == 3 && Affine.Cols() == 2;
    Verify(ok);
    if (!ok) return p;
    const double u = (p.x - CenterX) / Scale;
    const double v = (p.y - CenterY) / Scale;
    const double* a = Affine.Data();
    double x = a[0] + a[2] * u + a[4] * v;
    double y = a[1] + a[3] * u + a[5] * v;
    const double* w = Weights.Data();
    const double* nu = NormX.Data();
    const double* nv = NormY.Data();
    for (int i = 0; i < n; ++i) {
        double kern = Kernel(u - nu[i], v - nv[i]);
        x += w[2 * i] * kern;
        y += w[2 * i + 1] * kern;
    }
    return RPoint(x, y);
}

// ------------------------------------------------------ inverse distance

bool CInverseDistanceWarp::Fit(const RPoints& src, const RPoints& dst) {
    if (!SameLength(src, dst)) return false;
    const int n = Count(src);
    if (n < kWarpChain[WarpInverseDistanceSquared].minPairs) return false;
    Normalize(src);
    if (!FitTerms(dst, 3, Trend)) return false;
    ResidualX.Resize(n);
    ResidualY.Resize(n);
    for (int i = 0; i < n; ++i) {
        const RPoint trend = EvalTerms(Trend, 3, NormX(i), NormY(i));
        ResidualX(i) = dst[static_cast<std::size_t>(i)].x - trend.x;
        ResidualY(i) = dst[static_cast<std::size_t>(i)].y - trend.y;
    }
    return true;
}

RPoint CInverseDistanceWarp::Transform(const RPoint& p) const {
    const int n = NormX.Count();
    bool ok = n > 0 && NormY.Count() == n && Trend.Rows() == 3 && Trend.Cols() == 2 &&
              ResidualX.Count() == n && ResidualY.Count() == n;
    Verify(ok);
    if (!ok) return p;
    const double u = (p.x - CenterX) / Scale;
    const double v = (p.y - CenterY) / Scale;
    const RPoint trend = EvalTerms(Trend, 3, u, v);
    const double tx = trend.x, ty = trend.y;
    const double* nu = NormX.Data();
    const double* nv = NormY.Data();
    const double* rx = ResidualX.Data();
    const double* ry = ResidualY.Data();
    double sw = 0.0, sx = 0.0, sy = 0.0;
    for (int i = 0; i < n; ++i) {
        double du = u - nu[i], dv = v - nv[i];
        double d2 = du * du + dv * dv;
        double w = d2 <= kTiny ? 1.0 / kTiny : 1.0 / d2;
        sw += w;
        sx += w * rx[i];
        sy += w * ry[i];
    }
    return RPoint(tx + sx / sw, ty + sy / sw);
}

// ------------------------------------------------ least-squares models

bool CPolynomial2Warp::Fit(const RPoints& src, const RPoints& dst) {
    bool ok = false;
    if (SameLength(src, dst) && Count(src) >= kWarpChain[WarpPolynomial2].minPairs) {
        Normalize(src);
        ok = FitTerms(dst, 6, Coeffs);
    }
    NormX.Resize(0);
    NormY.Resize(0);
    return ok;
}

RPoint CPolynomial2Warp::Transform(const RPoint& p) const {
    bool ok = Coeffs.Rows() == 6 && Coeffs.Cols() == 2;
    Verify(ok);
    if (!ok) return p;
    return EvalTerms(Coeffs, 6, (p.x - CenterX) / Scale, (p.y - CenterY) / Scale);
}

bool CAffineWarp::Fit(const RPoints& src, const RPoints& dst) {
    bool ok = false;
    if (SameLength(src, dst) && Count(src) >= kWarpChain[WarpAffine].minPairs) {
        Normalize(src);
        ok = FitTerms(dst, 3, Coeffs);
    }
    NormX.Resize(0);
    NormY.Resize(0);
    return ok;
}

RPoint CAffineWarp::Transform(const RPoint& p) const {
    bool ok = Coeffs.Rows() == 3 && Coeffs.Cols() == 2;
    Verify(ok);
    if (!ok) return p;
    return EvalTerms(Coeffs, 3, (p.x - CenterX) / Scale, (p.y - CenterY) / Scale);
}

bool CSimilarityWarp::Fit(const RPoints& src, const RPoints& dst) {
    bool ok = false;
    const int n = Count(src);
    if (SameLength(src, dst) && n >= kWarpChain[WarpSimilarity].minPairs) {
        Normalize(src);
        RMatrix M(2 * n, 4);
        RVector b(2 * n);
        for (int i = 0; i < n; ++i) {
            double u = NormX(i), v = NormY(i);
            M(2 * i, 0) = 1.0;
            M(2 * i, 2) = u;
            M(2 * i, 3) = v;
            b(2 * i) = dst[static_cast<std::size_t>(i)].x;
            M(2 * i + 1, 1) = 1.0;
            M(2 * i + 1, 2) = v;
            M(2 * i + 1, 3) = -u;
            b(2 * i + 1) = dst[static_cast<std::size_t>(i)].y;
        }
        Params.Resize(4);
        ok = LeastSquares(M, Params, b);
        if (!ok) Params.Resize(0);
    }
    NormX.Resize(0);
    NormY.Resize(0);
    return ok;
}

RPoint CSimilarityWarp::Transform(const RPoint& p) const {
    bool ok = Params.Count() == 4;
    Verify(ok);
    if (!ok) return p;
    const double u = (p.x - CenterX) / Scale;
    const double v = (p.y - CenterY) / Scale;
    const double* q = Params.Data();
    return RPoint(q[0] + q[2] * u + q[3] * v, q[1] + q[2] * v - q[3] * u);
}

bool CAxisScaleWarp::Fit(const RPoints& src, const RPoints& dst) {
    bool ok = false;
    const int n = Count(src);
    if (SameLength(src, dst) && n >= kWarpChain[WarpAxisScale].minPairs) {
        Normalize(src);
        RMatrix M(n, 2);
        RVector b(n), x(2);
        for (int i = 0; i < n; ++i) {
            M(i, 0) = 1.0;
            M(i, 1) = NormX(i);
            b(i) = dst[static_cast<std::size_t>(i)].x;
        }
        Coeffs.Resize(2, 2);
        if (LeastSquares(M, x, b)) {
            Coeffs(0, 0) = x(0);
            Coeffs(1, 0) = x(1);
            for (int i = 0; i < n; ++i) {
                M(i, 0) = 1.0;
                M(i, 1) = NormY(i);
                b(i) = dst[static_cast<std::size_t>(i)].y;
            }
            if (LeastSquares(M, x, b)) {
                Coeffs(0, 1) = x(0);
                Coeffs(1, 1) = x(1);
                ok = true;
            }
        }
        if (!ok) Coeffs.Resize(0, 0);
    }
    NormX.Resize(0);
    NormY.Resize(0);
    return ok;
}

RPoint CAxisScaleWarp::Transform(const RPoint& p) const {
    bool ok = Coeffs.Rows() == 2 && Coeffs.Cols() == 2;
    Verify(ok);
    if (!ok) return p;
    const double u = (p.x - CenterX) / Scale;
    const double v = (p.y - CenterY) / Scale;
    const double* c = Coeffs.Data();
    return RPoint(c[0] + c[2] * u, c[1] + c[3] * v);
}

bool CUniformScaleWarp::Fit(const RPoints& src, const RPoints& dst) {
    bool ok = false;
    const int n = Count(src);
    if (SameLength(src, dst) && n >= kWarpChain[WarpUniformScale].minPairs) {
        Normalize(src);
        RMatrix M(2 * n, 3);
        RVector b(2 * n);
        for (int i = 0; i < n; ++i) {
            M(2 * i, 0) = 1.0;
            M(2 * i, 2) = NormX(i);
            b(2 * i) = dst[static_cast<std::size_t>(i)].x;
            M(2 * i + 1, 1) = 1.0;
            M(2 * i + 1, 2) = NormY(i);
            b(2 * i + 1) = dst[static_cast<std::size_t>(i)].y;
        }
        Params.Resize(3);
        ok = LeastSquares(M, Params, b);
        if (!ok) Params.Resize(0);
    }
    NormX.Resize(0);
    NormY.Resize(0);
    return ok;
}

RPoint CUniformScaleWarp::Transform(const RPoint& p) const {
    bool ok = Params.Count() == 3;
    Verify(ok);
    if (!ok) return p;
    const double u = (p.x - CenterX) / Scale;
    const double v = (p.y - CenterY) / Scale;
    const double* q = Params.Data();
    return RPoint(q[0] + q[2] * u, q[1] + q[2] * v);
}

// ----------------------------------------------- translation, identity

bool CTranslationWarp::Fit(const RPoints& src, const RPoints& dst) {
    if (!SameLength(src, dst)) return false;
    const int n = Count(src);
    if (n < kWarpChain[WarpTranslation].minPairs) return false;
    double sx = 0.0, sy = 0.0;
    for (std::size_t i = 0; i < src.size(); ++i) {
        sx += dst[i].x - src[i].x;
        sy += dst[i].y - src[i].y;
    }
    ShiftX = sx / n;
    ShiftY = sy / n;
    return true;
}

RPoint CTranslationWarp::Transform(const RPoint& p) const {
    return RPoint(p.x + ShiftX, p.y + ShiftY);
}

CWarpModel* NewWarpModel(int method) {
    switch (method) {
    case WarpThinPlateSpline:
        return new CThinPlateSplineWarp;
    case WarpNaturalCubicSpline:
        return new CNaturalCubicSplineWarp;
    case WarpMarcovSpline:
        return new CMarcovSplineWarp;
    case WarpExponentialSpline:
        return new CExponentialSplineWarp;
    case WarpRationalQuadraticSpline:
        return new CRationalQuadraticSplineWarp;
    case WarpInverseDistanceSquared:
        return new CInverseDistanceWarp;
    case WarpPolynomial2:
        return new CPolynomial2Warp;
    case WarpAffine:
        return new CAffineWarp;
    case WarpSimilarity:
        return new CSimilarityWarp;
    case WarpAxisScale:
        return new CAxisScaleWarp;
    case WarpUniformScale:
        return new CUniformScaleWarp;
    case WarpTranslation:
        return new CTranslationWarp;
    case WarpIdentity:
        return new CIdentityWarp;
    default:
        return nullptr;
    }
}

} // namespace QVProj
