// Datum records: validation, handles, the two-leg conversion through WGS84
// and the CDatumTransform wrapper.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "frame/flagbyte.h"
#include "datum/catalogue.h"
#include "datum/legs.h"
#include "frame/report.h"
#include "frame/text.h"
#include "qvproj/datum.h"

namespace QVProj {

struct DatumHandle {
    DATUMXFORM xform;
};

namespace {

static constexpr const char* kUnit = "qvDatum";

constexpr int kTextSize = 512;
constexpr double kMaxShift = 1.7014117331926443e38; // half the largest float

struct CheckFailure {
    int code;  // source-side code
    int error; // catalogue number
};

bool InRange(double v, double lo, double hi) {
    return v >= lo && v <= hi; // NaN fails
}

// Checks one DATUM2WGS84; code 0 when valid.
CheckFailure CheckSide(const DATUM2WGS84& p) {
    const int m = p.Method;
    if (m < DatMethodNone || m > DatMethodMRE || m == 4) return {3, QVERR_DATUM_METHOD};
    if (m == DatMethodNone || m == DatMethodNadcon || m == DatMethodMRE) return {0, 0};
    if (p.Ellipsoid < ET_USER_DEFINED || p.Ellipsoid > ET_UNIT_SPHERE)
        return {4, QVERR_DATUM_ELLIPSOID};
    if (p.Ellipsoid == ET_USER_DEFINED) {
        if (!(p.MajorRadius > 0.0)) return {13, QVERR_RADIUS};
        if (!(p.Flattening >= 0.0) || !(p.Flattening < 1.0)) return {14, QVERR_FLATTENING};
    }
    if (!InRange(p.PrimeMeridian, -180.0, 180.0)) return {5, QVERR_PRIME_MERIDIAN};
    if (!InRange(p.dX, -kMaxShift, kMaxShift)) return {6, QVERR_SHIFT_X};
    if (!InRange(p.dY, -kMaxShift, kMaxShift)) return {7, QVERR_SHIFT_Y};
    if (!InRange(p.dZ, -kMaxShift, kMaxShift)) return {8, QVERR_SHIFT_Z};
    if (m == DatMethodMolodensky) return {0, 0};
    if (!InRange(p.rX, -3600.0, 3600.0)) return {9, QVERR_ROTATION_X};
    if (!InRange(p.rY, -3600.0, 3600.0)) return {10, QVERR_ROTATION_Y};
    if (!InRange(p.rZ, -3600.0, 3600.0)) return {11, QVERR_ROTATION_Z};
    return {0, 0};
}

int Fail(int code, int error, int line, char* pText, bool bReport) {
    if (pText) {
        const char* msg = CatalogueText(error);
        CopyText(pText, kTextSize, msg ? msg : "Unable to load error message text!");
    }
    if (bReport) ReportError(kUnit, line, error, nullptr);
    return code;
}

void DumpSide(const char* pSide, const DATUM2WGS84& p) {
    DebugLog("  %s: Method=%d bInverse=%d Ellipsoid=%d PrimeMeridian=%.10g dX=%.10g dY=%.10g "
             "dZ=%.10g rX=%.10g rY=%.10g rZ=%.10g Scale=%.10g MajorRadius=%.10g "
             "Flattening=%.12g\n",
             pSide, static_cast<int>(p.Method), FlagByte(p.bInverse) != 0 ? 1 : 0,
             static_cast<int>(p.Ellipsoid), p.PrimeMeridian, p.dX, p.dY, p.dZ, p.rX, p.rY, p.rZ,
             p.Scale, p.MajorRadius, p.Flattening);
}

void DumpXform(const DATUMXFORM& x) {
    if (!DebugLogIsOn()) return;
    DebugLog("  SrcDatum=%d DstDatum=%d\n", static_cast<int>(x.SrcDatum),
             static_cast<int>(x.DstDatum));
    if (x.SrcDatum == DatUserDefined) DumpSide("SrcParams", x.SrcParams);
    if (x.DstDatum == DatUserDefined) DumpSide("DstParams", x.DstParams);
}

// Longitude in the open range -360 to +360, latitude folded into -90 to +90.
inline void Normalise(DATUMPOINT& p) {
    p.Lon = NormaliseLongitude(p.Lon);
    p.Lat = NormaliseLatitude(p.Lat);
}

// Marks non-finite points unplottable; true when the point is unplottable.
inline bool CheckPoint(DATUMPOINT& p) {
    if (!std::isfinite(p.Lon) || !std::isfinite(p.Lat)) p.Lon = p.Lat = UNPLOTTABLE;
    return IsUnplottable(p);
}

// One leg by its method. The regression equations and the NADCON grids
// serve only the source side, where the datum names them. False after an
// internal error, or when the grid files cannot be read (reported there).
bool RunLeg(const DATUM2WGS84& params, int datum, bool source, DATUMPOINT* pPts, int nPts) {
    switch (params.Method) {
    case DatMethodNone:
        return true;
    case DatMethodMolodensky:
        return MolodenskyLeg(params, pPts, nPts) || QV_ASSERT_FAILED();
    case DatMethodBursaWolf:
        return BursaWolfLeg(params, pPts, nPts) || QV_ASSERT_FAILED();
    case DatMethodMRE:
        if (source) return RegressionLeg(datum, pPts, nPts) || QV_ASSERT_FAILED();
        break;
    case DatMethodNadcon:
        if (source && datum == DatNAD1927CONUSNadcon) return NadconLeg("conus", pPts, nPts);
        if (source && datum == DatNAD1927PRVINadcon) return NadconLeg("prvi", pPts, nPts);
        break;
    default:
        break;
    }
    return QV_ASSERT_FAILED();
}

} // namespace

int DatCheckParams(const DATUMXFORM* pXform, char* pText, bool bReport) {
    if (pText) pText[0] = '\0';
    if (pXform == nullptr) {
        if (pText) CopyText(pText, kTextSize, "NULL Pointer to datum parameters");
        return 998;
    }
    if (pXform->SrcDatum < DatUserDefined || pXform->SrcDatum > DatLastCatalogue)
        return Fail(1, QVERR_SRC_DATUM, __LINE__, pText, bReport);
    if (pXform->DstDatum < DatUserDefined || pXform->DstDatum > DatLastCatalogue)
        return Fail(2, QVERR_DST_DATUM, __LINE__, pText, bReport);
    if (pXform->SrcDatum == DatUserDefined) {
        CheckFailure f = CheckSide(pXform->SrcParams);
        if (f.code) return Fail(f.code, f.error, __LINE__, pText, bReport);
    }
    if (pXform->DstDatum == DatUserDefined) {
        CheckFailure f = CheckSide(pXform->DstParams);
        if (f.code) return Fail(f.code + 12, f.error, __LINE__, pText, bReport);
    }
    return 0;
}

HDATUM DatCreateDatum(const DATUMXFORM* pXform) {
    DebugLog("DatCreateDatum(%p)\n", static_cast<const void*>(pXform));
    if (pXform == nullptr) return nullptr;
    DumpXform(*pXform);
    if (DatCheckParams(pXform, nullptr, true) != 0) return nullptr;
    DatumHandle* h = new (std::nothrow) DatumHandle;
    if (h == nullptr) {
        QV_REPORT(QVERR_MEMORY);
        return nullptr;
    }
    std::memcpy(&h->xform, pXform, sizeof(DATUMXFORM));
    DebugLog("DatCreateDatum -> %p\n", static_cast<void*>(h));
    return h;
}

void DatDeleteDatum(HDATUM hDatum) {
    DebugLog("DatDeleteDatum(%p)\n", static_cast<void*>(hDatum));
    delete hDatum;
}

bool DatConvertDatum(HDATUM hDatum, DATUMPOINT* pPts, int nPts) {
    DebugLog("DatConvertDatum(%p, %p, %d)\n", static_cast<void*>(hDatum), static_cast<void*>(pPts),
             nPts);
    if (hDatum == nullptr) return false;
    if (pPts == nullptr || nPts < 1) return QV_ASSERT_FAILED();
    DATUMXFORM x;
    std::memcpy(&x, &hDatum->xform, sizeof x);
    if (x.SrcDatum < DatUserDefined || x.SrcDatum > DatNone || x.DstDatum < DatUserDefined ||
        x.DstDatum > DatNone)
        return QV_ASSERT_FAILED();
    std::unique_ptr<signed char[]> wrap(new (std::nothrow) signed char[nPts]);
    if (!wrap) return QV_ASSERT_FAILED();
    std::memset(wrap.get(), 0, static_cast<size_t>(nPts));
    hDatum->xform.bHadUnplottables = false;

    if (x.SrcDatum == x.DstDatum && x.SrcDatum != DatUserDefined) return true;

    if (x.SrcDatum != DatUserDefined && !CopyDatumRow(x.SrcDatum, &x.SrcParams, false))
        return QV_ASSERT_FAILED();
    if (x.DstDatum != DatUserDefined) {
        if (!CopyDatumRow(x.DstDatum, &x.DstParams, true)) return QV_ASSERT_FAILED();
        x.DstParams.bInverse = true;
    }
    if (x.SrcDatum == DatUserDefined && !DatMethodReversible(x.SrcParams.Method))
        return QV_ASSERT_FAILED();
    if (x.DstDatum == DatUserDefined && !DatMethodReversible(x.DstParams.Method))
        return QV_ASSERT_FAILED();
    SetEllipsoid(x.SrcParams);
    SetEllipsoid(x.DstParams);

    bool had = false;
    for (int i = 0; i < nPts; ++i) {
        DATUMPOINT& p = pPts[i];
        had |= CheckPoint(p);
        Normalise(p);
        if (p.Lon == UNPLOTTABLE) continue;
        if (p.Lon >= -360.0 && p.Lon < -180.0) {
            wrap[i] = -1;
            p.Lon += 360.0;
        } else if (p.Lon > 180.0 && p.Lon <= 360.0) {
            wrap[i] = 1;
            p.Lon -= 360.0;
        }
    }
    if (had) hDatum->xform.bHadUnplottables = true;

    if (!RunLeg(x.SrcParams, x.SrcDatum, true, pPts, nPts)) return false;
    if (!RunLeg(x.DstParams, x.DstDatum, false, pPts, nPts)) return false;

    had = false;
    for (int i = 0; i < nPts; ++i) {
        DATUMPOINT& p = pPts[i];
        had |= CheckPoint(p);
        if (p.Lon != UNPLOTTABLE) p.Lon += 360.0 * wrap[i];
        Normalise(p);
    }
    if (had) hDatum->xform.bHadUnplottables = true;
    return true;
}

bool DatHadUnplottables(HDATUM hDatum) {
    return hDatum != nullptr && hDatum->xform.bHadUnplottables;
}

bool DatGetHandleInfo(HDATUM hDatum, DATUMXFORM* pXform) {
    if (hDatum == nullptr || pXform == nullptr) return false;
    std::memcpy(pXform, &hDatum->xform, sizeof(DATUMXFORM));
    return true;
}

// --- CDatumTransform ---------------------------------------------------------

CDatumTransform::CDatumTransform() : m_hDatum(nullptr) {}

CDatumTransform::CDatumTransform(const DATUMXFORM* pXform) : m_hDatum(DatCreateDatum(pXform)) {}

CDatumTransform::CDatumTransform(const CDatumTransform& other) : m_hDatum(nullptr) {
    if (other.m_hDatum) m_hDatum = DatCreateDatum(&other.m_hDatum->xform);
}

CDatumTransform& CDatumTransform::operator=(const CDatumTransform& other) {
    if (this == &other) return *this;
    Delete();
    if (other.m_hDatum) m_hDatum = DatCreateDatum(&other.m_hDatum->xform);
    return *this;
}

CDatumTransform::~CDatumTransform() {
    Delete();
}

bool CDatumTransform::Create(const DATUMXFORM* pXform) {
    Delete();
    m_hDatum = DatCreateDatum(pXform);
    return m_hDatum != nullptr;
}

void CDatumTransform::Delete() {
    DatDeleteDatum(m_hDatum);
    m_hDatum = nullptr;
}

bool CDatumTransform::IsCreated() const {
    return m_hDatum != nullptr;
}

bool CDatumTransform::Convert(DATUMPOINT* pPts, int nPts) {
    return DatConvertDatum(m_hDatum, pPts, nPts);
}

bool CDatumTransform::HadUnplottables() const {
    return DatHadUnplottables(m_hDatum);
}

bool CDatumTransform::GetInfo(DATUMXFORM* pXform) const {
    return DatGetHandleInfo(m_hDatum, pXform);
}

} // namespace QVProj
