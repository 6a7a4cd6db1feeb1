// The key table of the cartographic reference file: one row per label, in
// the order of the file. The writer and the reader both walk it.
#ifndef QVPROJ_FILES_REFKEYS_H
#define QVPROJ_FILES_REFKEYS_H

#include <cstddef>
#include <cstdint>

#include "qvproj/datum.h"
#include "qvproj/georef.h"
#include "qvproj/proj.h"

namespace QVProj {

enum class RefGroup : uint8_t { Projection, Datum, Georef };

enum class RefForm : uint8_t {
    Float,            // "%.15lG"
    Integer,          // "%d"
    Boolean,          // "true" or "false"
    ProjName,         // display name of the projection type
    ZoneName,         // state plane zone name
    EllipsoidName,    // ellipsoid name
    DatumName,        // catalogue datum name (the DatumType, not a record field)
    DatumMethodName,  // "No transform", "NADCON", ...
    GeorefMethodName, // display name of the georeference method
};

// Projection keys written only when the projection filter lists them.
enum RefProjKey : uint32_t {
    RK_LAT0 = 1u << 0,
    RK_LON0 = 1u << 1,
    RK_LAT1 = 1u << 2,
    RK_LAT2 = 1u << 3,
    RK_LAT3 = 1u << 4, // listed by no type
    RK_LON1 = 1u << 5,
    RK_LON2 = 1u << 6,
    RK_LON3 = 1u << 7, // listed by no type
    RK_K0 = 1u << 8,
    RK_SOUTH = 1u << 9,
    RK_ZONE = 1u << 10,
    RK_USEALPHA = 1u << 11,
    RK_ALPHA = 1u << 12,
    RK_ROTATE = 1u << 13,
    RK_UOFFSET = 1u << 14,
};

// The method mask of datum and georeference keys: bit m for method m.
constexpr uint32_t MethodBit(int m) {
    return 1u << m;
}
constexpr uint32_t kBursaMolodensky =
    MethodBit(DatMethodBursaWolf) | MethodBit(DatMethodMolodensky);
constexpr uint32_t kControlMethods = 0xFFFu & ~MethodBit(RefCoefficients); // 0 to 4, 6 to 11

struct RefKey {
    const char* label;
    RefGroup group;
    uint16_t offset; // of the field in its record (unused for DatumName)
    RefForm form;
    // 0: written whenever the group is. Projection keys: a RefProjKey bit.
    // Datum and georeference keys: the methods that write it.
    uint32_t filter;
};

#define QV_P(field) RefGroup::Projection, offsetof(PROJDATA, field)
#define QV_D(field) RefGroup::Datum, offsetof(DATUM2WGS84, field)
#define QV_G(field) RefGroup::Georef, offsetof(GEOREF, field)
inline constexpr RefKey kRefKeys[] = {
    {"Projection Name", QV_P(Type), RefForm::ProjName, 0},
    {"Projection Scale", QV_P(Scale), RefForm::Float, 0},
    {"Projection False Easting (meters)", QV_P(xOrg), RefForm::Float, 0},
    {"Projection False Northing (meters)", QV_P(yOrg), RefForm::Float, 0},
    {"Projection Lat0 (degrees)", QV_P(Lat0), RefForm::Float, RK_LAT0},
    {"Projection Lon0 (degrees)", QV_P(Lon0), RefForm::Float, RK_LON0},
    {"Projection Lat1 (degrees)", QV_P(Lat1), RefForm::Float, RK_LAT1},
    {"Projection Lat2 (degrees)", QV_P(Lat2), RefForm::Float, RK_LAT2},
    {"Projection Lat3 (degrees)", QV_P(Lat3), RefForm::Float, RK_LAT3},
    {"Projection Lon1 (degrees)", QV_P(Lon1), RefForm::Float, RK_LON1},
    {"Projection Lon2 (degrees)", QV_P(Lon2), RefForm::Float, RK_LON2},
    {"Projection Lon3 (degrees)", QV_P(Lon3), RefForm::Float, RK_LON3},
    {"Projection Central Scale", QV_P(K0), RefForm::Float, RK_K0},
    {"Projection In Southern Hemisphere (UTM only)", QV_P(bSouth), RefForm::Boolean, RK_SOUTH},
    {"Projection State Zone", QV_P(Zone), RefForm::ZoneName, RK_ZONE},
    {"Projection Uses Alpha Parameter (Hotine only)", QV_P(bUseAlpha), RefForm::Boolean,
     RK_USEALPHA},
    {"Projection Alpha", QV_P(Alpha), RefForm::Float, RK_ALPHA},
    {"Projection Rotates UV to XY (Hotine only)", QV_P(bRotate), RefForm::Boolean, RK_ROTATE},
    {"Projection Offets by U (Hotine only)", QV_P(bUOffset), RefForm::Boolean, RK_UOFFSET},
    {"Projection Ellipsoid Type", QV_P(Ellipsoid), RefForm::EllipsoidName, 0},
    {"Projection Ellipsoid Radius (meters)", QV_P(MajorRadius), RefForm::Float, 0},
    {"Projection Ellipsoid Flattening", QV_P(Flattening), RefForm::Float, 0},
    {"Datum Name", RefGroup::Datum, 0, RefForm::DatumName, 0},
    {"Datum Method", QV_D(Method), RefForm::DatumMethodName, 0},
    {"Datum Ellipsoid Type", QV_D(Ellipsoid), RefForm::EllipsoidName, kBursaMolodensky},
    {"Datum Prime Meridian Shift (degrees)", QV_D(PrimeMeridian), RefForm::Float, kBursaMolodensky},
    {"Datum X-Shift in meters from WGS84", QV_D(dX), RefForm::Float, kBursaMolodensky},
    {"Datum Y-Shift in meters from WGS84", QV_D(dY), RefForm::Float, kBursaMolodensky},
    {"Datum Z-Shift in meters from WGS84", QV_D(dZ), RefForm::Float, kBursaMolodensky},
    {"Datum X-rotation in arcseconds from WGS84", QV_D(rX), RefForm::Float,
     MethodBit(DatMethodBursaWolf)},
    {"Datum Y-rotation in arcseconds from WGS84", QV_D(rY), RefForm::Float,
     MethodBit(DatMethodBursaWolf)},
    {"Datum Z-rotation in arcseconds from WGS84", QV_D(rZ), RefForm::Float,
     MethodBit(DatMethodBursaWolf)},
    {"Datum Scale relative to WGS84", QV_D(Scale), RefForm::Float, MethodBit(DatMethodBursaWolf)},
    {"Datum Ellipsoid Radius (meters)", QV_D(MajorRadius), RefForm::Float, kBursaMolodensky},
    {"Datum Ellipsoid Flattening", QV_D(Flattening), RefForm::Float, kBursaMolodensky},
    {"Georef Method", QV_G(Method), RefForm::GeorefMethodName, 0},
    {"Georef Control Point Count", QV_G(NumControls), RefForm::Integer, kControlMethods},
    {"Georef Coefficient A", QV_G(A), RefForm::Float, MethodBit(RefCoefficients)},
    {"Georef Coefficient B", QV_G(B), RefForm::Float, MethodBit(RefCoefficients)},
    {"Georef Coefficient C", QV_G(C), RefForm::Float, MethodBit(RefCoefficients)},
    {"Georef Coefficient D", QV_G(D), RefForm::Float, MethodBit(RefCoefficients)},
    {"Georef Coefficient E", QV_G(E), RefForm::Float, MethodBit(RefCoefficients)},
    {"Georef Coefficient F", QV_G(F), RefForm::Float, MethodBit(RefCoefficients)},
};
#undef QV_P
#undef QV_D
#undef QV_G

// The filtered projection keys that each projection type 0 to 28 writes.
// Type 0 writes only "Projection Name"; a type outside 0 to 28 writes only
// the keys without a filter.
inline constexpr uint32_t kRefProjFilter[] = {
    0,                                     // 0 Unprojected Lat/Long
    RK_LON0 | RK_LAT0,                     // 1 Mercator
    RK_LON0 | RK_LAT0 | RK_LAT1 | RK_LAT2, // 2 Albers Equal Area Conic
    RK_LON0,                               // 3 Miller Cylindrical
    RK_K0 | RK_LON0 | RK_LAT0 | RK_SOUTH,  // 4 UTM
    RK_LON0 | RK_LAT0 | RK_LAT1 | RK_LAT2, // 5 Lambert Conformal Conic
    RK_K0 | RK_LON0 | RK_LAT0,             // 6 Stereographic
    RK_LON0 | RK_LAT0,                     // 7 Orthographic
    RK_LON0,                               // 8 Mollweide
    RK_ZONE,                               // 9 State Plane 1927
    RK_ZONE,                               // 10 State Plane 1983
    RK_LON0 | RK_LAT0,                     // 11 Polyconic
    RK_K0 | RK_USEALPHA | RK_LON0 | RK_ALPHA | RK_LAT0 | RK_LAT1 | RK_LON1 | RK_LAT2 | RK_LON2 |
        RK_ROTATE | RK_UOFFSET,            // 12 Hotine Oblique Mercator
    RK_LON0 | RK_LAT1,                     // 13 Equidistant Cylindrical
    0,                                     // 14 Robinson
    RK_LON0,                               // 15 Van Der Grinten
    RK_LAT0 | RK_LON0,                     // 16 Cassini
    RK_K0 | RK_LON0 | RK_LAT0,             // 17 Transverse Mercator
    RK_K0 | RK_LON0 | RK_LAT0,             // 18 Gauss-Kruger
    RK_LON0,                               // 19 Sinusoidal
    RK_LON0 | RK_LAT1,                     // 20 Lambert Azimuthal Equal Area
    RK_LON0 | RK_LAT1,                     // 21 Bonne
    RK_LON0,                               // 22 Robinson-Sterling
    RK_LON0,                               // 23 Eckert IV
    RK_LON0,                               // 24 Eckert VI
    RK_LON1 | RK_LAT1 | RK_LON2 | RK_LAT2, // 25 Oblique Mercator
    RK_LON0 | RK_LAT0 | RK_LAT1 | RK_LAT2, // 26 Equidistant Conic
    RK_LON0 | RK_LAT1,                     // 27 Gnomonic
    RK_LON0 | RK_LAT1,                     // 28 Azimuthal Equidistant
};

static_assert(sizeof kRefProjFilter / sizeof kRefProjFilter[0] == PT_AZIMUTHAL_EQUIDISTANT + 1,
              "one filter row per projection type");

// The label of the control point lines, compared as the keys are.
inline constexpr const char* kRefPointLabel = "Georef Point";

} // namespace QVProj

#endif
