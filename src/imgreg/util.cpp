// Dense vectors and matrices, the precondition check and the solvers of the
// warping models: Cholesky, projected conjugate gradients for the spline
// saddle system, its eigen-decomposition fallback, and modified Gram-Schmidt
// least squares.
#include "imgreg/util.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "frame/report.h"

namespace QVProj {

namespace {

// What an out-of-range element access reads and writes instead of memory
// it does not own.
thread_local double t_scratch = 0.0;

double* NewZeroed(std::size_t n) {
    double* p = new double[n];
    std::memset(p, 0, n * sizeof(double));
    return p;
}

} // namespace

void AssertionReport(const char* pExpr, const char* pUnit, int line) {
    if (DebugLogIsOn()) DebugLog("Assertion failed: %s, file %s, line %d\n", pExpr, pUnit, line);
}

void Verify(bool bExpr) {
    if (!bExpr) AssertionReport("bExpr", "Util", 20);
}

// ---------------------------------------------------------------- RVector

RVector::RVector(int n) {
    Verify(n >= 0);
    if (n > 0) {
        data = NewZeroed(static_cast<std::size_t>(n));
        count = n;
    }
}

RVector::RVector(const RVector& other) {
    if (other.count > 0) {
        data = new double[static_cast<std::size_t>(other.count)];
        std::memcpy(data, other.data, static_cast<std::size_t>(other.count) * sizeof(double));
        count = other.count;
    }
}

RVector& RVector::operator=(const RVector& other) {
    if (this != &other) {
        RVector copy(other);
        *this = std::move(copy);
    }
    return *this;
}

RVector::RVector(RVector&& other) noexcept : count(other.count), data(other.data) {
    other.count = 0;
    other.data = nullptr;
}

RVector& RVector::operator=(RVector&& other) noexcept {
    if (this != &other) {
        delete[] data;
        count = other.count;
        data = other.data;
        other.count = 0;
        other.data = nullptr;
    }
    return *this;
}

RVector::~RVector() {
    delete[] data;
}

void RVector::Resize(int n) {
    Verify(n >= 0);
    if (n == count) return;
    delete[] data;
    data = nullptr;
    count = 0;
    if (n > 0) {
        data = NewZeroed(static_cast<std::size_t>(n));
        count = n;
    }
}

double& RVector::operator()(int i) {
    bool ok = i >= 0 && i < count;
    Verify(ok);
    return ok ? data[i] : (t_scratch = 0.0);
}

double RVector::operator()(int i) const {
    bool ok = i >= 0 && i < count;
    Verify(ok);
    return ok ? data[i] : 0.0;
}

// ---------------------------------------------------------------- RMatrix

RMatrix::RMatrix(int r, int c) {
    Verify(r >= 0 && c >= 0);
    if (r > 0 && c > 0) {
        data = NewZeroed(static_cast<std::size_t>(r) * static_cast<std::size_t>(c));
        rows = r;
        cols = c;
    }
}

RMatrix::RMatrix(const RMatrix& other) {
    if (other.rows > 0) {
        std::size_t n = static_cast<std::size_t>(other.rows) * static_cast<std::size_t>(other.cols);
        data = new double[n];
        std::memcpy(data, other.data, n * sizeof(double));
        rows = other.rows;
        cols = other.cols;
    }
}

RMatrix& RMatrix::operator=(const RMatrix& other) {
    if (this != &other) {
        RMatrix copy(other);
        *this = std::move(copy);
    }
    return *this;
}

RMatrix::RMatrix(RMatrix&& other) noexcept : rows(other.rows), cols(other.cols), data(other.data) {
    other.rows = other.cols = 0;
    other.data = nullptr;
}

RMatrix& RMatrix::operator=(RMatrix&& other) noexcept {
    if (this != &other) {
        delete[] data;
        rows = other.rows;
        cols = other.cols;
        data = other.data;
        other.rows = other.cols = 0;
        other.data = nullptr;
    }
    return *this;
}

RMatrix::~RMatrix() {
    delete[] data;
}

void RMatrix::Resize(int r, int c) {
    Verify(r >= 0 && c >= 0);
    if (r < 1 || c < 1) r = c = 0;
    if (r == rows && c == cols) return;
    delete[] data;
    data = nullptr;
    rows = cols = 0;
    if (r > 0) {
        data = NewZeroed(static_cast<std::size_t>(r) * static_cast<std::size_t>(c));
        rows = r;
        cols = c;
    }
}

void RMatrix::Identity(int order) {
    Resize(order, order);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) data[i * cols + j] = (i == j) ? 1.0 : 0.0;
}

double& RMatrix::operator()(int i, int j) {
    bool ok = i >= 0 && i < rows && j >= 0 && j < cols;
    Verify(ok);
    return ok ? data[i * cols + j] : (t_scratch = 0.0);
}

double RMatrix::operator()(int i, int j) const {
    bool ok = i >= 0 && i < rows && j >= 0 && j < cols;
    Verify(ok);
    return ok ? data[i * cols + j] : 0.0;
}

// ------------------------------------------------- products and updates
// The sizes are checked once per call; the loops then run on the arrays.

void MatVec(const RMatrix& A, const RVector& x, RVector& y) {
    bool ok = A.Cols() == x.Count() && &x != &y;
    Verify(ok);
    if (!ok) return;
    y.Resize(A.Rows());
    const int n = A.Cols();
    const double* a = A.Data();
    const double* px = x.Data();
    double* py = y.Data();
    // Four running sums let the compiler keep the multiply-adds in vector
    // registers; this product is the whole cost of a conjugate gradient step.
    for (int i = 0; i < A.Rows(); ++i) {
        const double* row = a + static_cast<std::size_t>(i) * n;
        double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
        int j = 0;
        for (; j + 4 <= n; j += 4) {
            s0 += row[j] * px[j];
            s1 += row[j + 1] * px[j + 1];
            s2 += row[j + 2] * px[j + 2];
            s3 += row[j + 3] * px[j + 3];
        }
        for (; j < n; ++j) s0 += row[j] * px[j];
        py[i] = (s0 + s1) + (s2 + s3);
    }
}

void MatMul(const RMatrix& A, const RMatrix& B, RMatrix& Y) {
    bool ok = A.Cols() == B.Rows() && &Y != &A && &Y != &B;
    Verify(ok);
    if (!ok) return;
    Y.Resize(A.Rows(), B.Cols());
    for (int i = 0; i < A.Rows(); ++i)
        for (int j = 0; j < B.Cols(); ++j) {
            double s = 0.0;
            for (int l = 0; l < A.Cols(); ++l)
                s += A.Data()[i * A.Cols() + l] * B.Data()[l * B.Cols() + j];
            Y.Data()[i * Y.Cols() + j] = s;
        }
}

void MatTransMul(const RMatrix& A, const RMatrix& B, RMatrix& Y) {
    bool ok = A.Rows() == B.Rows() && &Y != &A && &Y != &B;
    Verify(ok);
    if (!ok) return;
    Y.Resize(A.Cols(), B.Cols());
    for (int i = 0; i < A.Cols(); ++i)
        for (int j = 0; j < B.Cols(); ++j) {
            double s = 0.0;
            for (int l = 0; l < A.Rows(); ++l)
                s += A.Data()[l * A.Cols() + i] * B.Data()[l * B.Cols() + j];
            Y.Data()[i * Y.Cols() + j] = s;
        }
}

void MatMulTrans(const RMatrix& A, const RMatrix& B, RMatrix& Y) {
    bool ok = A.Cols() == B.Cols() && &Y != &A && &Y != &B;
    Verify(ok);
    if (!ok) return;
    Y.Resize(A.Rows(), B.Rows());
    for (int i = 0; i < A.Rows(); ++i)
        for (int j = 0; j < B.Rows(); ++j) {
            double s = 0.0;
            for (int l = 0; l < A.Cols(); ++l)
                s += A.Data()[i * A.Cols() + l] * B.Data()[j * B.Cols() + l];
            Y.Data()[i * Y.Cols() + j] = s;
        }
}

void VecSub(const RVector& a, const RVector& b, RVector& c) {
    bool ok = a.Count() == b.Count();
    Verify(ok);
    if (!ok) return;
    c.Resize(a.Count());
    for (int i = 0; i < a.Count(); ++i) c.Data()[i] = a.Data()[i] - b.Data()[i];
}

void VecAddScaled(RVector& y, double alpha, const RVector& x) {
    bool ok = y.Count() == x.Count();
    Verify(ok);
    if (!ok) return;
    for (int i = 0; i < y.Count(); ++i) y.Data()[i] += alpha * x.Data()[i];
}

void VecScaleAdd(RVector& x, double beta, const RVector& y) {
    bool ok = x.Count() == y.Count();
    Verify(ok);
    if (!ok) return;
    for (int i = 0; i < x.Count(); ++i) x.Data()[i] = beta * x.Data()[i] + y.Data()[i];
}

double Dot(const RVector& a, const RVector& b) {
    bool ok = a.Count() == b.Count();
    Verify(ok);
    if (!ok) return 0.0;
    double s = 0.0;
    for (int i = 0; i < a.Count(); ++i) s += a.Data()[i] * b.Data()[i];
    return s;
}

void Stack(const RMatrix& A, const RMatrix& B, RMatrix& Y) {
    bool ok = A.Cols() == B.Cols() && &Y != &A && &Y != &B;
    Verify(ok);
    if (!ok) return;
    Y.Resize(A.Rows() + B.Rows(), A.Cols());
    std::size_t na = static_cast<std::size_t>(A.Rows()) * A.Cols();
    std::size_t nb = static_cast<std::size_t>(B.Rows()) * B.Cols();
    if (na) std::memcpy(Y.Data(), A.Data(), na * sizeof(double));
    if (nb) std::memcpy(Y.Data() + na, B.Data(), nb * sizeof(double));
}

void Saddle(const RMatrix& K, const RMatrix& P, const RMatrix& Z, RMatrix& S) {
    const int n = K.Rows(), m = P.Rows();
    bool ok = K.Cols() == n && P.Cols() == n && Z.Rows() == m && Z.Cols() == m && &S != &K &&
              &S != &P && &S != &Z;
    Verify(ok);
    if (!ok) return;
    S.Resize(n + m, n + m);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) S(i, j) = K(i, j);
    for (int k = 0; k < m; ++k)
        for (int j = 0; j < n; ++j) {
            S(n + k, j) = P(k, j);
            S(j, n + k) = P(k, j);
        }
    for (int k = 0; k < m; ++k)
        for (int l = 0; l < m; ++l) S(n + k, n + l) = Z(k, l);
}

double OffDiagonalSum(const RMatrix& A) {
    bool ok = A.Rows() == A.Cols();
    Verify(ok);
    if (!ok) return 0.0;
    const int k = A.Rows();
    double s = 0.0;
    for (int i = 0; i < k; ++i)
        for (int j = i + 1; j < k; ++j) s += std::fabs(A.Data()[i * k + j]);
    return 2.0 * s;
}

// ------------------------------------------------------------- Cholesky

bool CholeskyDecompose(RMatrix& A) {
    bool ok = !A.Empty() && A.Rows() == A.Cols();
    Verify(ok);
    if (!ok) return false;
    const int k = A.Rows();
    double* a = A.Data();
    for (int j = 0; j < k; ++j) {
        if (j > 0) {
            for (int i = j; i < k; ++i) {
                double s = 0.0;
                for (int l = 0; l < j; ++l) s += a[i * k + l] * a[j * k + l];
                a[i * k + j] -= s;
            }
        }
        if (a[j * k + j] < kTiny) return false;
        a[j * k + j] = std::sqrt(a[j * k + j]);
        for (int i = j + 1; i < k; ++i) a[i * k + j] /= a[j * k + j];
    }
    return true;
}

void CholeskySolve(const RMatrix& L, RVector& b) {
    bool ok = !L.Empty() && L.Rows() == L.Cols() && b.Count() == L.Rows();
    Verify(ok);
    if (!ok) return;
    const int k = L.Rows();
    const double* l = L.Data();
    double* x = b.Data();
    for (int i = 0; i < k; ++i) {
        double s = x[i];
        for (int j = 0; j < i; ++j) s -= l[i * k + j] * x[j];
        x[i] = s / l[i * k + i];
    }
    for (int i = k - 1; i >= 0; --i) {
        double s = x[i];
        for (int j = i + 1; j < k; ++j) s -= l[j * k + i] * x[j];
        x[i] = s / l[i * k + i];
    }
}

void ProjectOut(const RMatrix& P, const RMatrix& G, RVector& v, RVector& a) {
    const int m = P.Rows(), n = P.Cols();
    bool ok = v.Count() == n && G.Rows() == m && &v != &a;
    Verify(ok);
    if (!ok) return;
    MatVec(P, v, a);
    CholeskySolve(G, a);
    const double* p = P.Data();
    double* pv = v.Data();
    const double* pa = a.Data();
    for (int j = 0; j < n; ++j) {
        double s = 0.0;
        for (int k = 0; k < m; ++k) s += p[k * n + j] * pa[k];
        pv[j] -= s;
    }
}

// ----------------------------------------------- spline saddle systems

bool SolveSplineCG(const RMatrix& K, const RMatrix& P, const RVector& b, RVector& w, RVector& a) {
    const int n = K.Cols(), m = P.Rows();
    bool ok = !K.Empty() && P.Cols() == n && b.Count() == K.Rows() && w.Count() == n &&
              a.Count() == m && &b != &w && &b != &a && &w != &a && &K != &P;
    Verify(ok);
    if (!ok) return false;

    RMatrix G;
    MatMulTrans(P, P, G);
    if (!CholeskyDecompose(G)) return false;

    const double s = 1e-16 * Dot(b, b);
    const double tol = (s <= kEps) ? kEps : s;

    RVector r, p, q;
    double rr = 0.0;
    for (int pass = 0; pass < 5; ++pass) {
        ProjectOut(P, G, w, a);
        MatVec(K, w, q);
        VecSub(b, q, r);
        ProjectOut(P, G, r, a);
        rr = Dot(r, r);
        if (rr < tol) break;
        p = r;
        for (int step = 0; step < n - m; ++step) {
            MatVec(K, p, q);
            double pq = Dot(p, q);
            if (pq < kEps) break;
            double alpha = rr / pq;
            VecAddScaled(w, alpha, p);
            VecAddScaled(r, -alpha, q);
            ProjectOut(P, G, r, a);
            double rr2 = Dot(r, r);
            if (rr2 < tol) break;
            VecScaleAdd(p, rr2 / rr, r);
            rr = rr2;
        }
    }
    return rr <= tol;
}

bool SolveSplineDirect(const RMatrix& K, const RMatrix& P, const RMatrix& B, RMatrix& W,
                       RMatrix& A) {
    const int n = K.Rows(), m = P.Rows(), r = B.Cols();
    bool ok = !K.Empty() && K.Cols() == n && P.Cols() == n && B.Rows() == n && !B.Empty() &&
              &B != &W && &B != &A && &W != &A;
    Verify(ok);
    if (!ok) return false;

    RMatrix Z(m, m), S;
    Saddle(K, P, Z, S);
    RVector d;
    if (!JacobiEigen(S, d)) return false;
    W.Resize(n, r);
    A.Resize(m, r);
    RMatrix zeros(m, r), R;
    Stack(B, zeros, R);
    EigenSolve(S, d, R);
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < r; ++c) W(i, c) = R(i, c);
    for (int i = 0; i < m; ++i)
        for (int c = 0; c < r; ++c) A(i, c) = R(n + i, c);
    return true;
}

// ------------------------------------------------------- eigenproblems

bool JacobiEigen(RMatrix& A, RVector& d) {
    bool ok = !A.Empty() && A.Rows() == A.Cols();
    Verify(ok);
    if (!ok) return false;
    const int k = A.Rows();
    double* a = A.Data();
    RMatrix V;
    V.Identity(k);
    double* v = V.Data();
    const double threshold = 1e-16 * OffDiagonalSum(A);

    bool converged = false;
    for (int sweep = 1; sweep <= 60; ++sweep) {
        double off = OffDiagonalSum(A);
        if (off < threshold) {
            converged = true;
            break;
        }
        double t0 = off / (static_cast<double>(sweep) * k * k);
        for (int p = 0; p < k; ++p) {
            for (int q = p + 1; q < k; ++q) {
                double apq = a[p * k + q];
                if (std::fabs(apq) <= t0) continue;
                double theta = (a[q * k + q] - a[p * k + p]) / (2.0 * apq);
                double t = theta < 0 ? -1.0 / (std::hypot(1.0, theta) - theta)
                                     : 1.0 / (std::hypot(1.0, theta) + theta);
                double c = 1.0 / std::hypot(1.0, t);
                double s = t * c;
                for (int l = 0; l < p; ++l) {
                    double x = a[l * k + p], y = a[l * k + q];
                    a[l * k + p] = c * x - s * y;
                    a[l * k + q] = s * x + c * y;
                }
                for (int l = p + 1; l < q; ++l) {
                    double x = a[p * k + l], y = a[l * k + q];
                    a[p * k + l] = c * x - s * y;
                    a[l * k + q] = s * x + c * y;
                }
                for (int l = q + 1; l < k; ++l) {
                    double x = a[p * k + l], y = a[q * k + l];
                    a[p * k + l] = c * x - s * y;
                    a[q * k + l] = s * x + c * y;
                }
                a[p * k + p] -= t * apq;
                a[q * k + q] += t * apq;
                a[p * k + q] = 0.0;
                for (int l = 0; l < k; ++l) {
                    double x = v[l * k + p], y = v[l * k + q];
                    v[l * k + p] = c * x - s * y;
                    v[l * k + q] = s * x + c * y;
                }
            }
        }
    }

    // Decreasing magnitude; a later eigenvalue goes ahead of every earlier
    // one whose magnitude is not larger.
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) {
        double mag = std::fabs(a[i * k + i]);
        std::size_t pos = order.size();
        while (pos > 0 && std::fabs(a[order[pos - 1] * k + order[pos - 1]]) <= mag) --pos;
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(pos), i);
    }
    d.Resize(k);
    for (int c = 0; c < k; ++c) d(c) = a[order[c] * k + order[c]];
    for (int c = 0; c < k; ++c)
        for (int l = 0; l < k; ++l) a[l * k + c] = v[l * k + order[c]];
    return converged;
}

void EigenSolve(const RMatrix& V, const RVector& d, RMatrix& B) {
    const int k = V.Rows();
    bool ok = k > 0 && V.Cols() == k && d.Count() == k && B.Rows() == k && &B != &V;
    Verify(ok);
    if (!ok) return;
    const double cut = 1e-6 * std::fabs(d(0));
    RMatrix T;
    MatTransMul(V, B, T);
    for (int i = 0; i < k; ++i) {
        double di = d(i);
        bool drop = std::fabs(di) <= cut;
        for (int c = 0; c < T.Cols(); ++c) T(i, c) = drop ? 0.0 : T(i, c) / di;
    }
    MatMul(V, T, B);
}

// -------------------------------------------------------- least squares

namespace {

// Modified Gram-Schmidt on the columns of M (m x k), applied as it goes to
// the r columns of the right-hand side b (m x r, row-major); the projections
// land in x (k x r, row-major) and are then back-substituted.
bool GramSchmidt(RMatrix& M, double* x, double* b, int r) {
    const int m = M.Rows(), k = M.Cols();
    double* a = M.Data();
    RMatrix R(k, k);
    for (int j = 0; j < k; ++j) {
        double s = 0.0;
        for (int i = 0; i < m; ++i) s += a[i * k + j] * a[i * k + j];
        if (s < kTiny) return false;
        double rjj = std::sqrt(s);
        R(j, j) = rjj;
        for (int i = 0; i < m; ++i) a[i * k + j] /= rjj;
        for (int l = j + 1; l < k; ++l) {
            double dot = 0.0;
            for (int i = 0; i < m; ++i) dot += a[i * k + j] * a[i * k + l];
            R(j, l) = dot;
            for (int i = 0; i < m; ++i) a[i * k + l] -= dot * a[i * k + j];
        }
        for (int c = 0; c < r; ++c) {
            double dot = 0.0;
            for (int i = 0; i < m; ++i) dot += a[i * k + j] * b[i * r + c];
            x[j * r + c] = dot;
            for (int i = 0; i < m; ++i) b[i * r + c] -= dot * a[i * k + j];
        }
    }
    for (int c = 0; c < r; ++c) {
        x[(k - 1) * r + c] /= R(k - 1, k - 1);
        for (int j = k - 2; j >= 0; --j) {
            double s = x[j * r + c];
            for (int l = j + 1; l < k; ++l) s -= R(j, l) * x[l * r + c];
            x[j * r + c] = s / R(j, j);
        }
    }
    return true;
}

} // namespace

bool LeastSquares(RMatrix& M, RVector& x, RVector& b) {
    bool ok = !M.Empty() && x.Count() == M.Cols() && b.Count() == M.Rows() && &x != &b;
    Verify(ok);
    if (!ok) return false;
    return GramSchmidt(M, x.Data(), b.Data(), 1);
}

bool LeastSquares(RMatrix& M, RMatrix& X, RMatrix& B) {
    bool ok = !M.Empty() && !B.Empty() && B.Rows() == M.Rows() && &X != &B && &X != &M && &B != &M;
    Verify(ok);
    if (!ok) return false;
    X.Resize(M.Cols(), B.Cols());
    return GramSchmidt(M, X.Data(), B.Data(), B.Cols());
}

} // namespace QVProj
