// Robinson-Sterling (type 22), on the sphere of radius MajorRadius whatever
// the flattening: Robinson's table every 5 degrees (parallel lengths
// scaled by 0.9858 in each call, distances from the equator), interpolated
// by Stirling's central-difference formula to second differences. The
// forward interpolates; the inverse solves the quadratic of an interval for
// a first latitude and refines it with the forward until y agrees to
// 1e-5 (in the units of R), at most 75 times: good to about 1e-5 / R
// radians times the refinement's convergence factor (below 1e-10 degrees on
// the Earth). Degrees and radians are converted with 0.01745329252. Reads
// bWrapLon.
#include "proj/modules/module.h"

namespace QVProj {
namespace pRobSter {

static constexpr const char* kUnit = "pRobSter";

using namespace mod;

namespace {

constexpr double kDegree = 0.01745329252;
constexpr int kEntries = 20;

// Entries 1 to 20 of the tables (index 0 to 19 here) are the latitudes -5,
// 0, 5, ..., 90 degrees. The distance at 40 degrees is 0.4958 in this
// table (Robinson's table of pRobin holds 0.4968).
constexpr double kLength[kEntries] = {0.9986, 1.0,    0.9986, 0.9954, 0.99,   0.9822, 0.973,
                                      0.96,   0.9427, 0.9216, 0.8962, 0.8679, 0.835,  0.7986,
                                      0.7597, 0.7186, 0.6732, 0.6213, 0.5722, 0.5322};
constexpr double kDistance[kEntries] = {-0.062, 0.0,    0.062,  0.124,  0.186,  0.248,  0.31,
                                        0.372,  0.434,  0.4958, 0.5571, 0.6176, 0.6769, 0.7346,
                                        0.7903, 0.8435, 0.8936, 0.9394, 0.9761, 1.0};

// Stirling's formula about entry k + 2 (latitude 5k degrees) from entries
// k + 1, k + 2 and k + 3 (index k to k + 2): F(u) = f1 + u (f2 - f0)/2 +
// u^2 (f2 - 2 f1 + f0)/2.
double Interpolate(const double* table, int k, double u) {
    const double f0 = table[k], f1 = table[k + 1], f2 = table[k + 2];
    return f1 + u * (f2 - f0) / 2.0 + u * u * (f2 - 2.0 * f1 + f0) / 2.0;
}

// The interval of a latitude (radians, any sign) and the offset u within
// it; false when it leaves the table (k < 0 or k + 3 > 20, or NaN).
bool Interval(double lat, int& k, double& u) {
    const double s = std::fabs(lat) / (5.0 * kDegree);
    const double whole = std::trunc(s - 1e-10);
    if (!(whole >= 0.0 && whole + 3.0 <= kEntries)) return false;
    k = static_cast<int>(whole);
    u = s - k;
    return true;
}

// The forward of one latitude: the table interval, and y in the units of R.
struct Parallel {
    int k;
    double u, y;
    bool Project(double lat, double R) {
        if (!Interval(lat, k, u)) return false;
        y = R * Interpolate(kDistance, k, u) * kHalfPi;
        if (lat < 0.0) y = -y;
        return true;
    }
};

// The parallel lengths of one call, multiplied by 0.9858.
struct Lengths {
    double value[kEntries];
    Lengths() {
        for (int j = 0; j < kEntries; ++j) value[j] = kLength[j] * 0.9858;
    }
};

struct SphereForward {
    LongitudeDifference dlon;
    double R;
    Lengths lengths;
    explicit SphereForward(const PROJDATA& w) : dlon(w), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        Parallel par;
        if (!par.Project(p.y, R)) return kUnplottable;
        p.x = R * Interpolate(lengths.value, par.k, par.u) * dlon(p.x);
        p.y = par.y;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, R;
    Lengths lengths;
    explicit SphereInverse(const PROJDATA& w) : lon0(w.Lon0), R(w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double x = p.x, y = p.y;
        // A first latitude from the quadratic of the interval of |Y'|,
        // whose k is at least 1; k steps down while u < 0 (and k > 1).
        const double Y = std::fabs(2.0 * y / (kPi * R));
        const double whole = std::fmax(1.0, std::trunc(std::fabs(90.0 * Y / 5.0) - 1e-10));
        if (!(whole + 3.0 <= kEntries)) return kUnplottable;
        int k = static_cast<int>(whole);
        double u;
        for (;;) {
            const double f0 = kDistance[k], f1 = kDistance[k + 1], f2 = kDistance[k + 2];
            if (f2 - f0 == 0.0) return kUnplottable;
            const double t = 2.0 * (Y - f1) / (f2 - f0), q = (f2 - 2.0 * f1 + f0) / (f2 - f0);
            u = (1.0 - q * t * (1.0 - 2.0 * q * t)) * t;
            if (u < 0.0 && k > 1)
                --k;
            else
                break;
        }
        double estimate = 5.0 * (k + u); // degrees
        if (y < 0.0) estimate = -estimate;
        // Refinement: up to 75 times, the forward y of the estimate, and
        // unless it is within 1e-5 of y, the estimate moves by the
        // difference in degrees of R. The 75th correction is made and not
        // tested, so 75 forward evaluations decide.
        Parallel par;
        for (int n = 1;; ++n) {
            if (!par.Project(estimate * kDegree, R)) return kUnplottable;
            if (std::fabs(par.y - y) <= 1e-05) break;
            if (n == 75) return kUnplottable;
            estimate += (par.y - y) * (-180.0 / kPi) / R;
        }
        p.x = (x / R) / Interpolate(lengths.value, par.k, par.u) + lon0;
        p.y = estimate * kDegree;
        return kConverted;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<SphereInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pRobSter
} // namespace QVProj
