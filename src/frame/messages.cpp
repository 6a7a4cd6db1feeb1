// The message catalogue: the text of every message number that has one
// (QVERR_OMERC_PARALLELS to QVERR_OMERC_POLE have none).
#include "frame/report.h"

namespace QVProj {
namespace {

struct CatalogueEntry {
    ErrorNumber number;
    const char* text;
};

constexpr CatalogueEntry kCatalogue[] = {
    {QVERR_INTERNAL, "Internal inconsistency detected"},
    {QVERR_MEMORY, "Out of global memory"},
    {QVERR_FILE_WRITE, "Failed writing to file"},
    {QVERR_FILE_READ, "Failed reading from file"},
    {QVERR_FILE_OPEN, "Failed opening file"},
    {QVERR_BAD_PARAMETER, "Software was passed a bad parameter"},
    {QVERR_PROJ_TYPE, "Invalid projection type parameter specified"},
    {QVERR_SCALE, "Scale parameter must be greater than zero"},
    {QVERR_K0, "Central scale factor parameter (K0) must be greater than zero"},
    {QVERR_XORG, "Invalid value specified for false easting parameter"},
    {QVERR_YORG, "Invalid value specified for false northing parameter"},
    {QVERR_LON0,
     "Central longitude (Lon0) parameter was outside the range of -360 to +360 degrees"},
    {QVERR_LON1, "Longitude one (Lon1) parameter was outside the range of -360 to +360 degrees"},
    {QVERR_LON2, "Longitude two (Lon2) parameter was outside the range of -360 to +360 degrees"},
    {QVERR_LON3, "Longitude three (Lon3) parameter was outside the range of -360 to +360 degrees"},
    {QVERR_LAT0, "Central latitude (Lat0) parameter was outside the range of -90 to +90"},
    {QVERR_LAT1, "Standard parallel one (Lat1) parameter was outside the range of -90 to +90"},
    {QVERR_LAT2, "Standard parallel two (Lat2) parameter was outside the range of -90 to +90"},
    {QVERR_LAT3, "Standard parallel three (Lat3) parameter was outside the range of -90 to +90"},
    {QVERR_ALPHA, "Azimuth (Alpha) parameter was outside the range of -360 to +360 degrees"},
    {QVERR_BONNE_LAT1, "Standard parallel (Lat1) parameter for Bonne projection cannot be zero"},
    {QVERR_ALBERS_PARALLELS,
     "Sum or difference of standard parallel parameters (Lat1+Lat2) cannot be zero for "
     "Albers Equal Area projection"},
    {QVERR_HOTINE_ALPHA,
     "Azimuth (Alpha) parameter cannot be zero for Hotine Oblique Mercator projection"},
    {QVERR_LAMBERT_PARALLELS,
     "Standard parallels (Lat1, Lat2) cannot be similar for Lambert Conformal Conic "
     "projection"},
    {QVERR_ELLIPSOID, "Invalid ellipsoid parameter specified for projection"},
    {QVERR_RADIUS, "Ellipsoid radius parameter must be greater than zero"},
    {QVERR_FLATTENING,
     "Ellipsoid flattening parameter cannot be less than zero or greater than or equal "
     "to one"},
    {QVERR_MERCATOR_LAT0,
     "Central latitude (Lat0) parameter cannot be +/-90 degrees for Mercator projection"},
    {QVERR_STATE_ZONE, "State zone parameter not recognized"},
    {QVERR_EQUICONIC_PARALLELS,
     "Sum or difference of standard parallel parameters (Lat1+Lat2) cannot be zero for "
     "Equidistant Conic projection"},
    {QVERR_SRC_DATUM, "Invalid source datum specified"},
    {QVERR_DST_DATUM, "Invalid destination datum specified"},
    {QVERR_DATUM_METHOD, "Invalid datum transformation method specified"},
    {QVERR_DATUM_ELLIPSOID, "Invalid ellipsoid specified for datum transformation"},
    {QVERR_PRIME_MERIDIAN, "Prime meridian shift must be between -180 and +180 degrees"},
    {QVERR_SHIFT_X, "Invalid X axis shift for datum transformation"},
    {QVERR_SHIFT_Y, "Invalid Y axis shift for datum transformation"},
    {QVERR_SHIFT_Z, "Invalid Z axis shift for datum transformation"},
    {QVERR_ROTATION_X, "X axis rotation was outside the range of -3600 to +3600 arcseconds"},
    {QVERR_ROTATION_Y, "Y axis rotation was outside the rnage of -3600 to +3600 arcseconds"},
    {QVERR_ROTATION_Z, "Z axis rotation was outside the rnage of -3600 to +3600 arcseconds"},
    {QVERR_DATUM_SCALE, "K-scale parameter for datum transformation must be greater than zero"},
};

} // namespace

const char* CatalogueText(int error) {
    for (const CatalogueEntry& e : kCatalogue)
        if (e.number == error) return e.text;
    return nullptr;
}

} // namespace QVProj
