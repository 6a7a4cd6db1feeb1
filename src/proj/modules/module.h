// The projection modules: their contract with the engine, the shared point
// loop, and the helpers that more than one module uses.
//
// HOW A MODULE IS WRITTEN (pMerc.cpp is the worked example)
//
// 1. One source file per module, modules/p<Name>.cpp, with everything in
//    namespace QVProj::p<Name> and its unit name for reports:
//        static constexpr const char* kUnit = "pMerc";
//
// 2. Kernels. For each direction the module writes one kernel per form
//    (sphere, ellipsoid, or one for every record when the module is
//    spherical only). A kernel is a small struct:
//    - its constructor is the per-call setup: it takes the work record
//      (angles in radians) and computes every constant that does not depend
//      on the point, once, as PROJ's setup functions do;
//    - its call operator is the per-point kernel:
//          Outcome operator()(PROJPOINT& p) const;
//      It reads p (radians in Forward; plane units without Scale and false
//      origin in Inverse), writes the converted point into p and returns
//      kConverted; or returns kUnplottable and leaves p alone (the loop
//      stores the marker and sets iResult); or, for a condition that fails
//      the whole call (Mercator's k = 0, Lambert's spherical n = 0, Albers'
//      n = 0, Bonne's rho = 0), reports it with its own unit and line and
//      returns kFailCall:
//          if (!QV_CHECK(k != 0.0)) return kFailCall;
//      The loop then returns false at once; the points before stay
//      converted, those after stay as they were. Conditions that the formulas
//      state per point stay per point in the kernel, even when they depend
//      on the record only (a whole-call failure happens only when a point
//      that is not already marked reaches it).
//    A kernel never sees a point that holds the marker, never writes the
//    marker itself and never touches iResult: the shared loop does.
//
// 3. Forward and Inverse. Each is one line that names its kernels:
//        bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
//            return Convert<SphereForward, EllipsoidForward>(kUnit, pWork, pPts, nPts);
//        }
//    Convert checks the arguments (reports missing points or a count below
//    one in the module's name), tests Flattening == 0 once, runs the setup
//    of the chosen kernel once and hands it to the shared loop RunKernel.
//    A spherical-only module writes Convert<Kernel>(...). A module with more
//    forms than two (aspects of the azimuthal modules, the two forms of
//    Hotine) checks with ArgumentsOk and picks its kernel itself:
//        if (!ArgumentsOk(kUnit, pWork, pPts, nPts)) return false;
//        if (polar) return RunKernel(pWork, pPts, nPts, PolarForward(*pWork));
//        return RunKernel(pWork, pPts, nPts, ObliqueForward(*pWork));
//    Modules that write the work record (pOrtho, pPolar copy Lat0 into Lat1
//    and Lon0 into Lon1) do so in Forward/Inverse before the setup runs.
//    The setup reads bWrapLon where the module honours it, by holding a
//    LongitudeDifference, which the kernel asks for lon - Lon0.
//
// 4. Its row in the one type table (proj/projtypes.h): declare the unit with
//    QV_DECLARE_MODULE(pMerc) and replace kNoModule in its type's row by
//        QV_MODULE_OPS(pMerc, InBandAndLatitude, SplitAntimeridian)
//    The last two name the module's domain test (LLInProjection) and split
//    rule (LLOffsetSplitObject) from the shared ones below; a module never
//    writes its own: every test and rule of the module table is among
//    them, with the signature of ModuleDomainFn or ModuleSplitFn.
//
// 5. Helpers. A formula that two modules use is written once, in the helper
//    section below, with its accuracy stated next to it.
//
// Speed. RunKernel is the only point loop. A kernel whose per-point work is
// a long dependent iteration may add a lane form (see HasLaneForm), which
// RunKernel then uses. A vectorised form of a kernel
// (a block operator over several points at once, SLEEF-based, dispatched at
// run time) will be added beside the scalar operator and found by RunKernel;
// it must compute into scratch and let the loop commit lane by lane, so that
// marked points, unplottable points and a whole-call failure keep the order
// and the results of the scalar loop. The scalar kernels stay the reference
// the vector kernels are tested against.
#ifndef QVPROJ_PROJ_MODULES_MODULE_H
#define QVPROJ_PROJ_MODULES_MODULE_H

#include <cfloat>
#include <cmath>
#include <type_traits>
#include <utility>

#include "frame/report.h"
#include "proj/geodesy.h"
#include "qvproj/proj.h"

namespace QVProj {

using ModuleConvertFn = bool (*)(PROJDATA* pWork, PROJPOINT* pPts, int nPts);
using ModuleDomainFn = bool (*)(const PROJDATA* pData, const PROJPOINT* pPt);
using ModuleSplitFn = bool (*)(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                               double* pLonShift, double* pLatShift);

// The four operations of a row of the projection type table, any of which
// may be null (types without a module).
struct ProjModuleOps {
    ModuleConvertFn forward;
    ModuleConvertFn inverse;
    ModuleDomainFn llInProjection;
    ModuleSplitFn llOffsetSplitObject;
};

// Declares the Forward and Inverse of a module unit.
#define QV_DECLARE_MODULE(unit)                                                                    \
    namespace unit {                                                                               \
    bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts);                                      \
    bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts);                                      \
    }

// The table row of a module unit with its shared domain test and split rule.
#define QV_MODULE_OPS(unit, domain, split)                                                         \
    ProjModuleOps {                                                                                \
        &unit::Forward, &unit::Inverse, &mod::domain, &mod::split                                  \
    }

namespace mod {

// --- The point loop ---------------------------------------------------------

// What a kernel made of one point.
enum Outcome { kConverted, kUnplottable, kFailCall };

inline bool IsUnplottable(const PROJPOINT& p) {
    return QVProj::IsUnplottable(p.x, p.y);
}

// The argument check of every Forward and Inverse: a missing record fails
// quietly; missing points or a count below one are internal errors reported
// in the module's name.
inline bool ArgumentsOk(const char* pUnit, const PROJDATA* pWork, const PROJPOINT* pPts, int nPts) {
    if (pWork == nullptr) return false;
    if (pPts == nullptr || nPts < 1) return ReportAssertion(pUnit, __LINE__);
    return true;
}

// Stores what a kernel made of a point (converted in place or in scratch):
// the converted point, or the marker (and iResult 1); false for a
// whole-call failure, which leaves the point as it was.
inline bool Commit(PROJDATA* pWork, PROJPOINT& p, const PROJPOINT& scratch, Outcome outcome) {
    if (outcome == kFailCall) return false;
    if (outcome == kConverted) {
        p = scratch;
    } else {
        p.x = UNPLOTTABLE;
        p.y = UNPLOTTABLE;
        pWork->iResult = 1;
    }
    return true;
}

// Whether a kernel offers a lane form: a constant kLanes and
//     void operator()(PROJPOINT* pts, Outcome* outcomes) const;
// which converts kLanes points at once, interleaving their iterations so
// that the processor overlaps them, and gives each exactly what the
// one-point form gives it.
template <class Kernel, class = void> struct HasLaneForm : std::false_type {};
template <class Kernel>
struct HasLaneForm<Kernel, std::void_t<decltype(std::declval<const Kernel&>()(
                               std::declval<PROJPOINT*>(), std::declval<Outcome*>()))>>
    : std::true_type {};

// Applies a kernel to every point that does not hold the marker, in order:
// an unplottable point gets the marker in both coordinates and iResult
// becomes 1; a whole-call failure returns false at once. A kernel with the
// lane form gets the points kLanes at a time (in scratch, committed in
// order), the last few one by one.
template <class Kernel>
bool RunKernel(PROJDATA* pWork, PROJPOINT* pPts, int nPts, const Kernel& kernel) {
    int i = 0;
    if constexpr (HasLaneForm<Kernel>::value) {
        constexpr int kLanes = Kernel::kLanes;
        for (;;) {
            int index[kLanes], n = 0;
            for (int j = i; j < nPts && n < kLanes; ++j)
                if (!IsUnplottable(pPts[j])) index[n++] = j;
            if (n < kLanes) break;
            PROJPOINT scratch[kLanes];
            Outcome outcomes[kLanes];
            for (int l = 0; l < kLanes; ++l) scratch[l] = pPts[index[l]];
            kernel(scratch, outcomes);
            for (int l = 0; l < kLanes; ++l)
                if (!Commit(pWork, pPts[index[l]], scratch[l], outcomes[l])) return false;
            i = index[kLanes - 1] + 1;
        }
    }
    for (; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        if (!Commit(pWork, p, p, kernel(p))) return false;
    }
    return true;
}

// A module direction with one kernel for every record.
template <class Kernel>
bool Convert(const char* pUnit, PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    if (!ArgumentsOk(pUnit, pWork, pPts, nPts)) return false;
    return RunKernel(pWork, pPts, nPts, Kernel(*pWork));
}

// A module direction with a sphere and an ellipsoid form: Flattening equal
// to 0 takes the sphere, with radius MajorRadius.
template <class SphereKernel, class EllipsoidKernel>
bool Convert(const char* pUnit, PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    if (!ArgumentsOk(pUnit, pWork, pPts, nPts)) return false;
    if (pWork->Flattening == 0.0) return RunKernel(pWork, pPts, nPts, SphereKernel(*pWork));
    return RunKernel(pWork, pPts, nPts, EllipsoidKernel(*pWork));
}

// --- Constants shared by the modules -------------------------------------------

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

// A sine or cosine clamped to [-1, 1] before its arc sine; NaN stays NaN
// (fmax and fmin would turn it into 1).
inline double Clamp1(double v) {
    return v > 1.0 ? 1.0 : v < -1.0 ? -1.0 : v;
}

// --- Helpers: sine and cosine in the iterations ------------------------------------

// The sine s and cosine c of t, moved on to those of t + d after an
// iteration step d (t is the new angle). A step between 1e-3 and 1/2 goes
// by the addition theorem with the Taylor series of sin d (to d^15) and
// cos d - 1 (to d^16), truncated below 1e-19, each adding about an ulp of
// rounding; a larger step, a smaller one (or NaN) evaluates sin t and cos
// t afresh, so the last steps of an iteration, which decide its result,
// see no rounding carried over: the results stay as close to a fresh
// evaluation at every step as a libm off by an ulp would be (for Mollweide
// and Eckert IV near the poles, where the iterations amplify rounding, a few
// tenths of a micrometre). The Newton iterations of Mollweide and Eckert IV
// and VI save most of their sines and cosines so.
inline void AdvanceSinCos(double t, double d, double& s, double& c) {
    if (!(std::fabs(d) <= 0.5 && std::fabs(d) > 1e-3)) {
        s = std::sin(t);
        c = std::cos(t);
        return;
    }
    const double z = d * d;
    const double sinD =
        d +
        d * z *
            (-1.0 / 6 +
             z * (1.0 / 120 +
                  z * (-1.0 / 5040 + z * (1.0 / 362880 + z * (-1.0 / 39916800 +
                                                              z * (1.0 / 6227020800 +
                                                                   z * (-1.0 / 1307674368000)))))));
    const double cosD1 =
        z * (-1.0 / 2 +
             z * (1.0 / 24 +
                  z * (-1.0 / 720 +
                       z * (1.0 / 40320 + z * (-1.0 / 3628800 + z * (1.0 / 479001600 +
                                                                     z * (-1.0 / 87178291200 +
                                                                          z / 20922789888000)))))));
    const double sinT = s + (s * cosD1 + c * sinD);
    c = c + (c * cosD1 - s * sinD);
    s = sinT;
}

// --- Helpers: ellipsoid functions of latitude ----------------------------------

// Eccentricity from the flattening, as every ellipsoidal module derives it.
inline double Eccentricity(double f) {
    return std::sqrt(2.0 * f - f * f);
}

// Snyder's t(phi) = tan(pi/4 - phi/2) / ((1 - e sin phi)/(1 + e sin phi))^(e/2)
// (PP 1395 eq. 15-9), closed form.
inline double IsometricT(double phi, double e) {
    const double es = e * std::sin(phi);
    return std::tan(kQuarterPi - phi / 2.0) / std::pow((1.0 - es) / (1.0 + es), e / 2.0);
}

// Snyder's m(phi) = cos phi / sqrt(1 - e^2 sin^2 phi) (eq. 14-15), closed form.
inline double ParallelM(double phi, double e) {
    const double s = std::sin(phi);
    return std::cos(phi) / std::sqrt(1.0 - e * e * (s * s));
}

// The latitude of a given t (the inverse of IsometricT) by Snyder's
// fixed-point iteration (eq. 7-9): from lat = pi/2 - 2 atan t, repeat
// lat' = pi/2 - 2 atan(t ((1 - e sin lat)/(1 + e sin lat))^(e/2)) until
// |lat' - lat| <= 1.19e-6 rad or 500 passes. It returns the estimate from
// which the last lat' was computed, so the latitude is good to about
// 1.2e-6 rad (the stop rule, not the ellipsoid, limits it); false when
// 1 + e sin lat = 0 on the way.
inline bool LatitudeFromT(double t, double e, double& lat) {
    const double halfE = e / 2.0;
    lat = kHalfPi - 2.0 * std::atan(t);
    for (int n = 1;; ++n) {
        const double es = e * std::sin(lat);
        if (1.0 + es == 0.0) return false;
        const double next = kHalfPi - 2.0 * std::atan(t * std::pow((1.0 - es) / (1.0 + es), halfE));
        if (std::fabs(next - lat) <= kEps10 || n == kMaxIterations) return true;
        lat = next;
    }
}

// sin phi and cos phi of an iterated latitude, carried from one estimate to
// the next without a sine where the step d is small: for |d| <= 1/64,
// sin(phi + d) = s + c sin d - s vers d and cos(phi + d) = c - s sin d - c
// vers d with sin d and vers d = 1 - cos d from their Taylor series (to d^7
// and d^6: truncation below 1e-19); a larger step takes sin and cos afresh.
// Each small step adds about a unit in the last place.
struct SinCos {
    double s, c;
    explicit SinCos(double phi) : s(std::sin(phi)), c(std::cos(phi)) {}
    SinCos(double sinPhi, double cosPhi) : s(sinPhi), c(cosPhi) {}
    // From phi to next = phi + d.
    void Step(double next, double d) {
        if (!(std::fabs(d) <= 0.015625)) {
            s = std::sin(next);
            c = std::cos(next);
            return;
        }
        constexpr double k6 = 1.0 / 6.0, k20 = 1.0 / 20.0, k42 = 1.0 / 42.0;
        constexpr double k12 = 1.0 / 12.0, k30 = 1.0 / 30.0;
        const double d2 = d * d;
        const double sinD = d * (1.0 - d2 * k6 * (1.0 - d2 * k20 * (1.0 - d2 * k42)));
        const double versD = 0.5 * d2 * (1.0 - d2 * k12 * (1.0 - d2 * k30));
        const double s0 = s;
        s = s0 + (c * sinD - s0 * versD);
        c = c - (s0 * sinD + c * versD);
    }
};

// Sines and cosines of 2 phi, 4 phi and 6 phi from those of phi by the
// double-angle and addition identities.
struct MultipleAngles {
    double sin2, cos2, sin4, cos4, sin6, cos6;
    MultipleAngles(double sinPhi, double cosPhi) {
        sin2 = 2.0 * sinPhi * cosPhi;
        cos2 = (cosPhi - sinPhi) * (cosPhi + sinPhi);
        sin4 = 2.0 * sin2 * cos2;
        cos4 = (cos2 - sin2) * (cos2 + sin2);
        sin6 = sin4 * cos2 + cos4 * sin2;
        cos6 = cos4 * cos2 - sin4 * sin2;
    }
};

// The meridian distance series M(phi) in the units of R (Snyder eq. 3-21,
// truncated after e^6: about 1e-9 relative on the Earth's ellipsoids).
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
    // The same from sin phi and cos phi, which the caller has at hand: the
    // multiple angles by the double-angle identities, no further sine (the
    // identities add a few units in the last place of each term).
    double operator()(double phi, double sinPhi, double cosPhi) const {
        const MultipleAngles a(sinPhi, cosPhi);
        return R * (c0 * phi - c1 * a.sin2 + c2 * a.sin4 - c3 * a.sin6);
    }
    // dM/dphi / R = c0 - 2 c1 cos 2phi + 4 c2 cos 4phi - 6 c3 cos 6phi.
    double Derivative(const MultipleAngles& a) const {
        return c0 - 2.0 * c1 * a.cos2 + 4.0 * c2 * a.cos4 - 6.0 * c3 * a.cos6;
    }
};

// The footpoint latitude from the rectifying latitude mu = M / (R c0), the
// inverse of MeridianDistance (Snyder eqs. 3-24 and 3-26, series in e1 to
// the fourth power: about 1e-11 rad on the Earth's ellipsoids).
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

// ln((1 - x)/(1 + x)) = -2 atanh x, the logarithm of q(phi) and of its
// inverse. For |x| <= 0.1 (x = e sin phi on every Earth ellipsoid) by the
// series -2 x (1 + x^2/3 + x^4/5 + ... + x^18/19), truncated below 1e-21
// relative and summed by Estrin's scheme (a unit in the last place or two,
// as close as the quotient and logarithm come); otherwise by the logarithm.
inline double LogRatio(double x) {
    if (!(std::fabs(x) <= 0.1)) return std::log((1.0 - x) / (1.0 + x));
    constexpr double k3 = 1.0 / 3.0, k5 = 1.0 / 5.0, k7 = 1.0 / 7.0, k9 = 1.0 / 9.0,
                     k11 = 1.0 / 11.0, k13 = 1.0 / 13.0, k15 = 1.0 / 15.0, k17 = 1.0 / 17.0,
                     k19 = 1.0 / 19.0;
    const double y = x * x, y2 = y * y, y4 = y2 * y2, y8 = y4 * y4;
    const double p03 = (1.0 + y * k3) + y2 * (k5 + y * k7);
    const double p47 = (k9 + y * k11) + y2 * (k13 + y * k15);
    const double p89 = k17 + y * k19;
    return -2.0 * x * ((p03 + y4 * p47) + y8 * p89);
}

// Snyder's q(phi) = (1 - e^2) [sin phi/(1 - e^2 sin^2 phi) - ln((1 - e sin
// phi)/(1 + e sin phi))/(2e)] (PP 1395 eq. 3-12), closed form; e > 0. The
// second form takes sin phi.
inline double AuthalicQOfSin(double s, double e) {
    const double e2 = e * e, es = e * s;
    return (1.0 - e2) * (s / (1.0 - e2 * (s * s)) - LogRatio(es) * (0.5 / e));
}
inline double AuthalicQ(double phi, double e) {
    return AuthalicQOfSin(std::sin(phi), e);
}

// The latitude of a given q (the inverse of AuthalicQ) by Snyder's
// iteration (eq. 3-16): from lat = asin(q/2, clamped to [-1, 1]), repeat
// lat' = lat + (1 - e^2 sin^2 lat)^2/(2 cos lat) [q/(1 - e^2) - sin lat/(1 -
// e^2 sin^2 lat) + ln((1 - e sin lat)/(1 + e sin lat))/(2e)] until |lat' -
// lat| <= 1.19e-6 rad or 500 passes, and return the estimate from which the
// last lat' was computed: good to about 1.2e-6 rad. The step is evaluated
// as w (w (q/(1 - e^2) + ln(...)/(2e)) - sin lat) / (2 cos lat), w = 1 - e^2
// sin^2 lat, with two divisions instead of four, and sin lat, cos lat carried
// by SinCos (a few units in the last place of the step). From a step that is
// not finite on, every estimate is NaN: the result is NaN at once, unless
// the limit returns the estimate before it.
inline double LatitudeFromQ(double q, double e) {
    const double e2 = e * e, qe = q / (1.0 - e2), halfInvE = 0.5 / e;
    const double s0 = Clamp1(q / 2.0);
    double lat = std::asin(s0);
    // sin(asin s0) is s0 and its cosine sqrt((1 - s0)(1 + s0)), to a unit in
    // the last place; at s0 = +-1 cos(+-pi/2) is taken as it comes (6e-17).
    SinCos sc = std::fabs(s0) < 1.0 ? SinCos(s0, std::sqrt((1.0 - s0) * (1.0 + s0))) : SinCos(lat);
    for (int n = 1;; ++n) {
        const double s = sc.s, es = e * s, w = 1.0 - e2 * (s * s);
        const double ln = LogRatio(es) * halfInvE;
        const double next = lat + w * (w * (qe + ln) - s) / (2.0 * sc.c);
        if (!std::isfinite(next) && n < kMaxIterations) return NAN;
        if (std::fabs(next - lat) <= kEps10 || n == kMaxIterations) return lat;
        sc.Step(next, next - lat);
        lat = next;
    }
}

// The factor ((1 - e sin phi)/(1 + e sin phi))^(e/2) = exp(e LogRatio(e
// sin phi)/2) of the conformal and isometric latitudes, and its powers. When
// e < 0.1 (every Earth ellipsoid) exp of the |e LogRatio/2| < 0.011 is its
// Taylor series to the 6th power (truncated below 1e-17), summed in Estrin's
// order: the factor agrees with pow() to a few units in the last place.
// Larger eccentricities take std::exp.
struct EccentricityFactor {
    double e;
    bool series;
    explicit EccentricityFactor(double ecc) : e(ecc), series(ecc < 0.1) {}
    // exp(-k e atanh(e sin phi)) = ((1 - e sin phi)/(1 + e sin phi))^(k e/2):
    // k = 1 gives the factor, k = -1 its inverse.
    double Power(double sinPhi, double k) const {
        const double z = 0.5 * k * e * LogRatio(e * sinPhi);
        if (!series) return std::exp(z);
        const double z2 = z * z, z4 = z2 * z2;
        return (1.0 + z) + z2 * (1.0 / 2 + z / 6) + z4 * ((1.0 / 24 + z / 120) + z2 / 720);
    }
    double operator()(double sinPhi) const { return Power(sinPhi, 1.0); }
};

// The geodetic latitude of a conformal latitude chi by Snyder's series in
// e^2 to e^8 (PP 1395 eq. 3-5): within 2.1e-12 rad (1.2e-10 degrees) on the
// Earth's ellipsoids. The sines of 2chi, 4chi and 6chi come from one sine
// and cosine of chi by MultipleAngles, that of 8chi as 2 sin 4chi cos 4chi.
struct GeodeticFromConformal {
    double k2, k4, k6, k8;
    explicit GeodeticFromConformal(double e2) {
        const double e4 = e2 * e2, e6 = e4 * e2, e8 = e4 * e4;
        k2 = e2 / 2.0 + 5.0 * e4 / 24.0 + e6 / 12.0 + 13.0 * e8 / 360.0;
        k4 = 7.0 * e4 / 48.0 + 29.0 * e6 / 240.0 + 811.0 * e8 / 11520.0;
        k6 = 7.0 * e6 / 120.0 + 81.0 * e8 / 1120.0;
        k8 = 4279.0 * e8 / 161280.0;
    }
    double operator()(double chi) const {
        const MultipleAngles a(std::sin(chi), std::cos(chi));
        return chi + k2 * a.sin2 + k4 * a.sin4 + k6 * a.sin6 + k8 * (2.0 * a.sin4 * a.cos4);
    }
};

// The Newton iteration of the Eckert IV and VI forwards, from t and its
// first step d; step(t, d) gives the step at t, which the step d has just
// reached. Advance applies the step and computes the next one, at most 99
// times, until |d| <= 1.19e-6 rad. Read literally ("apply t = t + d and
// recompute d ... until |d| <= ..."), the step that passes the test is
// computed and not applied, so t is good to about that step (far better
// where the convergence is quadratic), and the last t is the one whose step
// was computed; the first step is always applied. As a state, the
// iteration of several points can be interleaved (the lane form of a
// kernel).
struct EckertIteration {
    double t, d;
    int n = 0;
    bool done = false;
    EckertIteration(double t0, double d0) : t(t0), d(d0) {}
    template <class Step> void Advance(const Step& step) {
        t += d;
        d = step(t, d);
        done = std::fabs(d) <= kEps10 || ++n == 99;
    }
};

// --- Helpers: longitudes ---------------------------------------------------------

// A longitude difference wrapped into [-pi, pi]: below -pi add 2 pi, above
// pi subtract 2 pi (once).
inline double WrapPi(double lon) {
    if (lon < -kPi) return lon + kTwoPi;
    if (lon > kPi) return lon - kTwoPi;
    return lon;
}

// --- Helpers: cones ---------------------------------------------------------------

// The plane point at radius rho and angle theta on a cone whose origin lies
// rho0 from the apex: x = rho sin theta, y = rho0 - rho cos theta (PP 1395
// eqs. 14-1, 14-2; also Bonne's, with its own rho0). Exact.
inline void ConePoint(PROJPOINT& p, double rho, double rho0, double theta) {
    p.x = rho * std::sin(theta);
    p.y = rho0 - rho * std::cos(theta);
}

// The angle of a plane point on such a cone from x and dy = rho0 - y:
// atan2(x, dy), or atan2(-x, -dy) when the cone opens southward (sign < 0:
// the cone constant n, or Bonne's standard parallel). Exact.
inline double ConeTheta(double x, double dy, double sign) {
    return sign >= 0.0 ? std::atan2(x, dy) : std::atan2(-x, -dy);
}

// theta and rho = sqrt(x^2 + (rho0 - y)^2) of a plane point, rho negated
// for a cone that opens southward (sign < 0) (PP 1395, chapter 14). Exact.
inline void FromCone(const PROJPOINT& p, double rho0, double sign, double& theta, double& rho) {
    const double x = p.x, dy = rho0 - p.y;
    theta = ConeTheta(x, dy, sign);
    rho = std::sqrt(x * x + dy * dy);
    if (sign < 0.0) rho = -rho;
}

// The longitude difference lon - Lon0 of the modules that read bWrapLon:
// wrapped by WrapPi when the caller set the flag, as it is otherwise.
struct LongitudeDifference {
    double lon0;
    bool wrap;
    explicit LongitudeDifference(const PROJDATA& w) : lon0(w.Lon0), wrap(w.bWrapLon != 0) {}
    double operator()(double lon) const {
        const double d = lon - lon0;
        return wrap ? WrapPi(d) : d;
    }
};

// --- Helpers: arguments of asin and acos ------------------------------------------

// A sine or cosine limited to [-1, 1] before its asin or acos. Unlike Clamp1, NaN gives 1,
// so a 0/0 at a centre or an origin yields the angle 0 rather than a NaN.
inline double ClampUnit(double v) {
    if (!(v < 1.0)) return 1.0;
    return v < -1.0 ? -1.0 : v;
}

// --- Helpers: the azimuthal centre, aspects and inverse skeleton -------------------

// The aspect of an azimuthal centre latitude phi1: polar when within tol of
// plus or minus `quarter` (90 degrees or pi/2, in the unit of phi1),
// equatorial when within tol of 0. "Within" takes the tolerance itself in;
// tol 0 asks for equality.
enum Aspect { kNorthPolar, kSouthPolar, kEquatorial, kOblique };
inline Aspect AspectOf(double phi1, double quarter, double tol) {
    if (std::fabs(phi1 - quarter) <= tol) return kNorthPolar;
    if (std::fabs(phi1 + quarter) <= tol) return kSouthPolar;
    if (std::fabs(phi1) <= tol) return kEquatorial;
    return kOblique;
}

// The centre latitude phi1 of an azimuthal projection: the cosine of the
// angular distance c of a point from the centre, and the oblique y over the
// radial factor; exact on the sphere.
struct AzimuthalCentre {
    double sinPhi1, cosPhi1;
    explicit AzimuthalCentre(double phi1) : sinPhi1(std::sin(phi1)), cosPhi1(std::cos(phi1)) {}
    // cos c = sin phi1 sin lat + cos phi1 cos lat cos dlon.
    double CosC(double sinLat, double cosLat, double cosDlon) const {
        return sinPhi1 * sinLat + cosPhi1 * cosLat * cosDlon;
    }
    // cos phi1 sin lat - sin phi1 cos lat cos dlon.
    double ObliqueY(double sinLat, double cosLat, double cosDlon) const {
        return cosPhi1 * sinLat - sinPhi1 * cosLat * cosDlon;
    }
};

// The inverse that the azimuthal modules share, about the centre latitude
// phi1: for a plane point (x, y) at distance rho from the centre and angular
// distance c (from the module's radial inverse), exact on the sphere.
struct AzimuthalInverse : AzimuthalCentre {
    explicit AzimuthalInverse(double phi1) : AzimuthalCentre(phi1) {}
    // asin(cos c sin phi1 + y sin c cos phi1 / rho), the sine clamped to [-1, 1].
    double Latitude(double y, double rho, double sinC, double cosC) const {
        const double s = cosC * sinPhi1 + y * sinC * cosPhi1 / rho;
        return std::asin(std::fmax(-1.0, std::fmin(1.0, s)));
    }
    // rho cos phi1 cos c - y sin phi1 sin c: the denominator of the oblique
    // longitude, which some modules test for 0.
    double Denominator(double y, double rho, double sinC, double cosC) const {
        return rho * cosPhi1 * cosC - y * sinPhi1 * sinC;
    }
    // The longitude from Lon0 of the oblique and equatorial aspects, and of
    // the north and south polar ones.
    static double Oblique(double x, double sinC, double denominator) {
        return std::atan2(x * sinC, denominator);
    }
    static double NorthPolar(double x, double y) { return std::atan2(x, -y); }
    static double SouthPolar(double x, double y) { return std::atan2(x, y); }
    // The longitude from Lon0 and the latitude of a plane point, the
    // longitude by the aspect: the polar ones by their own atan2, the others
    // by the oblique one, whose denominator of 0 makes the point unplottable
    // (false) when `refuseZero`.
    bool Solve(Aspect aspect, bool refuseZero, double x, double y, double rho, double sinC,
               double cosC, double& dlon, double& lat) const {
        if (aspect == kNorthPolar) {
            dlon = NorthPolar(x, y);
        } else if (aspect == kSouthPolar) {
            dlon = SouthPolar(x, y);
        } else {
            const double denominator = Denominator(y, rho, sinC, cosC);
            if (refuseZero && denominator == 0.0) return false;
            dlon = Oblique(x, sinC, denominator);
        }
        lat = Latitude(y, rho, sinC, cosC);
        return true;
    }
};

// The trigonometry of a point (radians) about an azimuthal centre: the sine
// and cosine of its latitude and of dlon = lon - Lon0 (not wrapped), and cos c.
struct AzimuthalPoint {
    double sinLat, cosLat, sinDlon, cosDlon, cosC;
    AzimuthalPoint(const AzimuthalCentre& centre, const PROJPOINT& p, double lon0)
        : sinLat(std::sin(p.y)), cosLat(std::cos(p.y)), sinDlon(std::sin(p.x - lon0)),
          cosDlon(std::cos(p.x - lon0)), cosC(centre.CosC(sinLat, cosLat, cosDlon)) {}
    // cos phi1 sin lat - sin phi1 cos lat cos dlon.
    double ObliqueY(const AzimuthalCentre& centre) const {
        return centre.ObliqueY(sinLat, cosLat, cosDlon);
    }
};

// --- Helpers: domain tests of LLInProjection (degrees, strict) -------------------

// Band W: Lon0 - W < lon < Lon0 + W; latitude not tested.
template <int W> bool InBand(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return pData->Lon0 - W < pPt->x && pPt->x < pData->Lon0 + W;
}

// Band 180 + latitude: the band of 180 degrees and -90 < lat < 90.
inline bool InBandAndLatitude(const PROJDATA* pData, const PROJPOINT* pPt) {
    return InBand<180>(pData, pPt) && -90.0 < pPt->y && pPt->y < 90.0;
}

// cos c of a point about a centre (Lat, Lon), all in degrees, each angle
// converted to radians first.
inline double CosCDegrees(double lat, double lon, const PROJPOINT& p) {
    const double phi = Radians(p.y);
    return AzimuthalCentre(Radians(lat))
        .CosC(std::sin(phi), std::cos(phi), std::cos(Radians(p.x) - Radians(lon)));
}

// Hemisphere about (Lat0, Lon0): cos c >= 0.
inline bool InHemisphere(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return CosCDegrees(pData->Lat0, pData->Lon0, *pPt) >= 0.0;
}

// Cap of D degrees about (Lat1, Lon0): cos c >= cos D, D in radians
// 1.0471975511965976 (60) or 2.9670597283903604 (170).
template <int D> bool InCap(const PROJDATA* pData, const PROJPOINT* pPt) {
    static_assert(Radians(60) == 1.0471975511965976 && Radians(170) == 2.9670597283903604,
                  "the caps' radians");
    if (pData == nullptr || pPt == nullptr) return false;
    return CosCDegrees(pData->Lat1, pData->Lon0, *pPt) >= std::cos(Radians(D));
}

// Box 15 about (Lat0, Lon0): Lon0 - 15 < lon < Lon0 + 15 and Lat0 - 15 <
// lat < Lat0 + 15.
inline bool InBox15(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return pData->Lon0 - 15.0 < pPt->x && pPt->x < pData->Lon0 + 15.0 &&
           pData->Lat0 - 15.0 < pPt->y && pPt->y < pData->Lat0 + 15.0;
}

// Band 45 about Lon0, Lat1 and Lat2: the band of 45 degrees, and the
// latitude within 45 degrees of both Lat1 and Lat2.
inline bool InBand45Oblique(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (!InBand<45>(pData, pPt)) return false;
    const double lat = pPt->y;
    return pData->Lat1 - 45.0 < lat && lat < pData->Lat1 + 45.0 && pData->Lat2 - 45.0 < lat &&
           lat < pData->Lat2 + 45.0;
}

// Absolute band (Robinson): -180 < lon < 180, Lon0 not used.
inline bool InAbsoluteBand(const PROJDATA* pData, const PROJPOINT* pPt) {
    if (pData == nullptr || pPt == nullptr) return false;
    return -180.0 < pPt->x && pPt->x < 180.0;
}

// Always: every point, whenever both pointers are given.
inline bool InAlways(const PROJDATA* pData, const PROJPOINT* pPt) {
    return pData != nullptr && pPt != nullptr;
}

// --- Helpers: split rules of LLOffsetSplitObject ---------------------------------

// The object must be drawn again shifted by +360 degrees when its smallest
// longitude reaches `west`, by -360 when its largest reaches `east`.
inline bool SplitAt(double west, double east, const PROJPOINT* pPts, unsigned int nPts,
                    double* pLonShift, double* pLatShift) {
    if (pPts == nullptr || nPts < 1 || pLonShift == nullptr || pLatShift == nullptr) return false;
    *pLonShift = 0.0;
    *pLatShift = 0.0;
    double smallest = DBL_MAX, largest = -DBL_MAX;
    for (unsigned int i = 0; i < nPts; ++i) {
        if (pPts[i].x < smallest) smallest = pPts[i].x;
        if (pPts[i].x > largest) largest = pPts[i].x;
    }
    if (west >= smallest) {
        *pLonShift = 360.0;
        return true;
    }
    if (east <= largest) {
        *pLonShift = -360.0;
        return true;
    }
    return false;
}

// Antimeridian: at Lon0 - 180 and Lon0 + 180.
inline bool SplitAntimeridian(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                              double* pLonShift, double* pLatShift) {
    if (pData == nullptr) return false;
    return SplitAt(pData->Lon0 - 180.0, pData->Lon0 + 180.0, pPts, nPts, pLonShift, pLatShift);
}

// Absolute antimeridian (Robinson): at -180 and +180, Lon0 not used.
inline bool SplitAbsoluteAntimeridian(const PROJDATA* pData, const PROJPOINT* pPts,
                                      unsigned int nPts, double* pLonShift, double* pLatShift) {
    if (pData == nullptr) return false;
    return SplitAt(-180.0, 180.0, pPts, nPts, pLonShift, pLatShift);
}

// Never: both shifts 0 and nothing to split; the outputs are left alone when
// an argument is missing.
inline bool SplitNever(const PROJDATA* pData, const PROJPOINT* pPts, unsigned int nPts,
                       double* pLonShift, double* pLatShift) {
    if (pData == nullptr || pPts == nullptr || nPts < 1 || pLonShift == nullptr ||
        pLatShift == nullptr)
        return false;
    *pLonShift = 0.0;
    *pLatShift = 0.0;
    return false;
}

} // namespace mod
} // namespace QVProj

#endif
