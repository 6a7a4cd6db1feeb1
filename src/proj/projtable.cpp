// The projection type table. A module joins by its source file under
// modules/ and its declaration and row here.
#include "proj/projtable.h"

namespace QVProj {

QV_DECLARE_MODULE(pMerc)
QV_DECLARE_MODULE(pUTM)
QV_DECLARE_MODULE(pLambert)
QV_DECLARE_MODULE(pTMerc)

namespace {

constexpr ProjModuleOps kNone{nullptr, nullptr, nullptr, nullptr};

constexpr ProjModuleOps kProjModules[] = {
    kNone,                   // 0 Unprojected Lat/Long: converts nothing
    QV_MODULE_OPS(pMerc),    // 1 Mercator
    kNone,                   // 2 Albers Equal Area Conic (pAlbers)
    kNone,                   // 3 Miller Cylindrical (pMiller)
    QV_MODULE_OPS(pUTM),     // 4 Universal Transverse Mercator (UTM)
    QV_MODULE_OPS(pLambert), // 5 Lambert Conformal Conic
    kNone,                   // 6 Stereographic (pPolar)
    kNone,                   // 7 Orthographic (pOrtho)
    kNone,                   // 8 Mollweide (pMolle)
    kNone,                   // 9 State Plane 1927: expanded by the engine
    kNone,                   // 10 State Plane 1983: expanded by the engine
    kNone,                   // 11 Polyconic (pPolycon)
    kNone,                   // 12 Hotine Oblique Mercator (pHotine)
    kNone,                   // 13 Equidistant Cylindrical (pEquiCyl)
    kNone,                   // 14 Robinson (pRobin)
    kNone,                   // 15 Van Der Grinten (pVanDer)
    kNone,                   // 16 Cassini (pCassini)
    QV_MODULE_OPS(pTMerc),   // 17 Transverse Mercator
    QV_MODULE_OPS(pTMerc),   // 18 Gauss-Kruger / Gauss Conformal
    kNone,                   // 19 Sinusoidal (pSinus)
    kNone,                   // 20 Lambert Azimuthal Equal Area (pLamAEA)
    kNone,                   // 21 Bonne (pBonne)
    kNone,                   // 22 Robinson-Sterling (pRobSter)
    kNone,                   // 23 Eckert IV (pEckert4)
    kNone,                   // 24 Eckert VI (pEckert6)
    kNone,                   // 25 Oblique Mercator (pOMerc)
    kNone,                   // 26 Equidistant Conic (pEquiCon)
    kNone,                   // 27 Gnomonic (pGnom)
    kNone,                   // 28 Azimuthal Equidistant (pAzimuth)
};
static_assert(sizeof(kProjModules) / sizeof(kProjModules[0]) == kNumProjTypes,
              "one row per projection type, indexed like kProjTypes");

} // namespace

const ProjModuleOps* ProjModuleRow(int type) {
    return IsProjType(type) ? &kProjModules[type] : nullptr;
}

} // namespace QVProj
