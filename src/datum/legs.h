// The per-point methods of one datum conversion leg. Each works in place on
// degrees, skips points holding the unplottable marker and prepares the
// leg's constants once per call.
#ifndef QVPROJ_DATUM_LEGS_H
#define QVPROJ_DATUM_LEGS_H

#include "proj/geodesy.h"
#include "qvproj/datum.h"

namespace QVProj {

// The params carry MajorRadius and Flattening of the datum's ellipsoid;
// bInverse false shifts from the datum to WGS84, true from WGS84 to the datum.
bool MolodenskyLeg(const DATUM2WGS84& params, DATUMPOINT* pPts, int nPts);
bool BursaWolfLeg(const DATUM2WGS84& params, DATUMPOINT* pPts, int nPts);
// The regression equations of datum 224 to 231, towards WGS84 only. False
// for a datum without equations.
bool RegressionLeg(int datum, DATUMPOINT* pPts, int nPts);
// NADCON shift towards WGS84 with the grid pair "<grid>.LAS"/"<grid>.LOS".
// False (reported) when the grid files cannot be opened.
bool NadconLeg(const char* pGrid, DATUMPOINT* pPts, int nPts);

// Geocentric to geodetic (radians) on the ellipsoid a, f.
void GeocentricToGeodetic(double a, double f, double X, double Y, double Z, double* pLon,
                          double* pLat);

// A catalogue ellipsoid's axis and flattening into a leg's parameters; a
// user-defined ellipsoid keeps its own.
inline void SetEllipsoid(DATUM2WGS84& p) {
    if (p.Ellipsoid == ET_USER_DEFINED) return;
    const EllipsoidAxes axes = EllipsoidAxesOf(p.Ellipsoid);
    p.MajorRadius = axes.a;
    p.Flattening = axes.f;
}

inline bool IsUnplottable(const DATUMPOINT& p) {
    return IsUnplottable(p.Lon, p.Lat);
}

} // namespace QVProj

#endif
