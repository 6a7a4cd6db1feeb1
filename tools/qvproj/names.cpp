#include "names.h"

#include "cli.h"
#include "projstring.h"

using namespace QVProj;

namespace qvcli {

ProjType TypeFromText(const std::string& text) {
    int n = 0;
    ProjType t = PT_UNDEFINED;
    if (ParseInt(text, n)) {
        if (n < 0 || n >= ProjNumProjections())
            Usage("--type " + text + " names no projection (qvproj projections lists them)");
        t = static_cast<ProjType>(n);
    } else if (!TypeFromProjName(text, t)) {
        for (int i = 0; i < ProjNumProjections() && t == PT_UNDEFINED; ++i) {
            char name[64];
            ProjGetProjectionInfo(static_cast<ProjType>(i), name);
            if (NameKey(name) == NameKey(text)) t = static_cast<ProjType>(i);
        }
        if (t == PT_UNDEFINED)
            Usage("unknown projection type " + Quote(text) + " (qvproj projections lists them)");
    }
    if (t == PT_STATEPLANE27 || t == PT_STATEPLANE83)
        Usage("a state plane zone is given by --zone NAME with --sp27 or --sp83");
    return t;
}

EllipsoidType EllipsoidFromText(const std::string& option, const std::string& text) {
    int n = 0;
    EllipsoidType e = ET_USER_DEFINED;
    if (ParseInt(text, n)) {
        if (EllipsoidInfo(static_cast<EllipsoidType>(n), nullptr, nullptr, nullptr))
            return static_cast<EllipsoidType>(n);
    } else if (EllipsoidFromProjName(text, e)) {
        return e;
    } else {
        for (int i = 1; EllipsoidInfo(static_cast<EllipsoidType>(i), nullptr, nullptr, nullptr);
             ++i) {
            char name[64];
            EllipsoidInfo(static_cast<EllipsoidType>(i), name, nullptr, nullptr);
            if (NameKey(name) == NameKey(text)) return static_cast<EllipsoidType>(i);
        }
    }
    Usage(option + ": unknown ellipsoid " + Quote(text) +
          " (qvproj ellipsoids lists the numbers, names and PROJ names)");
}

void ReadUtmZone(const std::string& option, const std::string& text, int& zone, bool& south) {
    std::string t = NameKey(text);
    if (t.rfind("zone", 0) == 0) t.erase(0, 4);
    south = !t.empty() && t.back() == 's';
    if (!t.empty() && (t.back() == 's' || t.back() == 'n')) t.pop_back();
    const bool digits = !t.empty() && t.size() <= 2 &&
                        t.find_first_not_of("0123456789") == std::string::npos &&
                        text.find_first_of("+-") == std::string::npos;
    if (!digits || !ParseInt(t, zone) || zone < 1 || zone > 60)
        Usage(option + ": " + Quote(text) + " is no UTM zone (1 to 60, with N or S: 33N)");
}

namespace {

constexpr int kZones = SZ_NONE;

// Spellings of the catalogue's misspelled zone names; the catalogue keeps
// its text, and both spellings find the zone.
struct Spelling {
    const char* catalogue;
    const char* correct;
};
constexpr Spelling kSpellings[] = {
    {"deleware", "delaware"},
    {"missippippi", "mississippi"},
};

std::string Corrected(std::string key) {
    for (const Spelling& s : kSpellings) {
        const size_t at = key.find(s.catalogue);
        if (at != std::string::npos) key.replace(at, std::string(s.catalogue).size(), s.correct);
    }
    return key;
}

} // namespace

StateZoneType ZoneFromText(const std::string& option, const std::string& text) {
    StateZoneType z = SZ_NONE;
    int code = 0;
    if (text.find_first_not_of("0123456789") == std::string::npos && text.size() <= 4 &&
        ParseInt(text, code)) {
        if (code == 0) Usage(option + ": the Great Lakes zones have no USGS code; give their name");
        if (!ProjGetStateZoneFromUSGSCode(&z, code))
            Usage(option + ": no state plane zone has the USGS code " + text +
                  " (qvproj zones lists them)");
        return z;
    }
    const std::string key = NameKey(text);
    for (int i = 0; i < kZones && !key.empty(); ++i) {
        char name[64];
        ProjGetStateZoneInfo(static_cast<StateZoneType>(i), name, nullptr);
        const std::string zoneKey = NameKey(name);
        if (key == zoneKey || key == Corrected(zoneKey)) return static_cast<StateZoneType>(i);
    }
    Usage(option + ": unknown state plane zone " + Quote(text) +
          " (a name or USGS code; qvproj zones lists them)");
}

} // namespace qvcli
