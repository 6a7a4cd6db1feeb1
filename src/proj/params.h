// The parameter table: number, display name, value type, offset and size of
// every parameter of PROJDATA. Which parameters each type uses is told by
// the projection type table (proj/projtypes.h).
#ifndef QVPROJ_PROJ_PARAMS_H
#define QVPROJ_PROJ_PARAMS_H

#include <cstddef>

#include "qvproj/proj.h"

namespace QVProj {

struct ParamRow {
    int number;
    const char* name;
    ProjDataType type;
    int offset;
    int size;
};

#define QV_PARAM(num, name, type, field)                                                           \
    ParamRow {                                                                                     \
        num, name, type, static_cast<int>(offsetof(PROJDATA, field)),                              \
            static_cast<int>(sizeof(PROJDATA::field))                                              \
    }

// The parameter table, ended by the row of number 0.
inline constexpr ParamRow kParams[] = {
    QV_PARAM(PP_TYPE, "Projection", PDT_PROJTYPE, Type),
    QV_PARAM(PP_SCALE, "Scale", PDT_DOUBLE, Scale),
    QV_PARAM(PP_XORG, "False Easting", PDT_DOUBLE, xOrg),
    QV_PARAM(PP_YORG, "False Northing", PDT_DOUBLE, yOrg),
    QV_PARAM(PP_LAT0, "Central Latitude", PDT_DOUBLE, Lat0),
    QV_PARAM(PP_LON0, "Central Longitude", PDT_DOUBLE, Lon0),
    QV_PARAM(PP_LAT1, "Standard Parallel", PDT_DOUBLE, Lat1),
    QV_PARAM(PP_LAT2, "2nd Standard Parallel", PDT_DOUBLE, Lat2),
    QV_PARAM(PP_LAT3, "3rd Standard Parallel", PDT_DOUBLE, Lat3),
    QV_PARAM(PP_LON1, "1st Meridian", PDT_DOUBLE, Lon1),
    QV_PARAM(PP_LON2, "2nd Meridian", PDT_DOUBLE, Lon2),
    QV_PARAM(PP_LON3, "3rd Meridian", PDT_DOUBLE, Lon3),
    QV_PARAM(PP_K0, "Central Scale Factor (K0)", PDT_DOUBLE, K0),
    QV_PARAM(PP_SOUTH, "Projection in Southern Hemisphere", PDT_BOOL, bSouth),
    QV_PARAM(PP_ZONE, "State Zone", PDT_STATEZONE, Zone),
    QV_PARAM(PP_USEALPHA, "Use Alpha Parameter", PDT_BOOL, bUseAlpha),
    QV_PARAM(PP_ALPHA, "Alpha (Azimuth)", PDT_DOUBLE, Alpha),
    QV_PARAM(PP_ROTATE, "Rotate U/V to X/Y", PDT_BOOL, bRotate),
    QV_PARAM(PP_UOFFSET, "Offset by U", PDT_BOOL, bUOffset),
    QV_PARAM(PP_ELLIPSOID, "Ellipsoid", PDT_ELLIPSOID, Ellipsoid),
    QV_PARAM(PP_MAJORRADIUS, "Ellipsoid Radius (meters)", PDT_DOUBLE, MajorRadius),
    QV_PARAM(PP_FLATTENING, "Ellipsoid Flattening", PDT_DOUBLE, Flattening),
    ParamRow{PP_END, "", PDT_NONE, -1, -1},
};
#undef QV_PARAM

static_assert(kParams[PP_ZONE - 1].offset == 101 && kParams[PP_ZONE - 1].size == 4,
              "parameter offsets follow the packed record");

// Parameter table row of a number, or null.
const ParamRow* FindParam(int param);

} // namespace QVProj

#endif
