// Hotine Oblique Mercator (type 12), ellipsoid (a sphere is the ellipsoid
// with e = 0): Snyder's formulas (PP 1395, chapter 9) in both alternates,
// the centre (Lat0, Lon1) with the azimuth Alpha of the central line
// (bUseAlpha set), or two points (Lat1, Lon1) and (Lat2, Lon2) on it with
// Lat0 the latitude of the centre. Closed form; the forward is exact, the
// inverse takes its exponential with the base 2.71828, which puts its
// isometric latitude off by 6.7e-7 of B v / A (up to 2.6e-5 degrees, under
// 3 m, 15 degrees from the centre), and comes back from the conformal
// latitude by the series in e^2 to e^8.
#include "frame/flagbyte.h"
#include "proj/modules/module.h"

namespace QVProj {
namespace pHotine {

static constexpr const char* kUnit = "pHotine";

using namespace mod;

namespace {

// The largest single-precision value, the stand-in for an infinite Q or v.
constexpr double kBig = 3.4028234663852886e+38;

// What both forms and both directions share, from Lat0, K0 and the
// ellipsoid.
struct HotineShape {
    double e, e2;
    double A, B, D, F, E, lnE;
    bool badW0;     // 1 - e^2 sin^2 Lat0 = 0: every point is unplottable
    bool badCentre; // cos Lat0 sqrt(1 - e^2 sin^2 Lat0) = 0 (azimuth form only)
    explicit HotineShape(const PROJDATA& w) : e(Eccentricity(w.Flattening)), e2(e * e) {
        const double s0 = std::sin(w.Lat0), c0 = std::cos(w.Lat0), w0 = 1.0 - e2 * (s0 * s0);
        B = std::sqrt(1.0 + e2 * (c0 * c0 * c0 * c0) / (1.0 - e2));
        badW0 = w0 == 0.0;
        A = w.MajorRadius * B * w.K0 * std::sqrt(1.0 - e2) / w0;
        const double t0 = T(w.Lat0);
        const double centre = c0 * std::sqrt(w0);
        badCentre = centre == 0.0;
        D = B * std::sqrt(1.0 - e2) / centre;
        if (D * D < 1.0) D = 1.0;
        const double root = std::sqrt(D * D - 1.0);
        F = w.Lat0 < 0.0 ? D - root : D + root;
        E = F * std::pow(t0, B);
        lnE = std::log(E);
    }
    // t(phi) = sqrt(((1 - sin phi)/(1 + sin phi)) ((1 + e sin phi)/(1 - e
    // sin phi))^e), 1.19e-7 where sin phi = -1 or e sin phi = 1.
    double T(double phi) const {
        const double s = std::sin(phi), es = e * s;
        if (s == -1.0 || es == 1.0) return kEps;
        return std::sqrt(((1.0 - s) / (1.0 + s)) * std::pow((1.0 + es) / (1.0 - es), e));
    }
    // Q = E / t(lat)^B, 3.4e38 where t^B = 0 (the north pole) and 1.19e-7
    // where Q comes out 0 (E = 0: Lat0 at the north pole). Away from the
    // guards as exp(ln E - B ln t), ln t = (LogRatio(s) - e LogRatio(e
    // s))/2, which agrees with the quotient to a few units in the last place.
    double Q(double lat, double s) const {
        if (s != -1.0 && e * s != 1.0) {
            const double lnQ = lnE - B * (0.5 * (LogRatio(s) - e * LogRatio(e * s)));
            if (std::fabs(lnQ) <= 700.0) return std::exp(lnQ);
        }
        const double tB = std::pow(T(lat), B);
        const double q = tB == 0.0 ? kBig : E / tB;
        return q == 0.0 ? kEps : q;
    }
};

// The oblique Mercator of one form: the shape, the origin longitude
// lambda0, the azimuth gamma0 of the central line at the natural origin, the
// offset of u and the rotation of (u, v) into (x, y).
struct HotineLine {
    HotineShape shape;
    bool azimuthForm;
    bool bad = false; // a zero divisor of the record: every point is unplottable
    double alpha = 0; // the azimuth form's Alpha (0 fails the call)
    double lambda0 = 0, gamma0 = 0, sinGamma0 = 0, cosGamma0 = 0;
    double uOffset = 0; // uc when u is measured from the centre
    bool rotate;
    double sinRot = 0, cosRot = 0;
    double AoverB = 0;
    explicit HotineLine(const PROJDATA& w)
        : shape(w), azimuthForm(FlagByte(w.bUseAlpha) != 0), rotate(true) {
        const double A = shape.A, B = shape.B, D = shape.D, E = shape.E;
        AoverB = A / B;
        double rotation;
        if (azimuthForm) {
            alpha = w.Alpha;
            rotate = FlagByte(w.bRotate) != 0;
            rotation = alpha;
            const double G = (shape.F - 1.0 / shape.F) / 2.0;
            gamma0 = std::asin(Clamp1(std::sin(alpha) / D));
            sinGamma0 = std::sin(gamma0);
            cosGamma0 = std::cos(gamma0);
            lambda0 = w.Lon1 - std::asin(Clamp1(G * std::tan(gamma0))) / B;
            const double cosAlpha = std::cos(alpha);
            if (FlagByte(w.bUOffset) != 0) {
                uOffset = AoverB * std::atan(std::sqrt(D * D - 1.0) / cosAlpha);
                if (w.Lat0 < 0.0) uOffset = -uOffset;
            }
            bad = shape.badW0 || shape.badCentre || B == 0.0 || cosAlpha == 0.0;
        } else {
            const double H = std::pow(shape.T(w.Lat1), B), L = std::pow(shape.T(w.Lat2), B);
            const double Fp = E / H, G = (Fp - 1.0 / Fp) / 2.0;
            const double E2 = E * E;
            const double J = (E2 - L * H) / (E2 + L * H), P = (L - H) / (L + H);
            bad = shape.badW0 || E2 + L * H == 0.0 || L + H == 0.0 || P == 0.0 || B == 0.0 ||
                  G == 0.0;
            lambda0 = (w.Lon1 + w.Lon2) / 2.0 -
                      std::atan(J * std::tan(B * (w.Lon1 - w.Lon2) / 2.0) / P) / B;
            gamma0 = std::atan(std::sin(B * (w.Lon1 - lambda0)) / G);
            sinGamma0 = std::sin(gamma0);
            cosGamma0 = std::cos(gamma0);
            rotation = std::asin(Clamp1(D * std::sin(gamma0))); // alpha_c
        }
        sinRot = std::sin(rotation);
        cosRot = std::cos(rotation);
    }
};

struct HotineForward {
    HotineLine line;
    explicit HotineForward(const PROJDATA& w) : line(w) {}
    Outcome operator()(PROJPOINT& p) const {
        const HotineLine& l = line;
        if (l.azimuthForm && !QV_CHECK(l.alpha != 0.0)) return kFailCall;
        if (l.bad) return kUnplottable;
        const HotineShape& h = l.shape;
        const double lat = p.y, Q = h.Q(lat, std::sin(lat));
        const double Bl = h.B * (p.x - l.lambda0), V = std::sin(Bl), cosBl = std::cos(Bl);
        // S = (Q - 1/Q)/2 and T = (Q + 1/Q)/2 enter scaled by 2Q, as Q^2 - 1
        // and Q^2 + 1, so that U = (-V cos gamma0 + S sin gamma0)/T and the
        // (1 - U)/(1 + U) of v take one division each (unscaled where Q^2
        // could overflow).
        double twoQ, S, T;
        if (Q < 1e100) {
            twoQ = 2.0 * Q;
            S = Q * Q - 1.0;
            T = Q * Q + 1.0;
        } else {
            twoQ = 1.0;
            S = (Q - 1.0 / Q) / 2.0;
            T = (Q + 1.0 / Q) / 2.0;
        }
        if (T == 0.0) return kUnplottable;
        const double N = -twoQ * V * l.cosGamma0 + S * l.sinGamma0, U = N / T;
        double v;
        if (std::fabs(U) == 1.0)
            v = kBig;
        else if (lat == kHalfPi)
            v = l.AoverB * std::log(std::tan(kQuarterPi - l.gamma0 / 2.0));
        else if (lat == -kHalfPi)
            v = l.AoverB * std::log(std::tan(kQuarterPi + l.gamma0 / 2.0));
        else
            v = l.AoverB / 2.0 * std::log((T - N) / (T + N));
        if (cosBl == 0.0) return kUnplottable;
        const double u =
            l.AoverB * std::atan((S * l.cosGamma0 + twoQ * V * l.sinGamma0) / (twoQ * cosBl)) -
            l.uOffset;
        if (l.rotate) {
            p.x = v * l.cosRot + u * l.sinRot;
            p.y = u * l.cosRot - v * l.sinRot;
        } else {
            p.x = u;
            p.y = v;
        }
        return kConverted;
    }
};

struct HotineInverse {
    HotineLine line;
    GeodeticFromConformal latitude;
    double lnBase; // 2.71828^x is taken as exp(x ln 2.71828)
    explicit HotineInverse(const PROJDATA& w)
        : line(w), latitude(line.shape.e2), lnBase(std::log(kExpBase)) {}
    Outcome operator()(PROJPOINT& p) const {
        const HotineLine& l = line;
        if (l.azimuthForm && !QV_CHECK(l.alpha != 0.0)) return kFailCall;
        if (l.bad) return kUnplottable;
        const HotineShape& h = l.shape;
        const double A = h.A, B = h.B;
        double u = p.x, v = p.y;
        if (l.rotate) {
            v = p.x * l.cosRot - p.y * l.sinRot;
            u = p.y * l.cosRot + p.x * l.sinRot;
        }
        u += l.uOffset;
        if (A == 0.0) return kUnplottable;
        // exp(-B v / A) with the base 2.71828.
        const double Q = std::exp(-B * v / A * lnBase);
        if (Q == 0.0) return kUnplottable;
        const double S = (Q - 1.0 / Q) / 2.0, T = (Q + 1.0 / Q) / 2.0;
        const double Bu = B * u / A, V = std::sin(Bu);
        if (T == 0.0) return kUnplottable;
        const double U = (V * l.cosGamma0 + S * l.sinGamma0) / T;
        if (U == 1.0) return kUnplottable;
        double lat = -kHalfPi;
        if (U != -1.0) {
            // t = (E / sqrt((1 + U)/(1 - U)))^(1/B).
            const double t = std::exp((h.lnE - 0.5 * std::log((1.0 + U) / (1.0 - U))) / B);
            lat = latitude(kHalfPi - 2.0 * std::atan(t));
        }
        p.x = l.lambda0 - std::atan((S * l.cosGamma0 - V * l.sinGamma0) / std::cos(Bu)) / B;
        p.y = lat;
        return kConverted;
    }
};

} // namespace

bool Forward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<HotineForward>(kUnit, pWork, pPts, nPts);
}

bool Inverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    return Convert<HotineInverse>(kUnit, pWork, pPts, nPts);
}

} // namespace pHotine
} // namespace QVProj
