// The contract between the engine and the projection modules, and what the
// modules share: constants, the argument check, the unplottable marking, the
// meridian distance series, the footpoint latitude, and the domain tests and
// split rules of LLInProjection and LLOffsetSplitObject.
//
// A module lives in its own source file, in a namespace named after its unit
// (pMerc, pTMerc, ...), and defines the four operations that
// QV_DECLARE_MODULE declares. Forward and Inverse receive the engine's work
// record (angles in radians) and points in radians or plane units;
// LLInProjection and LLOffsetSplitObject receive the handle's record
// (degrees). Modules keep nothing between calls; constants that depend only
// on the record are computed once per call, before the point loop, by the
// very expressions the per-point formulas use, so results do not depend on
// where they are computed.
#ifndef QVPROJ_PROJ_MODULES_MODULE_H
#define QVPROJ_PROJ_MODULES_MODULE_H

#include <cmath>

#include "frame/report.h"
#include "proj/geodesy.h"
#include "qvproj/proj.h"

namespace QVProj {

using ModuleForwardFn = bool (*)(PROJDATA* pWork, PROJPOINT* pPts, int nPts);
using ModuleInverseFn = bool (*)(PROJDATA* pWork, PROJPOINT* pPts, int nPts);
using ModuleInProjectionFn = bool (*)(const PROJDATA* pData, const PROJPOINT* pPt);
using ModuleSplitFn = bool (*)(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                               double* pLonShift, double* pLatShift);

// One row of the projection type table: the four module operations, any of
// which may be null (types without a module).
struct ProjModuleOps {
    ModuleForwardFn forward;
    ModuleInverseFn inverse;
    ModuleInProjectionFn llInProjection;
    ModuleSplitFn llOffsetSplitObject;
};

// Declares the four operations of a module unit.
#define QV_DECLARE_MODULE(unit)                                                                    \
    namespace unit {                                                                               \
    bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts);                                      \
    bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts);                                      \
    bool LLInProjection(const PROJDATA* pData, const PROJPOINT* pPt);                              \
    bool LLOffsetSplitObject(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,      \
                             double* pLonShift, double* pLatShift);                                \
    }

// The table row of a module unit.
#define QV_MODULE_OPS(unit)                                                                        \
    ProjModuleOps {                                                                                \
        &unit::Forward, &unit::Inverse, &unit::LLInProjection, &unit::LLOffsetSplitObject          \
    }

namespace mod {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kTwoPi = 6.283185307179586;
// The largest double below pi/2: the polar limit of the Mercator forward.
constexpr double kPolarLimit = 1.5707963267948963;
// Single-precision epsilon and its multiples, used as tolerances.
constexpr double kEps = 1.1920928955078125e-07;
constexpr double kEps10 = 1.1920928955078125e-06;
constexpr double kEps4 = 4.76837158203125e-07;
// Base of the exponential in the inverse Mercator and Hotine formulas
// (five decimals, deliberately not the full e).
constexpr double kExpBase = 2.71828;
// Iteration limit of the latitude iterations.
constexpr int kMaxIterations = 500;

inline bool IsUnplottable(const PROJPOINT& p) {
    return QVProj::IsUnplottable(p.x, p.y);
}

// Marks a point that cannot be converted and records it in the work record.
inline void MarkUnplottable(PROJDATA* pWork, PROJPOINT& p) {
    p.x = UNPLOTTABLE;
    p.y = UNPLOTTABLE;
    pWork->iResult = 1;
}

// Eccentricity from the flattening, as every ellipsoidal module derives it.
inline double Eccentricity(double f) {
    return std::sqrt(2.0 * f - f * f);
}

// The meridian distance series M(phi), in the units of R.
struct MeridianDistance {
    double R, c0, c1, c2, c3;
    MeridianDistance(double r, double e2) : R(r) {
        double e4 = e2 * e2, e6 = e2 * e2 * e2;
        c0 = 1.0 - e2 / 4.0 - 3.0 * e4 / 64.0 - 5.0 * e6 / 256.0;
        c1 = 3.0 * e2 / 8.0 + 3.0 * e4 / 32.0 + 45.0 * e6 / 1024.0;
        c2 = 15.0 * e4 / 256.0 + 45.0 * e6 / 1024.0;
        c3 = 35.0 * e6 / 3072.0;
    }
    double operator()(double phi) const {
        return R * (c0 * phi - c1 * std::sin(2.0 * phi) + c2 * std::sin(4.0 * phi) -
                    c3 * std::sin(6.0 * phi));
    }
};

// The footpoint latitude from the rectifying latitude mu (the inverse of the
// meridian distance series): mu = M / (R c0) with c0 of MeridianDistance.
struct FootpointLatitude {
    double k2, k4, k6, k8;
    explicit FootpointLatitude(double e2) {
        double r = std::sqrt(1.0 - e2);
        double e1 = (1.0 - r) / (1.0 + r);
        double e1_2 = e1 * e1, e1_3 = e1_2 * e1, e1_4 = e1_3 * e1;
        k2 = 3.0 * e1 / 2.0 - 27.0 * e1_3 / 32.0;
        k4 = 21.0 * e1_2 / 16.0 - 55.0 * e1_4 / 32.0;
        k6 = 151.0 * e1_3 / 96.0;
        k8 = 1097.0 * e1_4 / 512.0;
    }
    double operator()(double mu) const {
        return mu + k2 * std::sin(2.0 * mu) + k4 * std::sin(4.0 * mu) + k6 * std::sin(6.0 * mu) +
               k8 * std::sin(8.0 * mu);
    }
};

// --- Domain tests of LLInProjection (degrees; strict unless said) ---------

// Lon0 - w < lon < Lon0 + w; latitude not tested.
bool InBand(const PROJDATA* pData, const PROJPOINT* pPt, double w);
// The band of 180 degrees and -90 < lat < 90.
bool InBandAndLatitude(const PROJDATA* pData, const PROJPOINT* pPt);
// -180 < lon < 180, Lon0 not used.
bool InAbsoluteBand(const PROJDATA* pData, const PROJPOINT* pPt);
// The hemisphere about (Lat0, Lon0): cos c >= 0.
bool InHemisphere(const PROJDATA* pData, const PROJPOINT* pPt);
// The cap of the given angular radius about (Lat1, Lon0): cos c >= cos(radius).
bool InCap(const PROJDATA* pData, const PROJPOINT* pPt, double capRadians);
// Lon0 - 15 < lon < Lon0 + 15 and Lat0 - 15 < lat < Lat0 + 15.
bool InBox15(const PROJDATA* pData, const PROJPOINT* pPt);
// Band 45 about Lon0 and about both Lat1 and Lat2.
bool InBand45Oblique(const PROJDATA* pData, const PROJPOINT* pPt);
// True whenever both pointers are given.
bool InAlways(const PROJDATA* pData, const PROJPOINT* pPt);

// --- Split rules of LLOffsetSplitObject -------------------------------------

// The object must be drawn again shifted by 360 degrees when it reaches the
// antimeridian of Lon0.
bool SplitAntimeridian(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                       double* pLonShift, double* pLatShift);
// The same with -180 and 180 in place of Lon0 - 180 and Lon0 + 180.
bool SplitAbsoluteAntimeridian(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                               double* pLonShift, double* pLatShift);
// Never split.
bool SplitNever(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts, double* pLonShift,
                double* pLatShift);

} // namespace mod
} // namespace QVProj

// The argument check that opens every Forward and Inverse: a missing record
// fails quietly, missing points or a count below one are internal errors of
// the calling unit (kUnit).
#define QV_MODULE_CHECK_ARGS(pWork, pPts, nPts)                                                    \
    do {                                                                                           \
        if ((pWork) == nullptr) return false;                                                      \
        if (!QV_CHECK((pPts) != nullptr) || !QV_CHECK((nPts) >= 1)) return false;                  \
    } while (0)

#endif
