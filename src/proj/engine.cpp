// Projection handles and point conversion: creation with its corrections,
// the per-call work record, normalisation, dispatch through the projection
// type table, false origin and scale; and CProjector.
#include <cmath>
#include <cstring>
#include <new>

#include "frame/report.h"
#include "proj/engine.h"
#include "proj/geodesy.h"
#include "proj/projtypes.h"
#include "proj/statezones.h"

namespace QVProj {

static constexpr const char* kUnit = "qvProj";

namespace {

// The module operations of a type 0 to 28, or null.
const ProjModuleOps* ModuleOps(int type) {
    const ProjTypeRow* row = ProjTypeInfo(type);
    return row != nullptr ? &row->ops : nullptr;
}

// A point with a coordinate that is not finite gets the marker in both;
// true when it did.
inline bool MarkIfBad(PROJPOINT& p) {
    if (std::isfinite(p.x) && std::isfinite(p.y)) return false;
    p.x = UNPLOTTABLE;
    p.y = UNPLOTTABLE;
    return true;
}

// The record of a conversion: a copy of the handle with its zone expanded
// and its angles in radians.
bool MakeWorkRecord(const ProjHandle* hProj, PROJDATA& work) {
    work = hProj->data;
    if (work.Type == PT_STATEPLANE27) {
        if (!QV_CHECK(ExpandStateZone1927(&work))) return false;
    } else if (work.Type == PT_STATEPLANE83) {
        if (!QV_CHECK(ExpandStateZone1983(&work))) return false;
    }
    work.Lat0 = Radians(work.Lat0);
    work.Lon0 = Radians(work.Lon0);
    work.Lat1 = Radians(work.Lat1);
    work.Lat2 = Radians(work.Lat2);
    work.Lat3 = Radians(work.Lat3);
    work.Lon1 = Radians(work.Lon1);
    work.Lon2 = Radians(work.Lon2);
    work.Lon3 = Radians(work.Lon3);
    work.Alpha = Radians(work.Alpha);
    return true;
}

// The scratch record that LLInProjection and LLOffsetSplitObject answer for:
// the handle's record, or its expansion for a state plane handle.
const PROJDATA* AnswerRecord(const ProjHandle* hProj, PROJDATA& scratch) {
    const int type = hProj->data.Type;
    if (type != PT_STATEPLANE27 && type != PT_STATEPLANE83) return &hProj->data;
    scratch = hProj->data;
    bool ok =
        type == PT_STATEPLANE83 ? ExpandStateZone1983(&scratch) : ExpandStateZone1927(&scratch);
    if (!QV_CHECK(ok)) return nullptr;
    return &scratch;
}

bool CheckConversionArgs(ProjHandle* hProj, PROJPOINT* pPts, int nPts) {
    if (hProj == nullptr) {
        DebugLog("NULL hProj pointer!\n");
        return false;
    }
    return QV_CHECK(pPts != nullptr) && QV_CHECK(nPts >= 1);
}

} // namespace

HPROJ ProjCreateProjection(PROJDATA* pData) {
    DebugLog("ProjCreateProjection(pProjData=%p)\n", static_cast<void*>(pData));
    if (pData == nullptr) return nullptr;
    char text[512];
    if (ProjCheckParams(pData, text, true) != 0) {
        DebugLog("Invalid parameter error:  \"%s\"\n", text);
        return nullptr;
    }
    if (pData->Type != PT_LATLONG) {
        const int e = pData->Ellipsoid;
        if (e < 0 || e > kNumEllipsoids) {
            DebugLog("Bad ellipsoid type!\n");
            QV_ASSERT_FAILED();
            return nullptr;
        }
        if (IsBuiltInEllipsoid(e)) {
            const EllipsoidAxes axes = EllipsoidAxesOf(e);
            pData->MajorRadius = axes.a;
            pData->Flattening = axes.f;
        } else {
            DebugLog("Have user-defined ellipsoid.\n");
            if (pData->MajorRadius <= 0.0) {
                DebugLog("Bad ellipsoid radius!\n");
                QV_ASSERT_FAILED();
                return nullptr;
            }
            if (pData->Flattening < 0.0 || pData->Flattening >= 1.0) {
                DebugLog("Bad ellipsoid flattening!\n");
                QV_ASSERT_FAILED();
                return nullptr;
            }
        }
    }
    if (pData->Type == PT_UTM) {
        pData->xOrg = 500000.0;
        pData->yOrg = FlagByte(pData->bSouth) != 0 ? 10000000.0 : 0.0;
        if (pData->K0 == 0.0) pData->K0 = 0.9996;
    }
    ProjHandle* hProj = new (std::nothrow) ProjHandle;
    if (hProj == nullptr) {
        QV_ASSERT_FAILED();
        return nullptr;
    }
    std::memcpy(&hProj->data, pData, sizeof(PROJDATA));
    if (hProj->data.Scale == 0.0) {
        hProj->data.Scale = 1.0;
        DebugLog("Warning:  Scale was zero.  Setting to one.\n");
    }
    if (hProj->data.K0 == 0.0) {
        hProj->data.K0 = 1.0;
        DebugLog("Warning:  K0 was zero.  Setting to one.\n");
    }
    DumpProjData(&hProj->data);
    DebugLog("ProjCreateProjection:  Returning HPROJ of %p\n", static_cast<void*>(hProj));
    return hProj;
}

void ProjDeleteProjection(HPROJ hProj) {
    DebugLog("ProjDeleteProjection(hProj=%p)\n", static_cast<void*>(hProj));
    delete hProj;
}

bool ProjGetHandleInfo(HPROJ hProj, PROJDATA* pData) {
    DebugLog("ProjGetHandleInfo(hProj=%p, pProjData=%p)\n", static_cast<void*>(hProj),
             static_cast<void*>(pData));
    if (hProj == nullptr || pData == nullptr) return false;
    std::memcpy(pData, &hProj->data, sizeof(PROJDATA));
    return true;
}

int ProjResult(HPROJ hProj) {
    return hProj ? hProj->data.iResult : 0;
}

namespace {

// False origin and Scale of a work record: a projected coordinate is
// (module result + false origin) times Scale. Coordinates holding the
// marker are left alone.
struct Placement {
    double xOrg, yOrg, scale;
    bool shift, scaled;
    explicit Placement(const PROJDATA& w)
        : xOrg(w.xOrg), yOrg(w.yOrg), scale(w.Scale), shift(xOrg != 0.0 || yOrg != 0.0),
          scaled(scale != 1.0) {}
    void Apply(PROJPOINT& p) const {
        if (shift) {
            if (p.x != UNPLOTTABLE) p.x += xOrg;
            if (p.y != UNPLOTTABLE) p.y += yOrg;
        }
        if (scaled) {
            if (p.x != UNPLOTTABLE) p.x *= scale;
            if (p.y != UNPLOTTABLE) p.y *= scale;
        }
    }
    void Remove(PROJPOINT& p) const {
        if (scaled) {
            if (p.x != UNPLOTTABLE) p.x /= scale;
            if (p.y != UNPLOTTABLE) p.y /= scale;
        }
        if (shift) {
            if (p.x != UNPLOTTABLE) p.x -= xOrg;
            if (p.y != UNPLOTTABLE) p.y -= yOrg;
        }
    }
};

// The module that converts a handle's points, with its work record; false
// (with the internal error reported) when the handle's type cannot be
// converted. Type 0 gives true and no module: nothing to convert.
bool ConversionModule(const ProjHandle* hProj, PROJDATA& work, bool forward,
                      ModuleConvertFn& module) {
    module = nullptr;
    if (!QV_CHECK(IsProjType(hProj->data.Type))) return false;
    if (hProj->data.Type == PT_LATLONG) return true;
    if (!MakeWorkRecord(hProj, work)) return false;
    const ProjModuleOps* row = ModuleOps(work.Type);
    module = row == nullptr ? nullptr : forward ? row->forward : row->inverse;
    return QV_CHECK(module != nullptr);
}

// The conversion both directions share. One pass before the module marks
// non-finite points and, when there is a module, applies `before` to every
// other point; one pass after it marks non-finite results and applies
// `after` to the others. Every step works on one point at a time, so a
// pass gives what the separate steps would give.
template <class Before, class After>
bool Convert(ProjHandle* hProj, PROJPOINT* pPts, int nPts, bool forward, const Before& before,
             const After& after) {
    if (!CheckConversionArgs(hProj, pPts, nPts)) return false;
    PROJDATA work;
    ModuleConvertFn module = nullptr;
    const bool ok = ConversionModule(hProj, work, forward, module);
    const Placement placement(module != nullptr ? work : hProj->data);

    bool marked = false;
    for (int i = 0; i < nPts; ++i) {
        if (MarkIfBad(pPts[i]))
            marked = true;
        else if (module != nullptr)
            before(pPts[i], placement);
    }
    hProj->data.iResult = marked ? 1 : 0;
    if (module == nullptr) return ok;
    work.iResult = hProj->data.iResult;

    if (!module(&work, pPts, nPts)) {
        DebugLog(forward ? "Forward projection function failed!\n"
                         : "Inverse projection function failed!\n");
        return false;
    }

    marked = work.iResult == 1;
    for (int i = 0; i < nPts; ++i) {
        if (MarkIfBad(pPts[i]))
            marked = true;
        else
            after(pPts[i], placement);
    }
    hProj->data.iResult = marked ? 1 : 0;
    if (marked) DebugLog("  One or more unplottable points generated.\n");
    return true;
}

} // namespace

bool ProjForward(HPROJ hProj, PROJPOINT* pPts, int nPts) {
    DebugLog("ProjForward(hProj=%p, pPts=%p, nPts=%d)\n", static_cast<void*>(hProj),
             static_cast<void*>(pPts), nPts);
    // In: normalisation and radians. Out: false origin and scale.
    return Convert(
        hProj, pPts, nPts, true,
        [](PROJPOINT& p, const Placement&) {
            p.x = NormaliseLongitude(p.x);
            p.y = NormaliseLatitude(p.y);
            if (p.x != UNPLOTTABLE) p.x = Radians(p.x);
            if (p.y != UNPLOTTABLE) p.y = Radians(p.y);
        },
        [](PROJPOINT& p, const Placement& placement) { placement.Apply(p); });
}

bool ProjInverse(HPROJ hProj, PROJPOINT* pPts, int nPts) {
    DebugLog("ProjInverse(hProj=%p, pPts=%p, nPts=%d)\n", static_cast<void*>(hProj),
             static_cast<void*>(pPts), nPts);
    // In: scale and false origin come off. Out: degrees and normalisation.
    return Convert(
        hProj, pPts, nPts, false,
        [](PROJPOINT& p, const Placement& placement) { placement.Remove(p); },
        [](PROJPOINT& p, const Placement&) {
            if (p.x != UNPLOTTABLE) p.x = NormaliseLongitude(Degrees(p.x));
            if (p.y != UNPLOTTABLE) p.y = NormaliseLatitude(Degrees(p.y));
        });
}

bool ProjLLInProjection(HPROJ hProj, const PROJPOINT* pPt) {
    if (hProj == nullptr || pPt == nullptr) return false;
    if (!(pPt->x >= -360.0 && pPt->x <= 360.0 && pPt->y >= -90.0 && pPt->y <= 90.0)) return false;
    PROJDATA scratch;
    const PROJDATA* record = AnswerRecord(hProj, scratch);
    if (record == nullptr) return false;
    const ProjModuleOps* row = ModuleOps(record->Type);
    if (!QV_CHECK(row != nullptr && row->llInProjection != nullptr)) return false;
    return row->llInProjection(record, pPt);
}

bool ProjLLOffsetSplitObject(HPROJ hProj, const PROJPOINT* pPts, unsigned int nPts,
                             double* pLonShift, double* pLatShift) {
    if (hProj == nullptr || pPts == nullptr || pLonShift == nullptr || pLatShift == nullptr ||
        nPts == 0)
        return false;
    PROJDATA scratch;
    const PROJDATA* record = AnswerRecord(hProj, scratch);
    if (record == nullptr) return false;
    const ProjModuleOps* row = ModuleOps(record->Type);
    if (!QV_CHECK(row != nullptr && row->llOffsetSplitObject != nullptr)) return false;
    return row->llOffsetSplitObject(record, pPts, nPts, pLonShift, pLatShift);
}

// --- CProjector ------------------------------------------------------------

CProjector::CProjector() : m_hProj(nullptr) {}

CProjector::CProjector(PROJDATA* pData) : m_hProj(ProjCreateProjection(pData)) {}

CProjector::CProjector(const CProjector& other) : m_hProj(nullptr) {
    if (other.m_hProj != nullptr) {
        PROJDATA data = other.m_hProj->data;
        m_hProj = ProjCreateProjection(&data);
    }
}

CProjector::~CProjector() {
    Delete();
}

CProjector& CProjector::operator=(const CProjector& other) {
    if (this == &other) return *this;
    Delete();
    if (other.m_hProj != nullptr) {
        PROJDATA data = other.m_hProj->data;
        m_hProj = ProjCreateProjection(&data);
    }
    return *this;
}

bool CProjector::Create(PROJDATA* pData) {
    Delete();
    m_hProj = ProjCreateProjection(pData);
    return m_hProj != nullptr;
}

void CProjector::Delete() {
    if (m_hProj != nullptr) ProjDeleteProjection(m_hProj);
    m_hProj = nullptr;
}

bool CProjector::Forward(PROJPOINT* pPts, int nPts) {
    return ProjForward(m_hProj, pPts, nPts);
}

bool CProjector::Inverse(PROJPOINT* pPts, int nPts) {
    return ProjInverse(m_hProj, pPts, nPts);
}

int CProjector::Result() const {
    return ProjResult(m_hProj);
}

bool CProjector::GetInfo(PROJDATA* pData) const {
    return ProjGetHandleInfo(m_hProj, pData);
}

bool CProjector::LLInProjection(const PROJPOINT* pPt) const {
    return ProjLLInProjection(m_hProj, pPt);
}

bool CProjector::LLOffsetSplitObject(const PROJPOINT* pPts, unsigned int nPts, double* pLonShift,
                                     double* pLatShift) const {
    return ProjLLOffsetSplitObject(m_hProj, pPts, nPts, pLonShift, pLatShift);
}

} // namespace QVProj
