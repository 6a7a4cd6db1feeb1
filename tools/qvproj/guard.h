// The safeguards of the point commands around the library's conversions.
//
// The library converts what it is given: its projection modules do not wrap
// longitudes, and it folds a latitude of 95 into 85 and a longitude of 1e300
// into a remainder of 360. Those are the library's rules and hosts rely on
// them. The tool (and the Python package, which applies the same rules in the
// same order) must not print such plausible numbers for points that have
// none, so every point goes through these steps:
//
// 1. Geographic input (fwd, datum, clip), checked as the point is read:
//    - a coordinate written as "*" (the unplottable marker of an earlier
//      stage) makes the whole point the marker, which passes through as "*";
//    - a latitude outside [-90, 90] or a longitude outside [-360, 360] (the
//      range the library accepts for lat/long points in ProjLLInProjection
//      and the preclipper) is bad input: the point prints as "*" and the line
//      is counted as unreadable. Nothing is folded.
// 2. Forward projection (fwd), before the library is called:
//    - the longitude is brought within 180 degrees of the projection's
//      central meridian by adding or subtracting 360 degrees; a longitude
//      exactly 180 degrees away stays as given;
//    - unless the domain check is off, a point that ProjLLInProjection
//      rejects becomes the marker (it is a result, not an error). Unprojected
//      Lat/Long shows every point and has no domain test.
// 3. Inverse projection (inv), after the library has converted the points:
//    - the longitude is brought within 180 degrees of the central meridian
//      as in step 2 and, unless the domain check is off, a point that
//      ProjLLInProjection rejects becomes the marker;
//    - the longitude is then brought into [-180, 180] (values already in
//      that range, both ends included, stay as they are).
//
// The central meridian is the record's Lon0 (for a state plane zone, the
// Lon0 of the zone's expanded record) when the type takes a central
// longitude, and 0 for the types that take none (Robinson's band is fixed
// on Greenwich). A Hotine state plane zone is the exception: its expansion
// leaves Lon0 at 0, which the Hotine formulas do not read but its domain box
// does, so the guard takes the zone's centre longitude (Lon1 in the azimuth
// form, halfway between Lon1 and Lon2 in the two-point form) as Lon0 for the
// central meridian and the domain test. It must lie within [-180, 180]: qvproj brings --lon0 into
// that range when it builds a record.
#ifndef QVPROJ_TOOLS_GUARD_H
#define QVPROJ_TOOLS_GUARD_H

#include "qvproj/proj.h"

namespace qvcli {

enum class GeoCheck { kOk, kLatitudeRange, kLongitudeRange };

// Step 1 for one point (coordinates already read, "*" as the marker).
GeoCheck CheckGeographic(QVProj::PROJPOINT& p);

// Steps 2 and 3 for the points of one projection handle.
class PointGuard {
public:
    PointGuard(QVProj::HPROJ projection, bool domainCheck);

    void BeforeForward(QVProj::PROJPOINT* pts, int n) const;
    void AfterInverse(QVProj::PROJPOINT* pts, int n) const;

private:
    bool Outside(QVProj::PROJPOINT p) const;

    QVProj::HPROJ m_projection;  // the handle whose domain test applies
    QVProj::CProjector m_domain; // a Hotine zone's record with its centre in Lon0
    bool m_domainCheck;
    double m_centralMeridian = 0;
};

} // namespace qvcli

#endif
