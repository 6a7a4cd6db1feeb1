// Molodensky and Bursa-Wolf legs of a datum conversion.
#include <cmath>

#include "frame/flagbyte.h"
#include "datum/legs.h"

namespace QVProj {
namespace {

double ArcsecToRad(double s) {
    return s / 60.0 / 60.0 * kDegToRad;
}

// What every leg sets up from its direction: the source and target
// ellipsoids (the datum's and WGS84, swapped from WGS84) and the sign of
// the shifts.
struct LegSetup {
    EllipsoidAxes source, target;
    double sign;
    explicit LegSetup(const DATUM2WGS84& p) {
        const EllipsoidAxes datum{p.MajorRadius, p.Flattening};
        const bool inverse = FlagByte(p.bInverse) != 0;
        source = inverse ? kWGS84 : datum;
        target = inverse ? datum : kWGS84;
        sign = inverse ? -1.0 : 1.0;
    }
};

} // namespace

bool MolodenskyLeg(const DATUM2WGS84& params, DATUMPOINT* pPts, int nPts) {
    const LegSetup leg(params);
    const double dX = leg.sign * params.dX, dY = leg.sign * params.dY, dZ = leg.sign * params.dZ;
    const double a = leg.source.a, f = leg.source.f;
    const double da = leg.target.a - a;
    const double df = leg.target.f - f;
    const double e2 = 2.0 * f - f * f;
    const double b = (1.0 - f) * a;
    const double sin1 = std::sin(4.84813681109536e-06);
    for (int i = 0; i < nPts; ++i) {
        DATUMPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        const double phi = p.Lat * kDegToRad;
        const double lam = p.Lon * kDegToRad;
        const double sphi = std::sin(phi), cphi = std::cos(phi);
        const double slam = std::sin(lam), clam = std::cos(lam);
        const double w = 1.0 - e2 * sphi * sphi;
        const double N = a / std::sqrt(w);
        const double M = a * (1.0 - e2) / (w * std::sqrt(w));
        const double dphi =
            (-dX * sphi * clam - dY * sphi * slam + dZ * cphi + da * N * e2 * sphi * cphi / a +
             df * (M * a / b + N * b / a) * sphi * cphi) /
            (M * sin1);
        const double dlam = (-dX * slam + dY * clam) / (N * cphi * sin1);
        p.Lon = lam * kRadToDeg + dlam / 60.0 / 60.0;
        p.Lat = phi * kRadToDeg + dphi / 60.0 / 60.0;
    }
    return true;
}

// One pass of the iteration yields the loop's result bit for bit: u does not
// depend on the previous latitude, so every later pass repeats the same
// latitude and the loop stops on its second pass; the arccos seed is only
// ever compared against and never returned.
void GeocentricToGeodetic(double a, double f, double X, double Y, double Z, double* pLon,
                          double* pLat) {
    const double p = std::sqrt(X * X + Y * Y);
    const double r = std::sqrt(p * p + Z * Z);
    const double e2 = (2.0 - f) * f;
    const double u = std::atan2(((1.0 - f) + e2 * a / r) * Z, p);
    const double su = std::sin(u), cu = std::cos(u);
    *pLon = std::atan2(Y, X);
    *pLat =
        std::atan2((1.0 - f) * Z + e2 * a * su * su * su, (1.0 - f) * (p - e2 * a * cu * cu * cu));
}

bool BursaWolfLeg(const DATUM2WGS84& params, DATUMPOINT* pPts, int nPts) {
    // Geodetic to geocentric on the source ellipsoid, back on the target one.
    const LegSetup leg(params);
    const double tX = leg.sign * params.dX, tY = leg.sign * params.dY, tZ = leg.sign * params.dZ;
    const double wX = ArcsecToRad(leg.sign * params.rX), wY = ArcsecToRad(leg.sign * params.rY),
                 wZ = ArcsecToRad(leg.sign * params.rZ);
    const double k = leg.sign > 0 ? 1.0 + params.Scale * 1e-6 : 1.0 / (1.0 + params.Scale * 1e-6);
    const double a = leg.source.a, f = leg.source.f, at = leg.target.a, ft = leg.target.f;
    const double e2 = (2.0 - f) * f;
    for (int i = 0; i < nPts; ++i) {
        DATUMPOINT& pt = pPts[i];
        if (IsUnplottable(pt)) continue;
        const double phi = pt.Lat * kDegToRad;
        const double lam = pt.Lon * kDegToRad;
        const double sphi = std::sin(phi), cphi = std::cos(phi);
        const double N = a / std::sqrt(1.0 - e2 * sphi * sphi);
        const double X = N * cphi * std::cos(lam);
        const double Y = N * cphi * std::sin(lam);
        const double Z = (1.0 - e2) * N * sphi;
        const double X1 = k * (X - wZ * Y + wY * Z);
        const double Y1 = k * (wZ * X + Y - wX * Z);
        const double Z1 = k * (-wY * X + wX * Y + Z);
        double lon = 0, lat = 0;
        GeocentricToGeodetic(at, ft, tX + X1, tY + Y1, tZ + Z1, &lon, &lat);
        pt.Lon = lon * kRadToDeg;
        pt.Lat = lat * kRadToDeg;
    }
    return true;
}

} // namespace QVProj
