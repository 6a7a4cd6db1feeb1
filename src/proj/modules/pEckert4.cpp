// Eckert IV (type 23), on the sphere of radius MajorRadius whatever the
// flattening: Snyder's formulas (PP 1395 eqs. 32-1 to 32-3 and 32-5 to
// 32-7) with his rounded constants 0.4222382 and 1.3265004 (2/sqrt(pi(4 +
// pi)) and 2 sqrt(pi/(4 + pi)) to 7 decimals: 7.5e-11 and 2.1e-9 relative
// off the exact values). The forward solves t + sin t cos t + 2 sin t =
// (2 + pi/2) sin(lat) by Newton (EckertIteration): quadratic away from the
// poles, linear at them, where t stops within about 2.4e-6 rad; the inverse
// is closed form. Reads bWrapLon.
#include "proj/modules/module.h"

namespace QVProj {
namespace pEckert4 {

static constexpr const char* kUnit = "pEckert4";

using namespace mod;

namespace {

constexpr double kCx = 0.4222382;
constexpr double kCy = 1.3265004;
constexpr double kCp = 3.5707963267948966; // 2 + pi/2

// The forward of one point as a state, so that the lane form can
// interleave several.
struct ForwardLane {
    double k, s, c; // s and c: sine and cosine of the latest t
    EckertIteration it{0.0, 0.0};
    double Step(double t) const { return -(t + s * c + 2.0 * s - k) / (2.0 * c * (1.0 + c)); }
    // The start t = lat/2, whose cosine and sine come from the half-angle
    // formulas (within an ulp or two of the library's), and its step; false
    // when the denominator is 0 there (it is tested at the start only).
    bool Start(double lat) {
        const double sinLat = std::sin(lat), t0 = lat / 2.0;
        k = kCp * sinLat;
        if (std::fabs(lat) <= kHalfPi) {
            c = std::sqrt((1.0 + std::cos(lat)) / 2.0);
            s = sinLat / (2.0 * c);
        } else {
            s = std::sin(t0);
            c = std::cos(t0);
        }
        if (2.0 * c * (1.0 + c) == 0.0) return false;
        it = EckertIteration(t0, Step(t0));
        return true;
    }
    void Advance() {
        it.Advance([this](double t, double d) {
            AdvanceSinCos(t, d, s, c);
            return Step(t);
        });
    }
};

struct SphereForward {
    LongitudeDifference dlon;
    double RCx, RCy;
    explicit SphereForward(const PROJDATA& w)
        : dlon(w), RCx(kCx * w.MajorRadius), RCy(kCy * w.MajorRadius) {}
    // The iteration ends on a t whose step it computed, so s and c serve x
    // and y.
    void Finish(PROJPOINT& p, const ForwardLane& lane) const {
        p.x = RCx * dlon(p.x) * (1.0 + lane.c);
        p.y = RCy * lane.s;
    }
    Outcome operator()(PROJPOINT& p) const {
        ForwardLane lane;
        if (!lane.Start(p.y)) return kUnplottable;
        while (!lane.it.done) lane.Advance();
        Finish(p, lane);
        return kConverted;
    }
    // Four points at once, their iterations interleaved.
    static constexpr int kLanes = 4;
    void operator()(PROJPOINT* pts, Outcome* outcomes) const {
        ForwardLane lanes[kLanes];
        bool started[kLanes], running[kLanes], any = false;
        for (int l = 0; l < kLanes; ++l) {
            started[l] = running[l] = lanes[l].Start(pts[l].y);
            any = any || running[l];
        }
        while (any) {
            any = false;
            for (int l = 0; l < kLanes; ++l) {
                if (!running[l]) continue;
                lanes[l].Advance();
                running[l] = !lanes[l].it.done;
                any = any || running[l];
            }
        }
        for (int l = 0; l < kLanes; ++l) {
            outcomes[l] = started[l] ? kConverted : kUnplottable;
            if (started[l]) Finish(pts[l], lanes[l]);
        }
    }
};

struct SphereInverse {
    double lon0, RCx, RCy;
    explicit SphereInverse(const PROJDATA& w)
        : lon0(w.Lon0), RCx(kCx * w.MajorRadius), RCy(kCy * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double t = std::asin(ClampUnit(p.y / RCy));
        const double s = std::sin(t), c = std::cos(t);
        const double den = (1.0 + c) * RCx;
        if (den == 0.0) return kUnplottable;
        p.x = lon0 + p.x / den;
        p.y = std::asin(ClampUnit((t + s * c + 2.0 * s) / kCp));
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

} // namespace pEckert4
} // namespace QVProj
