// Projection parameter validation and the record dump of the debug log.
#include <cmath>
#include <cstdio>

#include "frame/report.h"
#include "frame/text.h"
#include "proj/engine.h"
#include "proj/params.h"
#include "proj/projtypes.h"
#include "proj/statezones.h"

namespace QVProj {

static constexpr const char* kUnit = "qvProj";

namespace {

constexpr int kNullRecord = 998;
constexpr int kTextSize = 512;
constexpr double kOriginLimit = 1.7014117331926443e38;
// Lambert standard parallels this close are "similar": 0.1 degree held in
// single precision, so that 30 and 30.1 count as similar.
constexpr double kSimilarParallels = static_cast<double>(0.1f);

const char* YesNo(const bool& flag) {
    return FlagByte(flag) != 0 ? "true" : "false";
}

bool InOrigin(double v) {
    return v >= -kOriginLimit && v < kOriginLimit;
}
bool InAngle(double v) {
    return v > -360.0 && v < 360.0;
}

// The outcome of a failed rule: catalogue number and parameter number.
struct Fault {
    int error; // an ErrorNumber, 0 when the record is valid
    int param;
    int line;
};

// Applies the rules in order; {0, 0} when the record is valid.
Fault FirstFault(const PROJDATA& d) {
    const int type = d.Type;
    if (!IsProjType(type) && type != PT_UNDEFINED) return {QVERR_PROJ_TYPE, PP_TYPE, __LINE__};
    if (type == PT_LATLONG || type == PT_UNDEFINED) return {0, 0, 0};
    if (!(d.Scale >= 0.0)) return {QVERR_SCALE, PP_SCALE, __LINE__};
    if (!(d.K0 >= 0.0)) return {QVERR_K0, PP_K0, __LINE__};
    const bool statePlane = type == PT_STATEPLANE27 || type == PT_STATEPLANE83;
    if (type != PT_UTM && !statePlane) {
        if (!InOrigin(d.xOrg)) return {QVERR_XORG, PP_XORG, __LINE__};
        if (!InOrigin(d.yOrg)) return {QVERR_YORG, PP_YORG, __LINE__};
    }
    if (statePlane) {
        PROJDATA scratch = d;
        if (!ExpandStateZone(&scratch)) return {QVERR_STATE_ZONE, PP_ZONE, __LINE__};
        return {0, 0, 0};
    }
    if (!InAngle(d.Lon0)) return {QVERR_LON0, PP_LON0, __LINE__};
    if (!InAngle(d.Lon1)) return {QVERR_LON1, PP_LON1, __LINE__};
    if (!InAngle(d.Lon2)) return {QVERR_LON2, PP_LON2, __LINE__};
    if (!InAngle(d.Lon3)) return {QVERR_LON3, PP_LON3, __LINE__};
    if (!InAngle(d.Lat0)) return {QVERR_LAT0, PP_LAT0, __LINE__};
    if (!InAngle(d.Lat1)) return {QVERR_LAT1, PP_LAT1, __LINE__};
    if (!InAngle(d.Lat2)) return {QVERR_LAT2, PP_LAT2, __LINE__};
    if (!InAngle(d.Lat3)) return {QVERR_LAT3, PP_LAT3, __LINE__};
    if (type == PT_HOTINE && !InAngle(d.Alpha)) return {QVERR_ALPHA, PP_ALPHA, __LINE__};
    if (type == PT_BONNE && d.Lat1 == 0.0) return {QVERR_BONNE_LAT1, PP_LAT1, __LINE__};
    if (type == PT_ALBERS) {
        if (std::fabs(d.Lat1 + d.Lat2) < 0.001) return {QVERR_ALBERS_PARALLELS, PP_LAT1, __LINE__};
        if (std::fabs(d.Lat1 - d.Lat2) < 0.001) return {QVERR_ALBERS_PARALLELS, PP_LAT1, __LINE__};
    }
    if (type == PT_EQUIDISTANT_CONIC) {
        if (std::fabs(d.Lat1 + d.Lat2) < 0.001)
            return {QVERR_EQUICONIC_PARALLELS, PP_LAT1, __LINE__};
        if (std::fabs(d.Lat1 - d.Lat2) < 0.001)
            return {QVERR_EQUICONIC_PARALLELS, PP_LAT1, __LINE__};
    }
    if (type == PT_HOTINE && FlagByte(d.bUseAlpha) == 1 && d.Alpha == 0.0)
        return {QVERR_HOTINE_ALPHA, PP_ALPHA, __LINE__};
    if (type == PT_LAMBERT && std::fabs(d.Lat1 - d.Lat2) <= kSimilarParallels)
        return {QVERR_LAMBERT_PARALLELS, PP_LAT1, __LINE__};
    if (type == PT_MERCATOR && std::fabs(std::fabs(d.Lat0) - 90.0) < 0.01)
        return {QVERR_MERCATOR_LAT0, PP_LAT0, __LINE__};
    if (type == PT_OBLIQUE_MERCATOR) {
        if (std::fabs(d.Lat1 - d.Lat2) < 0.001) return {QVERR_OMERC_PARALLELS, PP_LAT1, __LINE__};
        if (std::fabs(d.Lat1) < 0.001) return {QVERR_OMERC_LAT1, PP_LAT1, __LINE__};
        if (std::fabs(d.Lat1 - 90.0) < 0.001) return {QVERR_OMERC_POLE, PP_LAT2, __LINE__};
    }
    if (d.Ellipsoid < 0 || d.Ellipsoid > 49) return {QVERR_ELLIPSOID, PP_ELLIPSOID, __LINE__};
    if (d.Ellipsoid != ET_USER_DEFINED) return {0, 0, 0};
    if (!(d.MajorRadius > 0.0)) return {QVERR_RADIUS, PP_MAJORRADIUS, __LINE__};
    if (!(d.Flattening >= 0.0)) return {QVERR_FLATTENING, PP_FLATTENING, __LINE__};
    if (d.Flattening >= 1.0) return {QVERR_FLATTENING, PP_FLATTENING, __LINE__};
    return {0, 0, 0};
}

} // namespace

void DumpProjData(const PROJDATA* pData) {
    if (pData == nullptr || !DebugLogIsOn()) return;
    const PROJDATA& d = *pData;
    DebugLog("  PROJDATA (Pointer=%p)\n", static_cast<const void*>(pData));
    DebugLog("    Type:            %d (%s)\n", static_cast<int>(d.Type),
             IsProjType(d.Type) ? kProjTypes[d.Type].name : "UNKNOWN");
    DebugLog("    Scale:           %f\n", d.Scale);
    DebugLog("    xOrg:            %f\n", d.xOrg);
    DebugLog("    yOrg:            %f\n", d.yOrg);
    DebugLog("    Lat0:            %f\n", d.Lat0);
    DebugLog("    Lon0:            %f\n", d.Lon0);
    DebugLog("    Lat1:            %f\n", d.Lat1);
    DebugLog("    Lat2:            %f\n", d.Lat2);
    DebugLog("    Lat3:            %f\n", d.Lat3);
    DebugLog("    Lon1:            %f\n", d.Lon1);
    DebugLog("    Lon2:            %f\n", d.Lon2);
    DebugLog("    Lon3:            %f\n", d.Lon3);
    DebugLog("    K0:              %f\n", d.K0);
    DebugLog("    bSouth:          %s\n", YesNo(d.bSouth));
    char zoneName[64];
    ProjGetStateZoneInfo(d.Zone, zoneName, nullptr);
    DebugLog("    Zone:            %d (%s)\n", static_cast<int>(d.Zone),
             zoneName[0] != '\0' ? zoneName : "UNKNOWN");
    DebugLog("    bUseAlpha:       %s\n", YesNo(d.bUseAlpha));
    DebugLog("    Alpha:           %f\n", d.Alpha);
    DebugLog("    bRotate:         %s\n", YesNo(d.bRotate));
    DebugLog("    bUOffset:        %s\n", YesNo(d.bUOffset));
    char ellipsoidName[64];
    bool known = EllipsoidInfo(d.Ellipsoid, ellipsoidName, nullptr, nullptr);
    DebugLog("    Ellipsoid:       %d (%s)\n", static_cast<int>(d.Ellipsoid),
             known ? ellipsoidName : "UNKNOWN");
    DebugLog("    MajorRadius:     %f\n", d.MajorRadius);
    DebugLog("    Flattening:      %f\n", d.Flattening);
    DebugLog("    iResult:         %d\n", static_cast<int>(d.iResult));
}

int ProjCheckParams(const PROJDATA* pData, char* pText, bool bReport) {
    DebugLog("ProjCheckParams called with:\n");
    DumpProjData(pData);
    if (pText) pText[0] = '\0';
    if (pData == nullptr) {
        if (pText) CopyText(pText, kTextSize, "NULL pointer to projection parameters");
        return kNullRecord;
    }
    // Copy the record so that reading it never depends on the caller's alignment.
    PROJDATA record = *pData;
    Fault fault = FirstFault(record);
    if (fault.error == 0) return 0;
    if (pText) {
        const char* text = CatalogueText(fault.error);
        if (text != nullptr)
            CopyText(pText, kTextSize, text);
        else
            std::snprintf(pText, kTextSize, "Unable to load error message text for error # %u",
                          static_cast<unsigned>(fault.error));
    }
    if (bReport) ReportError(kUnit, fault.line, fault.error, nullptr);
    return fault.param;
}

} // namespace QVProj
