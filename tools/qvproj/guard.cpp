#include "guard.h"

#include <cmath>

namespace qvcli {

using QVProj::PROJDATA;
using QVProj::PROJPOINT;
using QVProj::UNPLOTTABLE;

namespace {

bool Marked(const PROJPOINT& p) {
    return p.x == UNPLOTTABLE || p.y == UNPLOTTABLE;
}

void Mark(PROJPOINT& p) {
    p.x = p.y = UNPLOTTABLE;
}

// lon plus or minus a multiple of 360 degrees, within 180 degrees of c.
double NearMeridian(double lon, double c) {
    const double d = lon - c;
    if (d > 180.0) return lon - 360.0 * std::ceil((d - 180.0) / 360.0);
    if (d < -180.0) return lon + 360.0 * std::ceil((-180.0 - d) / 360.0);
    return lon;
}

// The record whose central meridian and domain the guard uses, as guard.h
// defines them: a state plane zone expanded; a Hotine zone with its
// centre's longitude in Lon0, which the expansion leaves at 0.
PROJDATA GuardRecord(const PROJDATA& record) {
    PROJDATA d = record;
    if (d.Type != QVProj::PT_STATEPLANE27 && d.Type != QVProj::PT_STATEPLANE83) return d;
    QVProj::ProjGetStateZoneParams(&d);
    if (d.Type == QVProj::PT_HOTINE) {
        double lon1 = d.Lon1, lon2 = d.Lon2;
        const double centre = d.bUseAlpha != 0 ? lon1 : (lon1 + lon2) / 2.0;
        d.Lon0 = centre;
    }
    return d;
}

double CentralMeridian(const PROJDATA& d) {
    return QVProj::ProjUsesParam(d.Type, QVProj::PP_LON0) ? d.Lon0 : 0.0;
}

} // namespace

GeoCheck CheckGeographic(PROJPOINT& p) {
    if (Marked(p)) {
        Mark(p);
        return GeoCheck::kOk;
    }
    if (!(p.y >= -90.0 && p.y <= 90.0)) {
        Mark(p);
        return GeoCheck::kLatitudeRange;
    }
    if (!(p.x >= -360.0 && p.x <= 360.0)) {
        Mark(p);
        return GeoCheck::kLongitudeRange;
    }
    return GeoCheck::kOk;
}

PointGuard::PointGuard(QVProj::HPROJ projection, bool domainCheck) : m_projection(projection) {
    PROJDATA d{};
    QVProj::ProjGetHandleInfo(projection, &d);
    PROJDATA g = GuardRecord(d);
    m_centralMeridian = CentralMeridian(g);
    // Unprojected Lat/Long shows everything and has no domain test.
    m_domainCheck = domainCheck && d.Type != QVProj::PT_LATLONG;
    if (m_domainCheck && g.Type == QVProj::PT_HOTINE && d.Type != QVProj::PT_HOTINE &&
        m_domain.Create(&g))
        m_projection = m_domain.Handle();
}

bool PointGuard::Outside(PROJPOINT p) const {
    return m_domainCheck && !QVProj::ProjLLInProjection(m_projection, &p);
}

void PointGuard::BeforeForward(PROJPOINT* pts, int n) const {
    for (int i = 0; i < n; ++i) {
        PROJPOINT& p = pts[i];
        // Points out of range were reported as they were read; here they
        // are only kept from the library.
        if (Marked(p) || CheckGeographic(p) != GeoCheck::kOk) continue;
        p.x = NearMeridian(p.x, m_centralMeridian);
        if (Outside(p)) Mark(p);
    }
}

void PointGuard::AfterInverse(PROJPOINT* pts, int n) const {
    for (int i = 0; i < n; ++i) {
        PROJPOINT& p = pts[i];
        if (Marked(p) || !std::isfinite(p.x) || !std::isfinite(p.y)) continue;
        p.x = NearMeridian(p.x, m_centralMeridian);
        if (Outside(p))
            Mark(p);
        else
            p.x = NearMeridian(p.x, 0.0);
    }
}

} // namespace qvcli
