// The message catalogue: error numbers and their texts. Numbers that are not
// listed (20253 to 20255 among them) have no text.
#include "frame/report.h"

namespace QVProj {
namespace {

struct CatalogueEntry {
    int number;
    const char* text;
};

constexpr CatalogueEntry kCatalogue[] = {
    {20200, "Internal inconsistency detected"},
    {20201, "Out of global memory"},
    {20202, "Failed writing to file"},
    {20203, "Failed reading from file"},
    {20204, "Failed opening file"},
    {20205, "Software was passed a bad parameter"},
    {20230, "Invalid projection type parameter specified"},
    {20231, "Scale parameter must be greater than zero"},
    {20232, "Central scale factor parameter (K0) must be greater than zero"},
    {20233, "Invalid value specified for false easting parameter"},
    {20234, "Invalid value specified for false northing parameter"},
    {20235, "Central longitude (Lon0) parameter was outside the range of -360 to +360 degrees"},
    {20236, "Longitude one (Lon1) parameter was outside the range of -360 to +360 degrees"},
    {20237, "Longitude two (Lon2) parameter was outside the range of -360 to +360 degrees"},
    {20238, "Longitude three (Lon3) parameter was outside the range of -360 to +360 degrees"},
    {20239, "Central latitude (Lat0) parameter was outside the range of -90 to +90"},
    {20240, "Standard parallel one (Lat1) parameter was outside the range of -90 to +90"},
    {20241, "Standard parallel two (Lat2) parameter was outside the range of -90 to +90"},
    {20242, "Standard parallel three (Lat3) parameter was outside the range of -90 to +90"},
    {20243, "Azimuth (Alpha) parameter was outside the range of -360 to +360 degrees"},
    {20244, "Standard parallel (Lat1) parameter for Bonne projection cannot be zero"},
    {20245, "Sum or difference of standard parallel parameters (Lat1+Lat2) cannot be zero for "
            "Albers Equal Area projection"},
    {20246, "Azimuth (Alpha) parameter cannot be zero for Hotine Oblique Mercator projection"},
    {20247, "Standard parallels (Lat1, Lat2) cannot be similar for Lambert Conformal Conic "
            "projection"},
    {20248, "Invalid ellipsoid parameter specified for projection"},
    {20249, "Ellipsoid radius parameter must be greater than zero"},
    {20250, "Ellipsoid flattening parameter cannot be less than zero or greater than or equal "
            "to one"},
    {20251, "Central latitude (Lat0) parameter cannot be +/-90 degrees for Mercator projection"},
    {20252, "State zone parameter not recognized"},
    {20256, "Sum or difference of standard parallel parameters (Lat1+Lat2) cannot be zero for "
            "Equidistant Conic projection"},
    {20260, "Invalid source datum specified"},
    {20261, "Invalid destination datum specified"},
    {20262, "Invalid datum transformation method specified"},
    {20263, "Invalid ellipsoid specified for datum transformation"},
    {20264, "Prime meridian shift must be between -180 and +180 degrees"},
    {20265, "Invalid X axis shift for datum transformation"},
    {20266, "Invalid Y axis shift for datum transformation"},
    {20267, "Invalid Z axis shift for datum transformation"},
    {20268, "X axis rotation was outside the range of -3600 to +3600 arcseconds"},
    {20269, "Y axis rotation was outside the rnage of -3600 to +3600 arcseconds"},
    {20270, "Z axis rotation was outside the rnage of -3600 to +3600 arcseconds"},
    {20271, "K-scale parameter for datum transformation must be greater than zero"},
};

} // namespace

const char* CatalogueText(int error) {
    for (const CatalogueEntry& e : kCatalogue)
        if (e.number == error) return e.text;
    return nullptr;
}

} // namespace QVProj
