// The projection type table: one row per ProjType 0 to 28, keyed by the
// type, with everything the library knows of a type: its display name and
// info mask, the parameters it uses (in presentation order) and its module's
// operations. Every lookup of a type (names, masks, parameter lists, module
// dispatch, the tests' knowledge of which types convert) reads this table.
#ifndef QVPROJ_PROJ_PROJTYPES_H
#define QVPROJ_PROJ_PROJTYPES_H

#include "proj/modules/module.h"
#include "qvproj/proj.h"

namespace QVProj {

QV_DECLARE_MODULE(pMerc)
QV_DECLARE_MODULE(pUTM)
QV_DECLARE_MODULE(pLambert)
QV_DECLARE_MODULE(pTMerc)
QV_DECLARE_MODULE(pAlbers)
QV_DECLARE_MODULE(pEquiCon)
QV_DECLARE_MODULE(pPolycon)
QV_DECLARE_MODULE(pBonne)
QV_DECLARE_MODULE(pCassini)
QV_DECLARE_MODULE(pMiller)
QV_DECLARE_MODULE(pEquiCyl)
QV_DECLARE_MODULE(pMolle)
QV_DECLARE_MODULE(pSinus)
QV_DECLARE_MODULE(pRobin)
QV_DECLARE_MODULE(pRobSter)
QV_DECLARE_MODULE(pEckert4)
QV_DECLARE_MODULE(pEckert6)
QV_DECLARE_MODULE(pVanDer)
QV_DECLARE_MODULE(pPolar)
QV_DECLARE_MODULE(pOrtho)
QV_DECLARE_MODULE(pGnom)
QV_DECLARE_MODULE(pLamAEA)
QV_DECLARE_MODULE(pAzimuth)
QV_DECLARE_MODULE(pHotine)
QV_DECLARE_MODULE(pOMerc)

constexpr int kMaxTypeParams = 15;

struct ProjTypeRow {
    ProjType type;
    const char* name;
    unsigned int mask;
    int params[kMaxTypeParams + 1]; // ended by PP_END
    ProjModuleOps ops;              // all null: the type has no module
};

// Types that convert nothing (0), that the engine expands into another type
// (9, 10) or whose module is not written yet.
constexpr ProjModuleOps kNoModule{nullptr, nullptr, nullptr, nullptr};

#define QV_COMMON PP_ELLIPSOID, PP_SCALE, PP_XORG, PP_YORG

inline constexpr ProjTypeRow kProjTypes[] = {
    {PT_LATLONG, "Unprojected Lat/Long", 0x00, {PP_END}, kNoModule},
    {PT_MERCATOR,
     "Mercator",
     0x2f,
     {QV_COMMON, PP_LON0, PP_LAT0},
     QV_MODULE_OPS(pMerc, InBandAndLatitude, SplitAntimeridian)},
    {PT_ALBERS,
     "Albers Equal Area Conic",
     0x2f,
     {QV_COMMON, PP_LON0, PP_LAT0, PP_LAT1, PP_LAT2},
     QV_MODULE_OPS(pAlbers, InBand<180>, SplitAntimeridian)},
    {PT_MILLER,
     "Miller Cylindrical",
     0x2f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pMiller, InBandAndLatitude, SplitAntimeridian)},
    {PT_UTM,
     "Universal Transverse Mercator (UTM)",
     0x1b,
     {PP_ELLIPSOID, PP_SCALE, PP_K0, PP_LON0, PP_LAT0, PP_SOUTH},
     QV_MODULE_OPS(pUTM, InBand<45>, SplitAntimeridian)},
    {PT_LAMBERT,
     "Lambert Conformal Conic",
     0x2f,
     {QV_COMMON, PP_LON0, PP_LAT0, PP_LAT1, PP_LAT2},
     QV_MODULE_OPS(pLambert, InBand<180>, SplitAntimeridian)},
    {PT_STEREOGRAPHIC,
     "Stereographic",
     0x1b,
     {QV_COMMON, PP_K0, PP_LON0, PP_LAT0},
     QV_MODULE_OPS(pPolar, InHemisphere, SplitNever)},
    {PT_ORTHOGRAPHIC,
     "Orthographic",
     0x1b,
     {QV_COMMON, PP_LON0, PP_LAT0},
     QV_MODULE_OPS(pOrtho, InHemisphere, SplitNever)},
    {PT_MOLLWEIDE,
     "Mollweide",
     0x3f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pMolle, InBand<180>, SplitAntimeridian)},
    {PT_STATEPLANE27, "State Plane 1927", 0x3b, {PP_SCALE, PP_ZONE}, kNoModule},
    {PT_STATEPLANE83, "State Plane 1983", 0x3b, {PP_SCALE, PP_ZONE}, kNoModule},
    {PT_POLYCONIC,
     "Polyconic",
     0x1b,
     {QV_COMMON, PP_LON0, PP_LAT0},
     QV_MODULE_OPS(pPolycon, InBand<90>, SplitAntimeridian)},
    {PT_HOTINE,
     "Hotine Oblique Mercator",
     0x03,
     {QV_COMMON, PP_K0, PP_USEALPHA, PP_LON0, PP_ALPHA, PP_LAT0, PP_LAT1, PP_LON1, PP_LAT2, PP_LON2,
      PP_ROTATE, PP_UOFFSET},
     QV_MODULE_OPS(pHotine, InBox15, SplitNever)},
    {PT_EQUIDISTANT_CYL,
     "Equidistant Cylindrical",
     0x2f,
     {QV_COMMON, PP_LON0, PP_LAT1},
     QV_MODULE_OPS(pEquiCyl, InAlways, SplitNever)},
    {PT_ROBINSON,
     "Robinson",
     0x3f,
     {QV_COMMON},
     QV_MODULE_OPS(pRobin, InAbsoluteBand, SplitAbsoluteAntimeridian)},
    {PT_VANDERGRINTEN,
     "Van Der Grinten",
     0x3f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pVanDer, InBand<180>, SplitAntimeridian)},
    {PT_CASSINI,
     "Cassini",
     0x3b,
     {QV_COMMON, PP_LAT0, PP_LON0},
     QV_MODULE_OPS(pCassini, InHemisphere, SplitNever)},
    {PT_TMERCATOR,
     "Transverse Mercator",
     0x1b,
     {QV_COMMON, PP_K0, PP_LON0, PP_LAT0},
     QV_MODULE_OPS(pTMerc, InBand<45>, SplitAntimeridian)},
    {PT_GAUSSKRUGER,
     "Gauss-Kruger / Gauss Conformal",
     0x1b,
     {QV_COMMON, PP_K0, PP_LON0, PP_LAT0},
     QV_MODULE_OPS(pTMerc, InBand<45>, SplitAntimeridian)},
    {PT_SINUSOIDAL,
     "Sinusoidal",
     0x3f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pSinus, InBand<180>, SplitAntimeridian)},
    {PT_LAMBERT_AZIMUTHAL,
     "Lambert Azimuthal Equal Area",
     0x3b,
     {QV_COMMON, PP_LON0, PP_LAT1},
     QV_MODULE_OPS(pLamAEA, InAlways, SplitNever)},
    {PT_BONNE,
     "Bonne",
     0x1b,
     {QV_COMMON, PP_LON0, PP_LAT1},
     QV_MODULE_OPS(pBonne, InBand<90>, SplitAntimeridian)},
    {PT_ROBINSON_STERLING,
     "Robinson-Sterling",
     0x3f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pRobSter, InBand<180>, SplitAntimeridian)},
    {PT_ECKERT4,
     "Eckert IV",
     0x3f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pEckert4, InBand<180>, SplitAntimeridian)},
    {PT_ECKERT6,
     "Eckert VI",
     0x3f,
     {QV_COMMON, PP_LON0},
     QV_MODULE_OPS(pEckert6, InBand<180>, SplitAntimeridian)},
    {PT_OBLIQUE_MERCATOR,
     "Oblique Mercator",
     0x03,
     {QV_COMMON, PP_LON1, PP_LAT1, PP_LON2, PP_LAT2, PP_K0},
     QV_MODULE_OPS(pOMerc, InBand45Oblique, SplitAntimeridian)},
    {PT_EQUIDISTANT_CONIC,
     "Equidistant Conic",
     0x2f,
     {QV_COMMON, PP_LON0, PP_LAT0, PP_LAT1, PP_LAT2},
     QV_MODULE_OPS(pEquiCon, InBand<180>, SplitAntimeridian)},
    {PT_GNOMONIC,
     "Gnomonic",
     0x1b,
     {QV_COMMON, PP_LON0, PP_LAT1},
     QV_MODULE_OPS(pGnom, InCap<60>, SplitNever)},
    {PT_AZIMUTHAL_EQUIDISTANT,
     "Azimuthal Equidistant",
     0x3f,
     {QV_COMMON, PP_LON0, PP_LAT1},
     QV_MODULE_OPS(pAzimuth, InCap<170>, SplitNever)},
};

#undef QV_COMMON

constexpr int kNumProjTypes = static_cast<int>(sizeof(kProjTypes) / sizeof(kProjTypes[0]));

constexpr bool RowsInTypeOrder() {
    for (int i = 0; i < kNumProjTypes; ++i)
        if (kProjTypes[i].type != i) return false;
    return true;
}
static_assert(kNumProjTypes == 29, "one row per projection type 0 to 28");
static_assert(RowsInTypeOrder(), "row i of the projection type table is type i");

constexpr const char* kUndefinedTypeName = "undefined";

constexpr bool IsProjType(int type) {
    return type >= 0 && type < kNumProjTypes;
}

// The row of a type 0 to 28; null for any other value.
constexpr const ProjTypeRow* ProjTypeInfo(int type) {
    return IsProjType(type) ? &kProjTypes[type] : nullptr;
}

// Display name of a type, "undefined" for 999 and "" for anything else.
const char* ProjTypeName(int type);

} // namespace QVProj

#endif
