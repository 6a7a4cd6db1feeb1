// Named custom datums kept in the "Custom Datums" section of a profile file.
#include "frame/flagbyte.h"
#include "datum/customdatum.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "datum/profile.h"
#include "frame/report.h"
#include "frame/text.h"

namespace QVProj {
namespace {

constexpr const char* kSection = "Custom Datums";
constexpr int kFirstCustom = DatNone; // custom datums are numbered from 237
static_assert(kProfileSectionBufSize == NDAT_SECTION_BUFSIZE, "one section buffer size");

// Fixed-point text with `decimals` decimals, independent of the C locale.
void AppendFixed(std::string& out, double v, int decimals) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (res.ec == std::errc())
        out.append(buf, res.ptr);
    else
        out += "0";
    out += ',';
}

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// Cuts the next comma-separated field; false at the end of the value.
bool NextField(const char*& p, std::string* pField) {
    p = SkipBlanks(p);
    if (*p == '\0') return false;
    const char* comma = std::strchr(p, ',');
    std::size_t n = comma ? static_cast<std::size_t>(comma - p) : std::strlen(p);
    pField->assign(p, n);
    p += n;
    if (*p == ',') ++p;
    return true;
}

bool ParseNumber(const std::string& field, double* pValue) {
    const char* b = field.c_str();
    const char* e = b + field.size();
    while (e > b && (e[-1] == ' ' || e[-1] == '\t')) --e;
    if (b < e && *b == '+') ++b;
    double v = 0;
    auto res = std::from_chars(b, e, v);
    if (res.ec != std::errc() || res.ptr != e) return false;
    *pValue = v;
    return true;
}

// The entries of the section, or false when the profile cannot be read.
bool LoadEntries(const char* pProfile, ProfileSection* pSection) {
    if (!ReadProfileSection(pProfile, kSection, pSection)) return false;
    // A section text shorter than 3 characters counts as empty.
    std::size_t len = 0;
    for (const std::string& e : pSection->entries) len += e.size() + 1;
    if (len < 3) pSection->entries.clear();
    return true;
}

// The key of an entry: the text before its first "=".
std::string EntryKey(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

// Position of the entry for an escaped key, or -1.
int FindEntry(const ProfileSection& s, const std::string& key) {
    const std::string prefix = key + "=";
    for (std::size_t i = 0; i < s.entries.size(); ++i) {
        const std::string& e = s.entries[i];
        if (e.size() >= prefix.size() &&
            EqualsIgnoreCase(e.substr(0, prefix.size()).c_str(), prefix.c_str()))
            return static_cast<int>(i);
    }
    return -1;
}

// The value of a custom datum's entry.
bool FindValue(const char* pProfile, const char* pName, std::string* pValue) {
    ProfileSection s;
    if (pProfile == nullptr || pName == nullptr || !LoadEntries(pProfile, &s)) return false;
    const std::string key = EscapeDatumKey(pName);
    int i = FindEntry(s, key);
    if (i < 0) return false;
    *pValue = s.entries[static_cast<std::size_t>(i)].substr(key.size() + 1);
    return true;
}

bool IsBuiltInName(const char* pName, DatumType* pDatum) {
    DatumType d = DatUserDefined;
    if (!DatGetDatumFromName(&d, pName)) return false;
    if (pDatum) *pDatum = d;
    return true;
}

} // namespace

std::string EscapeDatumKey(const char* pName) {
    std::string out;
    if (pName == nullptr) return out;
    for (const char* p = pName; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const unsigned char lower = static_cast<unsigned char>(LowerAscii(*p));
        if (c == ',' || c == '=' || c == '%' || c == '\\' || lower < 32 || lower >= 123) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "%%%03u", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += *p;
        }
    }
    return out;
}

std::string UnescapeDatumKey(const std::string& key) {
    std::string out;
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == '%' && key.size() - i >= 4 && digit(key[i + 1]) && digit(key[i + 2]) &&
            digit(key[i + 3])) {
            int v = (key[i + 1] - '0') * 100 + (key[i + 2] - '0') * 10 + (key[i + 3] - '0');
            if (v > 0 && v < 256) { // a NUL or a value beyond a byte stays as written
                out += static_cast<char>(v);
                i += 3;
                continue;
            }
        }
        out += key[i];
    }
    return out;
}

bool FormatDatumValue(const DATUM2WGS84& p, std::string* pValue) {
    const char* keyword = DatMethodKeyword(p.Method);
    if (keyword[0] == '\0') return false;
    std::string v = std::string(keyword) + ",";
    if (p.Method == DatMethodNone) {
        *pValue = v;
        return true;
    }
    v += FlagByte(p.bInverse) != 0 ? "1," : "0,";
    double radius = p.MajorRadius, flattening = p.Flattening;
    if (p.Ellipsoid == ET_USER_DEFINED) {
        v += "user-defined,";
    } else {
        char name[64];
        if (!EllipsoidInfo(p.Ellipsoid, name, nullptr, nullptr)) return false;
        v += EscapeDatumKey(name) + ",";
        radius = EllipsoidRadius(p.Ellipsoid);
        flattening = EllipsoidFlattening(p.Ellipsoid);
    }
    if (p.Method == DatMethodBursaWolf || p.Method == DatMethodMolodensky) {
        AppendFixed(v, radius, 10);
        AppendFixed(v, flattening, 10);
        AppendFixed(v, p.PrimeMeridian, 6);
        AppendFixed(v, p.dX, 10);
        AppendFixed(v, p.dY, 10);
        AppendFixed(v, p.dZ, 10);
    }
    if (p.Method == DatMethodBursaWolf) {
        AppendFixed(v, p.rX, 10);
        AppendFixed(v, p.rY, 10);
        AppendFixed(v, p.rZ, 10);
        AppendFixed(v, p.Scale, 10);
    }
    *pValue = v;
    return true;
}

bool ParseDatumValue(const char* pValue, DATUM2WGS84* pParams) {
    if (pValue == nullptr || pParams == nullptr) return false;
    DATUM2WGS84 r;
    std::memcpy(&r, pParams, sizeof r);
    const char* p = pValue;
    std::string field;
    if (!NextField(p, &field)) return false;
    // Only the methods that serve custom datums can be read back.
    int m = DatMethodNone;
    while (m <= DatMethodMRE &&
           !(DatMethodReversible(static_cast<DatumMethod>(m)) &&
             EqualsIgnoreCase(field.c_str(), DatMethodKeyword(static_cast<DatumMethod>(m)))))
        ++m;
    if (m > DatMethodMRE) return false;
    if (m == DatMethodNone) {
        pParams->Method = DatMethodNone;
        return true;
    }
    r.Method = static_cast<DatumMethod>(m);
    if (!NextField(p, &field) || (field[0] != '0' && field[0] != '1')) return false;
    r.bInverse = field[0] == '1';
    if (!NextField(p, &field)) return false;
    const std::string ell = UnescapeDatumKey(field);
    EllipsoidType e = ET_USER_DEFINED;
    if (!EqualsIgnoreCase(ell.c_str(), "user-defined") && !EllipsoidFromName(&e, ell.c_str()))
        return false;
    r.Ellipsoid = e;
    // Radius, flattening, prime meridian, dX, dY, dZ, then rX, rY, rZ, scale.
    double v[10] = {};
    const int count = r.Method == DatMethodBursaWolf ? 10 : 6;
    for (int i = 0; i < count; ++i)
        if (!NextField(p, &field) || !ParseNumber(field, &v[i])) return false;
    r.MajorRadius = v[0];
    r.Flattening = v[1];
    r.PrimeMeridian = v[2];
    r.dX = v[3];
    r.dY = v[4];
    r.dZ = v[5];
    if (count == 10) {
        r.rX = v[6];
        r.rY = v[7];
        r.rZ = v[8];
        r.Scale = v[9];
    }
    if (e != ET_USER_DEFINED) {
        r.MajorRadius = EllipsoidRadius(e);
        r.Flattening = EllipsoidFlattening(e);
    }
    std::memcpy(pParams, &r, sizeof r);
    return true;
}

int NDatNumDatums(const char* pProfile) {
    ProfileSection s;
    if (pProfile == nullptr || !LoadEntries(pProfile, &s)) return kFirstCustom;
    return kFirstCustom + static_cast<int>(s.entries.size());
}

bool NDatEnumDatumName(const char* pProfile, char* pName, int index) {
    if (pName == nullptr || index < 0) return false;
    if (index < kFirstCustom) {
        DatGetDatumName(static_cast<DatumType>(index), pName);
        return true;
    }
    ProfileSection s;
    if (pProfile == nullptr || !LoadEntries(pProfile, &s)) return false;
    const std::size_t i = static_cast<std::size_t>(index - kFirstCustom);
    if (i >= s.entries.size()) return false;
    CopyText(pName, NDAT_NAME_BUFSIZE, UnescapeDatumKey(EntryKey(s.entries[i])).c_str());
    return true;
}

bool NDatIsBuiltIn(const char*, const char* pName, DatumType* pDatum) {
    return pName != nullptr && IsBuiltInName(pName, pDatum);
}

bool NDatExists(const char* pProfile, const char* pName, int* pIndex) {
    if (pName == nullptr) return false;
    DatumType d = DatUserDefined;
    if (IsBuiltInName(pName, &d)) {
        if (pIndex) *pIndex = d;
        return true;
    }
    ProfileSection s;
    if (pProfile == nullptr || !LoadEntries(pProfile, &s)) return false;
    int i = FindEntry(s, EscapeDatumKey(pName));
    if (i < 0) return false;
    if (pIndex) *pIndex = kFirstCustom + i;
    return true;
}

bool NDatSave(const char* pProfile, const char* pName, const DATUM2WGS84* pParams) {
    DebugLog("NDatSave(%s, %s, %p)\n", pProfile ? pProfile : "NULL", pName ? pName : "NULL",
             static_cast<const void*>(pParams));
    if (pProfile == nullptr || pName == nullptr || pName[0] == '\0' || pParams == nullptr ||
        IsBuiltInName(pName, nullptr))
        return false;
    std::string value;
    if (!FormatDatumValue(*pParams, &value)) return false;
    ProfileSection s;
    // A section that did not fit the buffer would lose entries when written back.
    if (!LoadEntries(pProfile, &s) || s.truncated) return false;
    const std::string key = EscapeDatumKey(pName);
    int i = FindEntry(s, key);
    if (i >= 0) s.entries.erase(s.entries.begin() + i);
    s.entries.push_back(key + "=" + value);
    // A section that would not fit the reader's buffer could not be read back whole.
    std::size_t used = 1;
    for (const std::string& e : s.entries) used += e.size() + 1;
    if (used > static_cast<std::size_t>(NDAT_SECTION_BUFSIZE)) return false;
    return WriteProfileSection(pProfile, kSection, s.entries);
}

bool NDatDelete(const char* pProfile, const char* pName) {
    DebugLog("NDatDelete(%s, %s)\n", pProfile ? pProfile : "NULL", pName ? pName : "NULL");
    if (pProfile == nullptr || pName == nullptr || IsBuiltInName(pName, nullptr)) return false;
    ProfileSection s;
    if (!LoadEntries(pProfile, &s) || s.truncated) return false;
    int i = FindEntry(s, EscapeDatumKey(pName));
    if (i < 0) return false;
    s.entries.erase(s.entries.begin() + i);
    return WriteProfileSection(pProfile, kSection, s.entries);
}

bool NDatGetDatumParams(const char* pProfile, const char* pName, DATUM2WGS84* pParams) {
    if (pName == nullptr || pParams == nullptr) return false;
    DatumType d = DatUserDefined;
    if (IsBuiltInName(pName, &d)) return DatGetDatumParams(d, pParams);
    std::string value;
    return FindValue(pProfile, pName, &value) && ParseDatumValue(value.c_str(), pParams);
}

bool NDatGetDatumMethod(const char* pProfile, const char* pName, DatumMethod* pMethod) {
    if (pName == nullptr || pMethod == nullptr) return false;
    DatumType d = DatUserDefined;
    if (IsBuiltInName(pName, &d)) return DatGetDatumMethod(d, pMethod);
    std::string value;
    DATUM2WGS84 r{};
    if (!FindValue(pProfile, pName, &value) || !ParseDatumValue(value.c_str(), &r)) return false;
    *pMethod = r.Method;
    return true;
}

bool NDatReversible(const char* pProfile, const char* pName) {
    if (pName == nullptr) return false;
    DatumType d = DatUserDefined;
    if (IsBuiltInName(pName, &d)) return DatReversible(d);
    std::string value;
    DATUM2WGS84 r{};
    return FindValue(pProfile, pName, &value) && ParseDatumValue(value.c_str(), &r) &&
           DatMethodReversible(r.Method);
}

bool NDatSectionTruncated(const char* pProfile) {
    ProfileSection s;
    return pProfile != nullptr && LoadEntries(pProfile, &s) && s.truncated;
}

} // namespace QVProj
