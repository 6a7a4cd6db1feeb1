// Datum family of libqvproj: datum records, handles and point conversion,
// the built-in datum catalogue and the named custom datums of a profile file.
#ifndef QVPROJ_DATUM_H
#define QVPROJ_DATUM_H

#include <cstddef>
#include <cstdint>

#include "qvproj/export.h"
#include "qvproj/proj.h"

namespace QVProj {

// 0 is user defined (parameters from the caller's DATUM2WGS84), 1 to 236 the
// built-in catalogue; 237 marks "no datum" in files and ends the catalogue.
enum DatumType : int32_t {
    DatUserDefined = 0,
    DatNAD1983 = 1,
    DatNAD1927 = 2,
    DatWGS1984 = 3,
    DatWGS1972 = 4,
    DatNAD1927CONUS = 124,
    DatNAD1927CONUSMRE = 229,
    DatNAD1927CONUSNadcon = 232,
    DatNAD1927PRVINadcon = 233,
    DatLastCatalogue = 236,
    DatNone = 237
};

enum DatumMethod : int32_t {
    DatMethodNone = 0,       // coincides with WGS84: the leg does nothing
    DatMethodNadcon = 1,     // NADCON grid shift (catalogue 232, 233; source side only)
    DatMethodBursaWolf = 2,  // seven parameters through geocentric coordinates
    DatMethodMolodensky = 3, // three-parameter Molodensky
    DatMethodMRE = 5         // multiple regression equations (224 to 231; source side only)
};

#pragma pack(push, 1)

// The parameters that carry one datum to WGS84.
struct DATUM2WGS84 {
    DatumMethod Method;
    bool bInverse;           // false: datum to WGS84; true: WGS84 to datum
    EllipsoidType Ellipsoid; // 0: MajorRadius and Flattening below
    double PrimeMeridian;    // degrees
    double dX, dY, dZ;       // meters
    double rX, rY, rZ;       // arcseconds (Bursa-Wolf)
    double Scale;            // parts per million (Bursa-Wolf)
    double MajorRadius;      // meters
    double Flattening;       // not its inverse
    uint8_t Reserved[64];
};

// A request to shift from one datum to another.
struct DATUMXFORM {
    DatumType SrcDatum;
    DatumType DstDatum;
    uint8_t bReserved;
    DATUM2WGS84 SrcParams; // read only when SrcDatum is 0
    DATUM2WGS84 DstParams; // read only when DstDatum is 0
    bool bHadUnplottables; // set by each conversion through a handle
    uint8_t Reserved[63];
};

// One point in degrees, east and north positive; no height.
struct DATUMPOINT {
    double Lon;
    double Lat;
};

#pragma pack(pop)

static_assert(sizeof(DatumType) == 4 && sizeof(DatumMethod) == 4, "32-bit enumerations");
static_assert(sizeof(DATUM2WGS84) == 153, "DATUM2WGS84 is 153 bytes");
static_assert(offsetof(DATUM2WGS84, Method) == 0, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, bInverse) == 4, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, Ellipsoid) == 5, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, PrimeMeridian) == 9, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, dX) == 17, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, dY) == 25, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, dZ) == 33, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, rX) == 41, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, rY) == 49, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, rZ) == 57, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, Scale) == 65, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, MajorRadius) == 73, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, Flattening) == 81, "DATUM2WGS84 layout");
static_assert(offsetof(DATUM2WGS84, Reserved) == 89, "DATUM2WGS84 layout");
static_assert(sizeof(DATUMXFORM) == 379, "DATUMXFORM is 379 bytes");
static_assert(offsetof(DATUMXFORM, SrcDatum) == 0, "DATUMXFORM layout");
static_assert(offsetof(DATUMXFORM, DstDatum) == 4, "DATUMXFORM layout");
static_assert(offsetof(DATUMXFORM, bReserved) == 8, "DATUMXFORM layout");
static_assert(offsetof(DATUMXFORM, SrcParams) == 9, "DATUMXFORM layout");
static_assert(offsetof(DATUMXFORM, DstParams) == 162, "DATUMXFORM layout");
static_assert(offsetof(DATUMXFORM, bHadUnplottables) == 315, "DATUMXFORM layout");
static_assert(offsetof(DATUMXFORM, Reserved) == 316, "DATUMXFORM layout");
static_assert(sizeof(DATUMPOINT) == 16, "DATUMPOINT is two doubles");
static_assert(offsetof(DATUMPOINT, Lon) == 0 && offsetof(DATUMPOINT, Lat) == 8,
              "DATUMPOINT layout");

// Opaque datum handle: the library's private copy of a DATUMXFORM.
struct DatumHandle;
typedef DatumHandle* HDATUM;

// --- Records, handles and conversion ------------------------------------------

// 0 for a valid record, otherwise a code naming the faulty parameter (1, 2
// datums; 3-14 source parameters; 15-26 destination parameters; 998 null
// record). pText (may be null; give at least 512 bytes) receives the
// message; bReport also sends the failure to the host's error callback.
QVPROJ_API int DatCheckParams(const DATUMXFORM* pXform, char* pText, bool bReport);
// A handle holding a copy of the validated record, or null.
QVPROJ_API HDATUM DatCreateDatum(const DATUMXFORM* pXform);
QVPROJ_API void DatDeleteDatum(HDATUM hDatum);
// Shifts the points in place from the source to the destination datum.
// Points that cannot be converted hold UNPLOTTABLE in both coordinates.
QVPROJ_API bool DatConvertDatum(HDATUM hDatum, DATUMPOINT* pPts, int nPts);
// True when a point of the last conversion was or became unplottable.
QVPROJ_API bool DatHadUnplottables(HDATUM hDatum);
QVPROJ_API bool DatGetHandleInfo(HDATUM hDatum, DATUMXFORM* pXform);

// Owns one datum handle.
class QVPROJ_API CDatumTransform {
public:
    CDatumTransform();
    explicit CDatumTransform(const DATUMXFORM* pXform);
    CDatumTransform(const CDatumTransform& other);
    CDatumTransform& operator=(const CDatumTransform& other);
    virtual ~CDatumTransform();

    bool Create(const DATUMXFORM* pXform);
    void Delete();
    bool IsCreated() const;
    bool Convert(DATUMPOINT* pPts, int nPts);
    bool HadUnplottables() const;
    bool GetInfo(DATUMXFORM* pXform) const;

private:
    HDATUM m_hDatum;
};

// --- Built-in catalogue -------------------------------------------------------

// Buffer size for a datum name (48 characters and the terminator).
constexpr int DATUM_NAME_BUFSIZE = 49;

// 237: the number of DatumType values, 0 included.
QVPROJ_API int DatNumDatums();
// pName (at least DATUM_NAME_BUFSIZE bytes) receives the name; 0 gives
// "User Defined"; an unknown number leaves it empty.
QVPROJ_API void DatGetDatumName(DatumType datum, char* pName);
// Finds a datum by name, ignoring case ("User Defined" is 0).
QVPROJ_API bool DatGetDatumFromName(DatumType* pOut, const char* pName);
// The catalogue parameters with the ellipsoid's radius and flattening;
// false for 0 and for the MRE and NADCON datums.
QVPROJ_API bool DatGetDatumParams(DatumType datum, DATUM2WGS84* pParams);
QVPROJ_API bool DatGetDatumMethod(DatumType datum, DatumMethod* pMethod);
// True when the datum can serve as a destination.
QVPROJ_API bool DatReversible(DatumType datum);

// Methods (extension). The keyword of a method as the custom datum section
// writes it: "none", "nadcon", "bursa", "molodensky" or "mre"; an empty
// text for any other value.
QVPROJ_API const char* DatMethodKeyword(DatumMethod method);
// True for the methods that convert both ways and serve a user-defined or
// custom datum (none, Bursa-Wolf, Molodensky); NADCON and the regression
// equations belong to catalogue datums and serve only as sources.
QVPROJ_API bool DatMethodReversible(DatumMethod method);

// --- Named custom datums --------------------------------------------------------

// The built-in names take numbers 0 to 236; the custom datums of the profile
// file (section "Custom Datums") follow from 237 in file order. A null
// profile means no custom datums.
QVPROJ_API int NDatNumDatums(const char* pProfile);
// Buffer size for an enumerated name; longer custom names are cut to fit.
constexpr int NDAT_NAME_BUFSIZE = 256;
// pName must hold NDAT_NAME_BUFSIZE bytes.
QVPROJ_API bool NDatEnumDatumName(const char* pProfile, char* pName, int index);
QVPROJ_API bool NDatExists(const char* pProfile, const char* pName, int* pIndex);
QVPROJ_API bool NDatIsBuiltIn(const char* pProfile, const char* pName, DatumType* pDatum);
QVPROJ_API bool NDatSave(const char* pProfile, const char* pName, const DATUM2WGS84* pParams);
QVPROJ_API bool NDatDelete(const char* pProfile, const char* pName);
QVPROJ_API bool NDatGetDatumParams(const char* pProfile, const char* pName, DATUM2WGS84* pParams);
QVPROJ_API bool NDatGetDatumMethod(const char* pProfile, const char* pName, DatumMethod* pMethod);
QVPROJ_API bool NDatReversible(const char* pProfile, const char* pName);

// Size of the buffer in which the custom datum section is read: its entries,
// each with a terminating zero, and one more zero. A longer section is read
// only in part, and NDatSave and NDatDelete leave it alone; NDatSave also
// refuses an entry that would make the section longer.
constexpr int NDAT_SECTION_BUFSIZE = 32767;
// Extension: true when the profile's custom datum section is longer than
// NDAT_SECTION_BUFSIZE, so that some of its datums cannot be read.
QVPROJ_API bool NDatSectionTruncated(const char* pProfile);

} // namespace QVProj

#endif
