// Transverse Mercator mathematics shared by pTMerc (types 17 and 18) and pUTM
// (type 4): the spherical formulas and the ellipsoidal power series, forward
// in A and inverse in D through the footpoint latitude. The two units differ
// only in their guards, selected by kUTM.
#ifndef QVPROJ_PROJ_MODULES_TMERC_H
#define QVPROJ_PROJ_MODULES_TMERC_H

#include "proj/modules/module.h"

namespace QVProj {
namespace mod {

template <bool kUTM> void TMercForward(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    const double R = pWork->MajorRadius, f = pWork->Flattening, k0 = pWork->K0;
    const double lat0 = pWork->Lat0, lon0 = pWork->Lon0;

    if (f == 0.0) {
        const double halfRK0 = 0.5 * R * k0, RK0 = R * k0;
        for (int i = 0; i < nPts; ++i) {
            PROJPOINT& p = pPts[i];
            if (IsUnplottable(p)) continue;
            double lat = p.y, dlon = p.x - lon0;
            double B = std::cos(lat) * std::sin(dlon);
            if (B == 1.0) {
                MarkUnplottable(pWork, p);
                continue;
            }
            double x = halfRK0 * std::log((1.0 + B) / (1.0 - B));
            double y;
            if (std::fabs(lat) == kHalfPi || std::fabs(dlon) == kHalfPi) {
                y = RK0 * ((lat >= 0.0 ? kHalfPi : -kHalfPi) - lat0);
            } else {
                double cd = std::cos(dlon);
                if (cd == 0.0) {
                    MarkUnplottable(pWork, p);
                    continue;
                }
                y = RK0 * (std::atan(std::tan(lat) / cd) - lat0);
            }
            p.x = x;
            p.y = y;
        }
        return;
    }

    const double e = Eccentricity(f);
    const double e2 = e * e, ep2 = e2 / (1.0 - e2);
    const MeridianDistance M(R, e2);
    const double M0 = M(lat0);
    const double c58 = 58.0 * ep2, c330 = 330.0 * ep2;
    for (int i = 0; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        double lat = p.y, dlon = p.x - lon0;
        double m = M(lat);
        if (std::fabs(lat) == kHalfPi) {
            p.x = 0.0;
            p.y = (m - M0) * k0;
            continue;
        }
        double s = std::sin(lat), c = std::cos(lat), tn = std::tan(lat);
        double w = 1.0 - e2 * (s * s);
        if (kUTM && w < 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double N = R / std::sqrt(w);
        double T = tn * tn, G = ep2 * (c * c), A = c * dlon;
        double A2 = A * A, A3 = A2 * A, A4 = A2 * A2, A5 = A4 * A, A6 = A4 * A2;
        p.x =
            k0 * N *
            (A + (1.0 - T + G) * A3 / 6.0 + (5.0 - 18.0 * T + T * T + 72.0 * G - c58) * A5 / 120.0);
        p.y = k0 * (m - M0 +
                    N * tn *
                        (A2 / 2.0 + (5.0 - T + 9.0 * G + 4.0 * G * G) * A4 / 24.0 +
                         (61.0 - 58.0 * T + T * T + 600.0 * G - c330) * A6 / 720.0));
    }
}

template <bool kUTM> void TMercInverse(PROJDATA* pWork, PROJPOINT* pPts, int nPts) {
    const double R = pWork->MajorRadius, f = pWork->Flattening, k0 = pWork->K0;
    const double lat0 = pWork->Lat0, lon0 = pWork->Lon0;

    if (f == 0.0) {
        const double RK0 = R * k0;
        for (int i = 0; i < nPts; ++i) {
            PROJPOINT& p = pPts[i];
            if (IsUnplottable(p)) continue;
            if (RK0 == 0.0) {
                MarkUnplottable(pWork, p);
                continue;
            }
            double xr = p.x / RK0;
            double D = p.y / RK0 + lat0;
            double s = std::sin(D) / std::cosh(xr);
            if (s > 1.0) s = 1.0;
            if (s < -1.0) s = -1.0;
            double cD = std::cos(D);
            if (cD == 0.0) {
                MarkUnplottable(pWork, p);
                continue;
            }
            p.y = std::asin(s);
            p.x = std::atan(std::sinh(xr) / cD) + lon0;
        }
        return;
    }

    const double e = Eccentricity(f);
    const double e2 = e * e, ep2 = e2 / (1.0 - e2);
    const MeridianDistance M(R, e2);
    const double M0 = M(lat0);
    const double Rc0 = R * M.c0;
    const FootpointLatitude footpoint(e2);
    const double R1num = R * (1.0 - e2);
    const double c8 = 8.0 * ep2, c9 = 9.0 * ep2, c252 = 252.0 * ep2;
    const bool bad = kUTM ? (1.0 + std::sqrt(1.0 - e2) == 0.0) : (k0 == 0.0);
    for (int i = 0; i < nPts; ++i) {
        PROJPOINT& p = pPts[i];
        if (IsUnplottable(p)) continue;
        if (bad) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double mu = (p.y / k0 + M0) / Rc0;
        double phi1 = footpoint(mu);
        double s = std::sin(phi1), c = std::cos(phi1), tn = std::tan(phi1);
        double C1 = ep2 * (c * c), T1 = tn * tn;
        double w = 1.0 - e2 * (s * s);
        if (w < 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double sw = std::sqrt(w);
        if (sw == 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double N1 = R / sw;
        double R1 = R1num / std::pow(w, 1.5);
        double N1k0 = N1 * k0;
        if (N1k0 == 0.0 || R1 == 0.0) {
            MarkUnplottable(pWork, p);
            continue;
        }
        double D = p.x / N1k0;
        double D2 = D * D, D3 = D2 * D, D4 = D2 * D2, D5 = D4 * D, D6 = D4 * D2;
        p.x = lon0 +
              (D - (1.0 + 2.0 * T1 + C1) * D3 / 6.0 +
               (5.0 - 2.0 * C1 + 28.0 * T1 - 3.0 * C1 * C1 + c8 + 24.0 * T1 * T1) * D5 / 120.0) /
                  c;
        p.y = phi1 - (N1 * tn / R1) *
                         (D2 / 2.0 - (5.0 + 3.0 * T1 + 10.0 * C1 - 4.0 * C1 * C1 - c9) * D4 / 24.0 +
                          (61.0 + 90.0 * T1 + 298.0 * C1 + 45.0 * T1 * T1 - c252 - 3.0 * C1 * C1) *
                              D6 / 720.0);
    }
}

} // namespace mod
} // namespace QVProj

#endif
