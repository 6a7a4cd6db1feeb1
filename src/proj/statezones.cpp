// State plane zone lookups and the expansion of a zone into a concrete record.
#include "proj/statezones.h"

#include <cstring>

#include "frame/report.h"
#include "frame/text.h"
#include "proj/ellipsoids.h"

namespace QVProj {
namespace {

double Angle(const char* text) {
    double d = 0.0;
    if (text == nullptr || !LatLonToDegrees(text, &d, 'd')) return 0.0;
    return d;
}

bool Expand(PROJDATA* pData, const StateZoneParams* table) {
    pData->Lon0 = pData->Lat0 = pData->Lon1 = pData->Lat1 = 0.0;
    pData->Lon2 = pData->Lat2 = pData->xOrg = pData->yOrg = pData->K0 = 0.0;
    if (!IsStateZone(pData->Zone)) return false;
    const StateZoneParams& z = table[pData->Zone];
    if (z.type == PT_UNDEFINED) return false;

    pData->Type = z.type;
    pData->Ellipsoid = z.ellipsoid;
    pData->Lon0 = Angle(z.lon0);
    pData->Lat0 = Angle(z.lat0);
    pData->Lat1 = Angle(z.lat1);
    pData->Lat2 = Angle(z.lat2);
    pData->Lon1 = Angle(z.lon1);
    pData->K0 = z.k0;
    pData->xOrg = z.xOrg;
    pData->yOrg = z.yOrg;
    if (z.type == PT_HOTINE) {
        pData->bUseAlpha = z.alpha != nullptr;
        if (z.alpha != nullptr) pData->Alpha = Angle(z.alpha);
        pData->bRotate = true;
        pData->bUOffset = true;
    }
    pData->MajorRadius = EllipsoidRadius(z.ellipsoid);
    pData->Flattening = EllipsoidFlattening(z.ellipsoid);
    return true;
}

} // namespace

bool ExpandStateZone1927(PROJDATA* pData) {
    return pData && Expand(pData, kStateZones1927);
}
bool ExpandStateZone1983(PROJDATA* pData) {
    return pData && Expand(pData, kStateZones1983);
}

bool ExpandStateZone(PROJDATA* pData) {
    if (pData == nullptr) return false;
    if (pData->Type == PT_STATEPLANE27) return ExpandStateZone1927(pData);
    if (pData->Type == PT_STATEPLANE83) return ExpandStateZone1983(pData);
    return false;
}

void ProjGetStateZoneInfo(StateZoneType zone, char* pName, int* pCode) {
    if (pName) pName[0] = '\0';
    if (pCode) *pCode = 0;
    if (!IsStateZone(zone)) return;
    if (pName) std::strcpy(pName, kStateZones[zone].name);
    if (pCode) *pCode = kStateZones[zone].code;
}

bool ProjGetStateZoneFromName(StateZoneType* pZone, const char* pName) {
    if (pZone == nullptr || pName == nullptr) return false;
    if (pName[0] == '\0') return false;
    *pZone = SZ_NONE;
    for (int i = 0; i < kNumStateZones; ++i) {
        if (EqualsIgnoreCase(kStateZones[i].name, pName)) {
            *pZone = static_cast<StateZoneType>(i);
            return true;
        }
    }
    return false;
}

bool ProjGetStateZoneFromUSGSCode(StateZoneType* pZone, int code) {
    if (pZone == nullptr || code < 0) return false;
    *pZone = SZ_NONE;
    for (int i = 0; i < kNumStateZones; ++i) {
        if (kStateZones[i].code == code) {
            *pZone = static_cast<StateZoneType>(i);
            return true;
        }
    }
    return false;
}

void ProjGetStateZoneParams(PROJDATA* pData) {
    DebugLog("ProjGetStateZoneParams(pData=%p)\n", static_cast<void*>(pData));
    if (pData == nullptr) return;
    if (!IsStateZone(pData->Zone) ||
        (pData->Type != PT_STATEPLANE27 && pData->Type != PT_STATEPLANE83)) {
        pData->Zone = SZ_NONE;
        return;
    }
    if (!ExpandStateZone(pData)) pData->Zone = SZ_NONE;
}

} // namespace QVProj
