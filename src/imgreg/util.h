// Dense vectors and matrices, the precondition check and the solvers under
// the warping models. Internal to the library.
#ifndef QVPROJ_IMGREG_UTIL_H
#define QVPROJ_IMGREG_UTIL_H

namespace QVProj {

// Smallest normal single-precision value held as a double: the guard for
// Cholesky pivots, least-squares column norms and kernel distances.
constexpr double kTiny = 1.1754943508222875e-38;
// 2^-52: floor of the conjugate gradient tolerance and its curvature test.
constexpr double kEps = 2.220446049250313e-16;

// The precondition check of the image registration code. A false argument
// is reported (expression "bExpr", unit "Util", line 20) as one debug log
// line when the log is on; the process goes on and the caller continues as
// it would anyway.
void Verify(bool bExpr);
// The report behind Verify: one line "Assertion failed: EXPR, file UNIT,
// line N" in the debug log when it is on. Never ends the process.
void AssertionReport(const char* pExpr, const char* pUnit, int line);

class RVector {
public:
    RVector() = default;
    explicit RVector(int count);
    RVector(const RVector& other);
    RVector& operator=(const RVector& other);
    RVector(RVector&& other) noexcept;
    RVector& operator=(RVector&& other) noexcept;
    ~RVector();

    void Resize(int count);
    int Count() const { return count; }
    bool Empty() const { return count == 0; }
    double& operator()(int i);
    double operator()(int i) const;
    double* Data() { return data; }
    const double* Data() const { return data; }

private:
    int count = 0;
    double* data = nullptr;
};

class RMatrix {
public:
    RMatrix() = default;
    RMatrix(int rows, int cols);
    RMatrix(const RMatrix& other);
    RMatrix& operator=(const RMatrix& other);
    RMatrix(RMatrix&& other) noexcept;
    RMatrix& operator=(RMatrix&& other) noexcept;
    ~RMatrix();

    void Resize(int rows, int cols);
    void Identity(int order);
    int Rows() const { return rows; }
    int Cols() const { return cols; }
    bool Empty() const { return rows == 0; }
    double& operator()(int i, int j);
    double operator()(int i, int j) const;
    double* Data() { return data; }
    const double* Data() const { return data; }

private:
    int rows = 0;
    int cols = 0;
    double* data = nullptr;
};

// Products and vector updates. Each checks its sizes through Verify and
// does nothing more when a check fails.
void MatVec(const RMatrix& A, const RVector& x, RVector& y);      // y = A x
void MatMul(const RMatrix& A, const RMatrix& B, RMatrix& Y);      // Y = A B
void MatTransMul(const RMatrix& A, const RMatrix& B, RMatrix& Y); // Y = A' B
void MatMulTrans(const RMatrix& A, const RMatrix& B, RMatrix& Y); // Y = A B'
void VecSub(const RVector& a, const RVector& b, RVector& c);      // c = a - b
void VecAddScaled(RVector& y, double alpha, const RVector& x);    // y += alpha x
void VecScaleAdd(RVector& x, double beta, const RVector& y);      // x = beta x + y
void Stack(const RMatrix& A, const RMatrix& B, RMatrix& Y);       // Y = [A; B]
void Saddle(const RMatrix& K, const RMatrix& P, const RMatrix& Z, RMatrix& S);
double OffDiagonalSum(const RMatrix& A);
double Dot(const RVector& a, const RVector& b);

// The solvers.
bool CholeskyDecompose(RMatrix& A);
void CholeskySolve(const RMatrix& L, RVector& b);
void ProjectOut(const RMatrix& P, const RMatrix& G, RVector& v, RVector& a);
bool SolveSplineCG(const RMatrix& K, const RMatrix& P, const RVector& b, RVector& w, RVector& a);
bool SolveSplineDirect(const RMatrix& K, const RMatrix& P, const RMatrix& B, RMatrix& W,
                       RMatrix& A);
bool JacobiEigen(RMatrix& A, RVector& d);
void EigenSolve(const RMatrix& V, const RVector& d, RMatrix& B);
bool LeastSquares(RMatrix& M, RVector& x, RVector& b);
bool LeastSquares(RMatrix& M, RMatrix& X, RMatrix& B);

} // namespace QVProj

#endif
