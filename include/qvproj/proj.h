// Projection family: projection records and types, ellipsoids, parameter
// metadata, UTM and state plane zones, angle text.
#ifndef QVPROJ_PROJ_H
#define QVPROJ_PROJ_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "qvproj/export.h"

namespace QVProj {

// The unplottable marker: the largest finite double, stored in both
// coordinates of a point that cannot be converted.
constexpr double UNPLOTTABLE = 1.7976931348623157e308;

enum ProjType : int32_t {
    PT_LATLONG = 0,
    PT_MERCATOR = 1,
    PT_ALBERS = 2,
    PT_MILLER = 3,
    PT_UTM = 4,
    PT_LAMBERT = 5,
    PT_STEREOGRAPHIC = 6,
    PT_ORTHOGRAPHIC = 7,
    PT_MOLLWEIDE = 8,
    PT_STATEPLANE27 = 9,
    PT_STATEPLANE83 = 10,
    PT_POLYCONIC = 11,
    PT_HOTINE = 12,
    PT_EQUIDISTANT_CYL = 13,
    PT_ROBINSON = 14,
    PT_VANDERGRINTEN = 15,
    PT_CASSINI = 16,
    PT_TMERCATOR = 17,
    PT_GAUSSKRUGER = 18,
    PT_SINUSOIDAL = 19,
    PT_LAMBERT_AZIMUTHAL = 20,
    PT_BONNE = 21,
    PT_ROBINSON_STERLING = 22,
    PT_ECKERT4 = 23,
    PT_ECKERT6 = 24,
    PT_OBLIQUE_MERCATOR = 25,
    PT_EQUIDISTANT_CONIC = 26,
    PT_GNOMONIC = 27,
    PT_AZIMUTHAL_EQUIDISTANT = 28,
    PT_UNDEFINED = 999
};

// 0 is user defined (MajorRadius and Flattening of the record), 1 to 49 the
// built-in catalogue, 50 marks "no ellipsoid" in files.
enum EllipsoidType : int32_t {
    ET_USER_DEFINED = 0,
    ET_MERIT_1983 = 1,
    ET_SGS_85 = 2,
    ET_GRS_1980 = 3,
    ET_IAU_1976 = 4,
    ET_AIRY_1830 = 5,
    ET_CLARKE_1866 = 15,
    ET_INTERNATIONAL_1924 = 34,
    ET_MICHIGAN_1927 = 42,
    ET_WGS_72 = 46,
    ET_WGS_84 = 47,
    ET_SPHERE_6370997 = 48,
    ET_UNIT_SPHERE = 49,
    ET_NONE = 50
};

// State plane zones 0 to 141; 142 means none.
enum StateZoneType : int32_t { SZ_FIRST = 0, SZ_LAST = 141, SZ_NONE = 142 };

enum ProjDataType : int32_t {
    PDT_DOUBLE = 0,
    PDT_BOOL = 1,
    PDT_PROJTYPE = 2,
    PDT_STATEZONE = 3,
    PDT_ELLIPSOID = 4,
    PDT_NONE = 5
};

enum UTMZoneNameFormat : int32_t { UZF_ZONE_ONLY = 0, UZF_LETTER_RANGE = 1, UZF_SIGNED_RANGE = 2 };

#pragma pack(push, 1)

// A complete projection description. Angles in decimal degrees, east and
// north positive; distances in the units of MajorRadius.
struct PROJDATA {
    ProjType Type;
    double Scale; // applied after the false origin; 0 is taken as 1
    double xOrg;  // false easting
    double yOrg;  // false northing
    double Lat0;
    double Lon0;
    double Lat1;
    double Lat2;
    double Lat3;
    double Lon1;
    double Lon2;
    double Lon3;
    double K0; // 0 is taken as 1 (UTM: 0.9996)
    bool bSouth;
    StateZoneType Zone;
    bool bUseAlpha;
    double Alpha;
    bool bRotate;
    bool bUOffset;
    EllipsoidType Ellipsoid;
    double MajorRadius;
    double Flattening;
    int32_t iResult; // 0: every point converted; 1: some were unplottable
    uint8_t bWrapLon;
    uint8_t Reserved[255];
};

// A point: longitude/latitude in degrees, or map coordinates.
struct PROJPOINT {
    double x;
    double y;
};

#pragma pack(pop)

static_assert(sizeof(bool) == 1, "records hold one-byte booleans");
static_assert(sizeof(PROJDATA) == 396, "PROJDATA is 396 bytes");
static_assert(offsetof(PROJDATA, Type) == 0, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Scale) == 4, "PROJDATA layout");
static_assert(offsetof(PROJDATA, xOrg) == 12, "PROJDATA layout");
static_assert(offsetof(PROJDATA, yOrg) == 20, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lat0) == 28, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lon0) == 36, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lat1) == 44, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lat2) == 52, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lat3) == 60, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lon1) == 68, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lon2) == 76, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Lon3) == 84, "PROJDATA layout");
static_assert(offsetof(PROJDATA, K0) == 92, "PROJDATA layout");
static_assert(offsetof(PROJDATA, bSouth) == 100, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Zone) == 101, "PROJDATA layout");
static_assert(offsetof(PROJDATA, bUseAlpha) == 105, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Alpha) == 106, "PROJDATA layout");
static_assert(offsetof(PROJDATA, bRotate) == 114, "PROJDATA layout");
static_assert(offsetof(PROJDATA, bUOffset) == 115, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Ellipsoid) == 116, "PROJDATA layout");
static_assert(offsetof(PROJDATA, MajorRadius) == 120, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Flattening) == 128, "PROJDATA layout");
static_assert(offsetof(PROJDATA, iResult) == 136, "PROJDATA layout");
static_assert(offsetof(PROJDATA, bWrapLon) == 140, "PROJDATA layout");
static_assert(offsetof(PROJDATA, Reserved) == 141, "PROJDATA layout");
static_assert(sizeof(PROJPOINT) == 16, "PROJPOINT is two doubles");

// --- Projection types -----------------------------------------------------

// Copies the display name of a type into pName (may be null; give at least
// 64 bytes) and returns its info mask; 0 and an empty name for an unknown type.
QVPROJ_API unsigned int ProjGetProjectionInfo(ProjType type, char* pName);
// Number of projection types (0 to 28).
QVPROJ_API int ProjNumProjections();

// --- Ellipsoids -------------------------------------------------------------

// Name (give at least 64 bytes), semi-major axis and flattening of a
// built-in ellipsoid 1 to 49; each output may be null.
QVPROJ_API bool EllipsoidInfo(EllipsoidType e, char* pName, double* pRadius, double* pFlattening);
QVPROJ_API double EllipsoidRadius(EllipsoidType e);
QVPROJ_API double EllipsoidFlattening(EllipsoidType e);
QVPROJ_API bool EllipsoidFromName(EllipsoidType* pOut, const char* pName);

// --- Angle text -------------------------------------------------------------

// Reads "-36d52'11.6315", "30D30", "57", "10d 30' 15\" S" and the like.
QVPROJ_API bool LatLonToDegrees(const char* pText, double* pDegrees, char degreeMark);

// Layout flags of DegreesToLatLon.
enum : int {
    DLL_DECIMALS_MASK = 0x000F,
    DLL_DECIMAL_DEGREES = 0x0010,
    DLL_MINUS = 0x0020,
    DLL_PLUS = 0x0040,
    DLL_BLANK_SIGN = 0x0080,
    DLL_DEGREES_MINUTES = 0x0100,
    DLL_SPACES = 0x0200,
    DLL_HEMISPHERE = 0x1000,
    DLL_LATITUDE = 0x2000,
    DLL_ZERO_PAD = 0x4000
};
// Size a caller must give DegreesToLatLon's buffer.
constexpr int DEGREES_TO_LATLON_BUFSIZE = 64;
// Writes degrees as text. pBuffer must hold DEGREES_TO_LATLON_BUFSIZE bytes;
// a value whose text would not fit (NaN, infinities, 1e308 in decimal
// degrees) fails with an empty buffer.
QVPROJ_API bool DegreesToLatLon(char* pBuffer, double degrees, int flags, char degreeMark,
                                char minuteMark, char secondMark);

// --- Parameter metadata ---------------------------------------------------

// Parameter numbers of ProjEnumParam, ProjParamInfo, ProjGetParam and
// ProjSetParam; PP_END ends a type's list.
enum ProjParam : int {
    PP_END = 0,
    PP_TYPE = 1,
    PP_SCALE,
    PP_XORG,
    PP_YORG,
    PP_LAT0,
    PP_LON0,
    PP_LAT1,
    PP_LAT2,
    PP_LAT3,
    PP_LON1,
    PP_LON2,
    PP_LON3,
    PP_K0,
    PP_SOUTH,
    PP_ZONE,
    PP_USEALPHA,
    PP_ALPHA,
    PP_ROTATE,
    PP_UOFFSET,
    PP_ELLIPSOID,
    PP_MAJORRADIUS,
    PP_FLATTENING
};


QVPROJ_API int ProjNumParams(ProjType type);
QVPROJ_API int ProjEnumParam(ProjType type, int index);
QVPROJ_API bool ProjUsesParam(ProjType type, int param);
// pName: at least 64 bytes.
QVPROJ_API bool ProjParamInfo(int param, char* pName, ProjDataType* pType, int* pOffset,
                              int* pSize);
QVPROJ_API bool ProjGetParam(const PROJDATA* pData, int param, void* pValue);
QVPROJ_API bool ProjSetParam(PROJDATA* pData, int param, const void* pValue);

// --- UTM zones ----------------------------------------------------------------

QVPROJ_API bool ProjUTMZoneNumberToName(int zone, bool south, char* pBuffer, int bufferSize,
                                        UTMZoneNameFormat format);
QVPROJ_API bool ProjUTMZoneNameToNumber(const char* pName, int* pZone, bool* pSouth);
QVPROJ_API int ProjUTMLonToZoneNumber(double lon);
QVPROJ_API double ProjUTMZoneNumberToLon(int zone);

// --- Validation, handles and conversion ---------------------------------------

// Opaque projection handle: the library's private, validated copy of a PROJDATA.
struct ProjHandle;
typedef ProjHandle* HPROJ;

// 0 for a valid record, otherwise the catalogue number of the faulty
// parameter. pText (may be null; give at least 512 bytes) receives the
// message; bReport also sends it to the host's error callback.
QVPROJ_API int ProjCheckParams(const PROJDATA* pData, char* pText, bool bReport);

// Validates the record and returns a handle (null on failure). Writes the
// ellipsoid's radius and flattening and the UTM defaults back into pData.
QVPROJ_API HPROJ ProjCreateProjection(PROJDATA* pData);
QVPROJ_API void ProjDeleteProjection(HPROJ hProj);
// Longitude/latitude in degrees to projected coordinates, in place. Points
// that cannot be converted hold UNPLOTTABLE in both coordinates afterwards.
// pPts must hold nPts points; a count larger than the array is the caller's fault.
QVPROJ_API bool ProjForward(HPROJ hProj, PROJPOINT* pPts, int nPts);
// Projected coordinates to longitude/latitude in degrees, in place.
QVPROJ_API bool ProjInverse(HPROJ hProj, PROJPOINT* pPts, int nPts);
// 1 when the last conversion produced unplottable points, else 0.
QVPROJ_API int ProjResult(HPROJ hProj);
QVPROJ_API bool ProjGetHandleInfo(HPROJ hProj, PROJDATA* pData);
// True when the point (degrees) lies in the part of the globe the projection shows.
QVPROJ_API bool ProjLLInProjection(HPROJ hProj, const PROJPOINT* pPt);
// True when the object crosses the edge of the map and must also be drawn
// shifted by *pLonShift, *pLatShift degrees.
QVPROJ_API bool ProjLLOffsetSplitObject(HPROJ hProj, const PROJPOINT* pPts, unsigned int nPts,
                                        double* pLonShift, double* pLatShift);

// --- Lat/long preclipping -------------------------------------------------------

// Host callbacks of the preclipper; the points belong to the library and are
// valid only during the call. Returning false stops the preclip.
typedef bool (*PROJLINECALLBACK)(unsigned long hostValue, int nPts, const PROJPOINT* pPts);
typedef bool (*PROJAREACALLBACK)(unsigned long hostValue, int nParts, const int* pPartCounts,
                                 const PROJPOINT* pPts);

// Cuts a lat/long polyline at the edge of the projection and hands the
// visible pieces to the callback (and a shifted copy when the line crosses
// the edge of the map).
QVPROJ_API bool ProjLLPreclipPolyline(HPROJ hProj, unsigned long hostValue, int nPts,
                                      const PROJPOINT* pPts, PROJLINECALLBACK pLineFunc);
// Cuts a lat/long polygon of nParts parts (pPartCounts points each, one
// after the other in pPts); visible rings go to the area callback, the
// outlines without the edge to the line callback (may be null).
QVPROJ_API bool ProjLLPreclipPolygon(HPROJ hProj, unsigned long hostValue, int nParts,
                                     const int* pPartCounts, const PROJPOINT* pPts,
                                     PROJAREACALLBACK pAreaFunc, PROJLINECALLBACK pLineFunc);

// Owns one projection handle.
class QVPROJ_API CProjector {
public:
    CProjector();
    explicit CProjector(PROJDATA* pData);
    CProjector(const CProjector& other);
    virtual ~CProjector();
    CProjector& operator=(const CProjector& other);

    bool Create(PROJDATA* pData);
    void Delete();
    bool Forward(PROJPOINT* pPts, int nPts);
    bool Inverse(PROJPOINT* pPts, int nPts);
    int Result() const;
    bool GetInfo(PROJDATA* pData) const;
    bool LLInProjection(const PROJPOINT* pPt) const;
    bool LLOffsetSplitObject(const PROJPOINT* pPts, unsigned int nPts, double* pLonShift,
                             double* pLatShift) const;
    bool LLPreclipPolyline(unsigned long hostValue, int nPts, const PROJPOINT* pPts,
                           PROJLINECALLBACK pLineFunc) const;
    bool LLPreclipPolygon(unsigned long hostValue, int nParts, const int* pPartCounts,
                          const PROJPOINT* pPts, PROJAREACALLBACK pAreaFunc,
                          PROJLINECALLBACK pLineFunc) const;

    HPROJ Handle() const { return m_hProj; }

protected:
    HPROJ m_hProj;
};

// A value class of two sequences: 16-byte elements and single bytes. The
// library neither creates nor reads one; hosts use it to carry projected
// chains with a flag per point.
class QVPROJ_API CPROJCHAIN {
public:
    CPROJCHAIN();
    CPROJCHAIN(const CPROJCHAIN& other);
    CPROJCHAIN& operator=(const CPROJCHAIN& other);
    ~CPROJCHAIN();

    std::vector<PROJPOINT> m_Points; // growable sequence of 16-byte elements
    std::vector<uint8_t> m_Flags;    // growable sequence of bytes
};

// --- State plane zones -------------------------------------------------------

// Name (give at least 64 bytes) and USGS code of a zone; empty and 0 outside 0 to 141.
QVPROJ_API void ProjGetStateZoneInfo(StateZoneType zone, char* pName, int* pCode);
QVPROJ_API bool ProjGetStateZoneFromName(StateZoneType* pZone, const char* pName);
QVPROJ_API bool ProjGetStateZoneFromUSGSCode(StateZoneType* pZone, int code);
// Expands a State Plane 1927 (type 9) or 1983 (type 10) record into the
// zone's concrete projection in place; Zone becomes 142 when that fails.
QVPROJ_API void ProjGetStateZoneParams(PROJDATA* pData);

} // namespace QVProj

#endif
