// Van der Grinten (type 15), on the sphere of radius MajorRadius whatever
// the flattening: Snyder's formulas (PP 1395 eqs. 29-1 to 29-9 forward, y
// in a form that does not cancel; the inverse by the trigonometric solution
// of the cubic, eqs. 29-11 to 29-15, with the longitude of eq. 29-16,
// whose acos works near the end of its range on the equator and at the map
// edge near the poles: 5e-7 and 1e-6 degrees there, 1e-10 elsewhere). The
// longitude difference is always wrapped into [-pi, pi] forward, and the
// inverse longitude too.
#include "proj/modules/module.h"

namespace QVProj {
namespace pVanDer {

static constexpr const char* kUnit = "pVanDer";

using namespace mod;

namespace {

constexpr double kThirdOfPi = 1.0471975511965976;

struct SphereForward {
    double lon0, R, piR;
    explicit SphereForward(const PROJDATA& w)
        : lon0(w.Lon0), R(w.MajorRadius), piR(kPi * w.MajorRadius) {}
    Outcome operator()(PROJPOINT& p) const {
        const double lon = p.x, lat = p.y, dlon = WrapPi(lon - lon0);
        if (std::fabs(lat) <= kEps4) {
            p.x = R * dlon;
            p.y = 0.0;
            return kConverted;
        }
        const double theta = std::asin(ClampUnit(std::fabs(2.0 * lat / kPi)));
        if (std::fabs(lat) == kHalfPi || lon == lon0) {
            const double y = piR * std::tan(theta / 2.0);
            p.x = 0.0;
            p.y = lat < 0.0 ? -y : y;
            return kConverted;
        }
        const double s = std::sin(theta), c = std::cos(theta);
        if (s + c - 1.0 == 0.0) return kUnplottable;
        const double G = c / (s + c - 1.0);
        if (s - 1.0 == 0.0) return kUnplottable;
        const double P = G * (2.0 / s - 1.0);
        // dlon = 0 here comes from lon = Lon0 + 2 pi.
        if (dlon == 0.0) return kUnplottable;
        const double A = std::fabs(kPi / dlon - dlon / kPi) / 2.0;
        const double A2 = A * A, P2 = P * P, Q = A2 + G, AP = A2 + P2;
        if (AP == 0.0) return kUnplottable;
        const double GP = G - P2;
        const double rx = A2 * GP * GP - AP * (G * G - P2);
        if (rx < 0.0) return kUnplottable;
        // y = pi R (P Q - A sqrt(ry)) / (A^2 + P^2), with the radicand ry =
        // (A^2 + P^2)(A^2 + 1) - Q^2, is evaluated in an equal form that
        // does not cancel: written as is, its A^4 terms cancel (kilometres
        // off within a few thousandths of a degree of the central meridian)
        // and so do P Q and A sqrt(ry) near the equator. The radicand is
        // expanded, A^2 (1 + P^2 - 2G) + P^2 - G^2, and the difference is
        // multiplied by its conjugate: P Q - A sqrt(ry) = (A^2 + P^2) (A^2
        // (2G - 1) + G^2) / (P Q + A sqrt(ry)), with G > 1 and P > 0 every
        // term is positive. Its sign test is that of the radicand as given.
        const double ry = A2 * (1.0 + P2 - 2.0 * G) + P2 - G * G;
        if (ry < 0.0) return kUnplottable;
        const double x = piR * (A * GP + std::sqrt(rx)) / AP;
        const double y = piR * (A2 * (2.0 * G - 1.0) + G * G) / (P * Q + A * std::sqrt(ry));
        p.x = dlon < 0.0 ? -x : x;
        p.y = lat < 0.0 ? -y : y;
        return kConverted;
    }
};

struct SphereInverse {
    double lon0, invPiR;
    explicit SphereInverse(const PROJDATA& w) : lon0(w.Lon0), invPiR(1.0 / (kPi * w.MajorRadius)) {}
    Outcome operator()(PROJPOINT& p) const {
        const double X = p.x * invPiR, Y = p.y * invPiR;
        const double X2 = X * X, Y2 = Y * Y, XY2 = X2 + Y2;
        const double c1 = -std::fabs(Y) * (1.0 + XY2);
        const double c2 = c1 - 2.0 * Y2 + X2;
        const double c3 = -2.0 * c1 + 1.0 + 2.0 * Y2 + XY2 * XY2;
        if (c3 == 0.0) return kUnplottable;
        // The divisions by c3, c3^2 and c3^3 as products with 1/c3.
        const double i3 = 1.0 / c3, c2i = c2 * i3;
        const double d = Y2 * i3 + (2.0 * c2i * c2i * c2i - 9.0 * c1 * c2i * i3) / 27.0;
        const double a1 = (c1 - c2 * c2i / 3.0) * i3;
        const double m1 = 2.0 * std::sqrt(-a1 / 3.0);
        // At the origin 3d/(a1 m1) is 0/0: ClampUnit makes it 1 and the
        // latitude 0.
        const double theta1 = std::acos(ClampUnit(3.0 * d / (a1 * m1))) / 3.0;
        double lat = kPi * (-m1 * std::cos(theta1 + kThirdOfPi) - c2i / 3.0);
        if (p.y < 0.0) lat = -lat;
        double lon = lon0;
        if (std::fabs(X) > kEps) {
            const double r = 1.0 + 2.0 * (X2 - Y2) + XY2 * XY2;
            if (r < 0.0) return kUnplottable;
            lon = lon0 + kPi * (XY2 - 1.0 + std::sqrt(r)) / (2.0 * X);
        }
        // The inverse longitude is always wrapped (Lon0 itself too).
        p.x = WrapPi(lon);
        p.y = lat;
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

} // namespace pVanDer
} // namespace QVProj
