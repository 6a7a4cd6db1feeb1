// Projection types and parameter metadata: display names, info masks, the
// parameter table and the parameters each type uses, in presentation order.
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

constexpr int kMaxTypeParams = 15;

// One row per projection type 0 to 28.
struct ProjTypeRow {
    const char* name;
    unsigned int mask;
    int params[kMaxTypeParams + 1]; // ended by PP_END
};

constexpr int kNumProjTypes = 29;

inline constexpr ProjTypeRow kProjTypes[kNumProjTypes] = {
    {"Unprojected Lat/Long", 0x00, {PP_END}},
    {"Mercator", 0x2f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT0}},
    {"Albers Equal Area Conic",
     0x2f,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT0, PP_LAT1, PP_LAT2}},
    {"Miller Cylindrical", 0x2f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"Universal Transverse Mercator (UTM)",
     0x1b,
     {PP_ELLIPSOID, PP_SCALE, PP_K0, PP_LON0, PP_LAT0, PP_SOUTH}},
    {"Lambert Conformal Conic",
     0x2f,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT0, PP_LAT1, PP_LAT2}},
    {"Stereographic", 0x1b, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_K0, PP_LON0, PP_LAT0}},
    {"Orthographic", 0x1b, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT0}},
    {"Mollweide", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"State Plane 1927", 0x3b, {PP_SCALE, PP_ZONE}},
    {"State Plane 1983", 0x3b, {PP_SCALE, PP_ZONE}},
    {"Polyconic", 0x1b, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT0}},
    {"Hotine Oblique Mercator",
     0x03,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_K0, PP_USEALPHA, PP_LON0, PP_ALPHA, PP_LAT0,
      PP_LAT1, PP_LON1, PP_LAT2, PP_LON2, PP_ROTATE, PP_UOFFSET}},
    {"Equidistant Cylindrical", 0x2f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT1}},
    {"Robinson", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG}},
    {"Van Der Grinten", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"Cassini", 0x3b, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LAT0, PP_LON0}},
    {"Transverse Mercator",
     0x1b,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_K0, PP_LON0, PP_LAT0}},
    {"Gauss-Kruger / Gauss Conformal",
     0x1b,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_K0, PP_LON0, PP_LAT0}},
    {"Sinusoidal", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"Lambert Azimuthal Equal Area",
     0x3b,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT1}},
    {"Bonne", 0x1b, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT1}},
    {"Robinson-Sterling", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"Eckert IV", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"Eckert VI", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0}},
    {"Oblique Mercator",
     0x03,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON1, PP_LAT1, PP_LON2, PP_LAT2, PP_K0}},
    {"Equidistant Conic",
     0x2f,
     {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT0, PP_LAT1, PP_LAT2}},
    {"Gnomonic", 0x1b, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT1}},
    {"Azimuthal Equidistant", 0x3f, {PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG, PP_LON0, PP_LAT1}},
};

constexpr const char* kUndefinedTypeName = "undefined";

constexpr bool IsProjType(int type) {
    return type >= 0 && type < kNumProjTypes;
}

// Display name of a type, "undefined" for 999 and "" for anything else.
const char* ProjTypeName(int type);
// Parameter table row of a number, or null.
const ParamRow* FindParam(int param);

} // namespace QVProj

#endif
