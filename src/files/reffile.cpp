// The cartographic reference file: "label : value" lines driven by the key
// table, and the deletion of an image's side files.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "files/refkeys.h"
#include "files/sidenames.h"
#include "files/sidetext.h"
#include "frame/report.h"
#include "frame/text.h"
#include "platform/atomicfile.h"
#include "platform/filecase.h"
#include "qvproj/files.h"

namespace QVProj {
namespace {

constexpr const char* kUnit = "RefFile";
constexpr const char* kHeader = "Quorvane Cartographic Reference Information";
constexpr double kVersion = 1.1;
constexpr std::size_t kMaxLine = 511;
// The shortest control point line that is recognised: "GeorefPoint :".
constexpr std::uint64_t kMinPointLine = 13;

struct MethodName {
    int method;
    const char* name;
};
constexpr MethodName kDatumMethods[] = {
    {DatMethodNone, "No transform"},
    {DatMethodNadcon, "NADCON"},
    {DatMethodBursaWolf, "Bursa-Wolf"},
    {DatMethodMolodensky, "Molodensky"},
    {DatMethodMRE, "MRE"},
};
constexpr int kUnknownDatumMethod = 6;
// Names of the georeference methods in older files.
constexpr MethodName kOldGeorefMethods[] = {
    {RefHelmert, "Helmert"},        {RefAffine, "Affine"},
    {RefFirstOrder, "First Order"}, {RefSecondOrder, "Second Order"},
    {RefThirdOrder, "Third Order"}, {RefCoefficients, "Known Coefficients"},
};

// Fields of the byte-packed records, by offset.
template <class T> T Load(const void* record, std::size_t offset) {
    T v;
    std::memcpy(&v, static_cast<const char*>(record) + offset, sizeof v);
    return v;
}
template <class T> void Store(void* record, std::size_t offset, T v) {
    std::memcpy(static_cast<char*>(record) + offset, &v, sizeof v);
}

bool Listed(uint32_t mask, int method) {
    return method >= 0 && method < 32 && ((mask >> method) & 1u);
}

bool SameText(const std::string& text, const char* label) {
    return SameLabel(text.data(), text.size(), label);
}

// The records of one write or read, and which of them take part.
struct Records {
    PROJDATA proj;
    DatumType datum;
    DATUM2WGS84 datumParams;
    GEOREF ref;
    bool haveProj, haveDatum, haveRef;

    void* Record(RefGroup g) {
        return g == RefGroup::Projection ? static_cast<void*>(&proj)
               : g == RefGroup::Datum    ? static_cast<void*>(&datumParams)
                                         : static_cast<void*>(&ref);
    }
    bool Have(RefGroup g) const {
        return g == RefGroup::Projection ? haveProj : g == RefGroup::Datum ? haveDatum : haveRef;
    }
};

// --- Writing -------------------------------------------------------------------

// Whether the writer writes key k of a group that is present.
bool Written(const RefKey& k, const Records& r) {
    switch (k.group) {
    case RefGroup::Projection:
        if (r.proj.Type == PT_LATLONG) return k.form == RefForm::ProjName;
        return k.filter == 0 || (r.proj.Type >= 0 && r.proj.Type <= PT_AZIMUTHAL_EQUIDISTANT &&
                                 (kRefProjFilter[r.proj.Type] & k.filter));
    case RefGroup::Datum:
        return k.filter == 0 || Listed(k.filter, r.datumParams.Method);
    case RefGroup::Georef:
        return k.filter == 0 || Listed(k.filter, r.ref.Method);
    }
    return false;
}

// The value text of key k; false when the key's name function declines.
bool FormatValue(const RefKey& k, Records& r, std::string* pOut) {
    const void* rec = r.Record(k.group);
    char name[256] = "";
    switch (k.form) {
    case RefForm::Float:
        *pOut = FormatNumber(Load<double>(rec, k.offset));
        return true;
    case RefForm::Integer:
        *pOut = std::to_string(Load<int32_t>(rec, k.offset));
        return true;
    case RefForm::Boolean:
        *pOut = Load<uint8_t>(rec, k.offset) ? "true" : "false";
        return true;
    case RefForm::ProjName:
        ProjGetProjectionInfo(Load<ProjType>(rec, k.offset), name);
        break;
    case RefForm::ZoneName: {
        const auto zone = Load<StateZoneType>(rec, k.offset);
        if (zone == SZ_NONE) return false;
        ProjGetStateZoneInfo(zone, name, nullptr);
        break;
    }
    case RefForm::EllipsoidName: {
        const auto e = Load<EllipsoidType>(rec, k.offset);
        if (e == ET_NONE) return false;
        if (!EllipsoidInfo(e, name, nullptr, nullptr)) CopyText(name, sizeof name, "USER-DEFINED");
        break;
    }
    case RefForm::DatumName:
        DatGetDatumName(r.datum, name);
        break;
    case RefForm::DatumMethodName:
        for (const MethodName& m : kDatumMethods)
            if (m.method == Load<int32_t>(rec, k.offset)) CopyText(name, sizeof name, m.name);
        break;
    case RefForm::GeorefMethodName:
        CopyText(name, sizeof name, RefMethodName(Load<TransformMethod>(rec, k.offset)));
        break;
    }
    *pOut = name[0] ? name : "UNKNOWN";
    return true;
}

// Fills in what the writer takes from the catalogues.
void Complete(Records& r) {
    if (r.proj.Type == PT_LATLONG) {
        r.proj = PROJDATA{};
        r.proj.Ellipsoid = ET_NONE;
    }
    if (r.proj.Type != PT_STATEPLANE27 && r.proj.Type != PT_STATEPLANE83) r.proj.Zone = SZ_NONE;
    if (r.proj.Type != PT_HOTINE) r.proj.Alpha = 0;
    if (r.proj.Ellipsoid != ET_USER_DEFINED && r.proj.Ellipsoid != ET_NONE) {
        r.proj.MajorRadius = EllipsoidRadius(r.proj.Ellipsoid);
        r.proj.Flattening = EllipsoidFlattening(r.proj.Ellipsoid);
    }
    if (r.datumParams.Ellipsoid != ET_USER_DEFINED && r.datumParams.Ellipsoid != ET_NONE) {
        r.datumParams.MajorRadius = EllipsoidRadius(r.datumParams.Ellipsoid);
        r.datumParams.Flattening = EllipsoidFlattening(r.datumParams.Ellipsoid);
    }
}

std::string FileText(Records& r) {
    char header[96];
    std::snprintf(header, sizeof header, "%s : Version %.2f\n", kHeader, kVersion);
    std::string text = header;
    std::string value;
    for (const RefKey& k : kRefKeys) {
        if (!r.Have(k.group) || !Written(k, r) || !FormatValue(k, r, &value)) continue;
        text += k.label;
        text += " : ";
        text += value;
        text += '\n';
    }
    const GEOREF& g = r.ref;
    if (g.Method != RefCoefficients && g.Method != RefNone && g.NumControls >= 1 &&
        g.pSrcControls && g.pDstControls) {
        for (int i = 0; i < g.NumControls; ++i) {
            text += kRefPointLabel;
            text += " : " + FormatNumber(g.pSrcControls[i].x) + "  " +
                    FormatNumber(g.pSrcControls[i].y) + "  " + FormatNumber(g.pDstControls[i].x) +
                    "  " + FormatNumber(g.pDstControls[i].y) + "\n";
        }
    }
    return text;
}

// --- Reading -------------------------------------------------------------------

// The first line: the header text, a colon, "Version" and a number.
bool ReadHeader(const std::string& line, double* pVersion) {
    const char* p = line.c_str();
    if (!StartsWithIgnoringCase(p, kHeader)) return false;
    p = SkipWhite(p + std::strlen(kHeader));
    if (*p != ':') return false;
    p = SkipWhite(p + 1);
    if (!StartsWithIgnoringCase(p, "Version")) return false;
    return ParseNumber(p + 7, pVersion) > 0 && std::isfinite(*pVersion);
}

int ProjTypeFromName(const std::string& value) {
    char name[64];
    for (int t = PT_LATLONG; t <= PT_AZIMUTHAL_EQUIDISTANT; ++t) {
        ProjGetProjectionInfo(static_cast<ProjType>(t), name);
        if (SameText(value, name)) return t;
    }
    return PT_UNDEFINED;
}

int GeorefMethodFromName(const std::string& value) {
    for (int m = RefHelmert; m < RefNone; ++m)
        if (SameText(value, RefMethodName(static_cast<TransformMethod>(m)))) return m;
    for (const MethodName& m : kOldGeorefMethods)
        if (SameText(value, m.name)) return m.method;
    return RefNone;
}

// Stores the value text of key k.
void ReadValue(const RefKey& k, Records& r, const char* value) {
    void* rec = r.Record(k.group);
    const std::string named = TrimWhite(value);
    switch (k.form) {
    case RefForm::Float:
        Store(rec, k.offset, LeadingNumber(value));
        return;
    case RefForm::Integer:
        Store(rec, k.offset, static_cast<int32_t>(LeadingInteger(value)));
        return;
    case RefForm::Boolean:
        Store(rec, k.offset, static_cast<uint8_t>(StartsWithIgnoringCase(value, "true")));
        return;
    case RefForm::ProjName:
        Store(rec, k.offset, static_cast<int32_t>(ProjTypeFromName(named)));
        return;
    case RefForm::ZoneName: {
        StateZoneType zone = SZ_NONE;
        if (!ProjGetStateZoneFromName(&zone, named.c_str())) zone = SZ_NONE;
        Store(rec, k.offset, zone);
        return;
    }
    case RefForm::EllipsoidName: {
        EllipsoidType e = ET_USER_DEFINED;
        if (!EllipsoidFromName(&e, named.c_str())) e = ET_USER_DEFINED;
        Store(rec, k.offset, e);
        return;
    }
    case RefForm::DatumName:
        if (!DatGetDatumFromName(&r.datum, named.c_str())) r.datum = DatNone;
        return;
    case RefForm::DatumMethodName: {
        int method = kUnknownDatumMethod;
        for (const MethodName& m : kDatumMethods)
            if (SameText(named, m.name)) method = m.method;
        Store(rec, k.offset, static_cast<int32_t>(method));
        return;
    }
    case RefForm::GeorefMethodName:
        Store(rec, k.offset, static_cast<int32_t>(GeorefMethodFromName(named)));
        return;
    }
}

// Reads the lines after the header into r. False on a failure that has been
// reported.
bool ReadBody(LineReader& lines, std::uint64_t fileSize, Records& r) {
    GEOREF& ref = r.ref;
    int capacity = 0, next = 0;
    bool tooMany = false;
    std::string line;
    for (std::uint64_t before = lines.Consumed(); lines.Next(&line); before = lines.Consumed()) {
        const char* s = line.c_str();
        const char* colon = std::strchr(s, ':');
        if (colon == nullptr) continue;
        // The blanks and tabs directly before the colon end the key.
        const char* keyEnd = colon;
        while (keyEnd > s && (keyEnd[-1] == ' ' || keyEnd[-1] == '\t')) --keyEnd;
        if (keyEnd == colon) continue;
        const std::size_t keyLength = static_cast<std::size_t>(keyEnd - s);
        const char* value = SkipWhite(colon + 1);

        if (SameLabel(s, keyLength, kRefPointLabel)) {
            if (!r.haveRef || ref.NumControls < 1 || tooMany) continue;
            if (capacity == 0) {
                // A count that the rest of the file cannot hold reads as no points.
                const std::uint64_t left = fileSize > before ? fileSize - before : 0;
                if (static_cast<std::uint64_t>(ref.NumControls) >
                    (left + 1) / (kMinPointLine + 1)) {
                    tooMany = true;
                    continue;
                }
                if (!RefAllocControls(&ref, ref.NumControls)) {
                    QV_REPORT(QVERR_MEMORY);
                    return false;
                }
                capacity = ref.NumControls;
            }
            if (next >= capacity) continue;
            double v[4] = {0, 0, 0, 0};
            const char* p = value;
            for (int i = 0; i < 4; ++i) {
                const std::size_t used = ParseNumber(p, &v[i]);
                if (used == 0) break;
                p += used;
            }
            ref.pSrcControls[next] = {v[0], v[1]};
            ref.pDstControls[next] = {v[2], v[3]};
            ++next;
            continue;
        }
        for (const RefKey& k : kRefKeys) {
            if (!SameLabel(s, keyLength, k.label)) continue;
            // The count of arrays already made stays.
            const bool countAfterPoints = k.group == RefGroup::Georef &&
                                          k.offset == offsetof(GEOREF, NumControls) && capacity;
            if (r.Have(k.group) && !countAfterPoints) ReadValue(k, r, value);
            break;
        }
    }
    return true;
}

} // namespace

bool QVProjRefFileWriteEx(const char* pName, const PROJDATA* pProj, DatumType datum,
                          const DATUM2WGS84* pDatum, const GEOREF* pRef) {
    DebugLog("QVProjRefFileWriteEx(\"%s\")\n", pName ? pName : "(null)");
    if (pName == nullptr || pName[0] == '\0') return false;
    try {
        const std::string path = RefFileName(pName);
        if (path.size() > kMaxPathLength) return false;
        Records r{};
        r.proj.Type = PT_UNDEFINED;
        r.ref.Method = RefNone;
        if (pProj) r.proj = *pProj;
        r.haveDatum = pDatum != nullptr && datum != DatNone;
        if (r.haveDatum) {
            r.datum = datum;
            r.datumParams = *pDatum;
        }
        if (pRef) r.ref = *pRef;
        r.haveProj = r.proj.Type != PT_UNDEFINED;
        r.haveRef = r.ref.Method != RefNone;
        Complete(r);
        return WriteFileAtomically(path.c_str(), FileText(r));
    } catch (...) {
        return false;
    }
}

bool QVProjRefFileWrite(const char* pName, const PROJDATA* pProj, DatumType datum,
                        const DATUM2WGS84* pDatum) {
    return QVProjRefFileWriteEx(pName, pProj, datum, pDatum, nullptr);
}

bool QVProjRefFileReadEx(const char* pName, PROJDATA* pProj, DatumType* pDatum,
                         DATUM2WGS84* pDatumParams, GEOREF* pRef, unsigned int* pFlags) {
    DebugLog("QVProjRefFileReadEx(\"%s\")\n", pName ? pName : "(null)");
    if (pFlags) *pFlags = 0;
    if (pName == nullptr || pName[0] == '\0') return false;
    Records r{};
    r.proj.Type = PT_UNDEFINED;
    r.datum = DatNone;
    r.ref.Method = RefNone;
    r.haveProj = pProj != nullptr;
    r.haveDatum = pDatum != nullptr && pDatumParams != nullptr;
    r.haveRef = pRef != nullptr;
    bool ok = true;
    unsigned int flags = 0;
    try {
        const std::string path = RefFileName(pName);
        if (path.size() > kMaxPathLength) return false;
        std::uint64_t size = 0;
        if (FilePtr f = OpenSideFile(path, &size)) {
            LineReader lines(f.get(), kMaxLine);
            std::string line;
            double version = 0;
            if (!lines.Next(&line)) {
                ok = false;
            } else if (!ReadHeader(line, &version)) {
                QV_REPORT(QVERR_FILE_READ);
                ok = false;
            } else if (version <= kVersion) {
                flags = SF_FOUND;
                ok = ReadBody(lines, size, r);
            }
        }
    } catch (...) {
        QV_REPORT(QVERR_MEMORY);
        ok = false;
    }
    if (!ok) {
        RefFreeControls(&r.ref);
    } else if (r.ref.Method == RefNone || r.ref.Method == RefCoefficients) {
        RefFreeControls(&r.ref);
    } else if (r.ref.pSrcControls == nullptr) {
        r.ref.NumControls = 0; // a count without point lines
    }
    if (ok && (flags & SF_FOUND)) {
        if (pProj && r.proj.Type != PT_UNDEFINED) flags |= SF_PROJECTION;
        if (pDatum && r.datum != DatNone) flags |= SF_DATUM;
        if (pRef && r.ref.Method == RefCoefficients)
            flags |= SF_COEFFICIENTS;
        else if (pRef && r.ref.Method != RefNone && r.ref.NumControls >= 1)
            flags |= SF_CONTROLS;
    }
    if (pProj) *pProj = r.proj;
    if (pDatum) *pDatum = r.datum;
    if (pDatumParams) *pDatumParams = r.datumParams;
    if (pRef) *pRef = r.ref;
    if (pFlags) *pFlags = ok ? flags : 0;
    return ok;
}

bool QVProjRefFileRead(const char* pName, PROJDATA* pProj, DatumType* pDatum,
                       DATUM2WGS84* pDatumParams) {
    return QVProjRefFileReadEx(pName, pProj, pDatum, pDatumParams, nullptr, nullptr);
}

bool QVProjRefFileDelete(const char* pName) {
    DebugLog("QVProjRefFileDelete(\"%s\")\n", pName ? pName : "(null)");
    if (pName == nullptr || pName[0] == '\0') return false;
    try {
        const std::string path = RefFileName(pName);
        return path.size() <= kMaxPathLength && RemoveFileIgnoringCase(path);
    } catch (...) {
        return false;
    }
}

bool QVProjRefFilesDelete(const char* pName) {
    DebugLog("QVProjRefFilesDelete(\"%s\")\n", pName ? pName : "(null)");
    if (pName == nullptr || pName[0] == '\0') return false;
    QVProjRefFileDelete(pName);
    try {
        bool ok = true;
        for (const std::string& name : {RsfFileName(pName), WithoutExtension(pName) + ".WLD",
                                        std::string(pName) + "W", WorldFileReadNames(pName)[0]})
            ok = RemoveFileIgnoringCase(name) && ok;
        return ok;
    } catch (...) {
        return false;
    }
}

} // namespace QVProj
