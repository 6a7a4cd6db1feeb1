// qvproj zones: the state plane zones of 1927 and 1983, and the expanded
// parameters of one zone.
#include <cstdio>
#include <iostream>
#include <string>

#include "cli.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

constexpr int kZones = 142;
constexpr int kYears[2] = {1927, 1983};

struct {
    std::string zone;
    int year = 0;
    bool json = false;
} g;

// The zone expanded for a year (ProjType 9 for 1927, 10 for 1983); false when
// the zone does not exist that year.
bool ExpandZone(int zone, int year, PROJDATA& d) {
    d = PROJDATA{};
    d.Type = year == 1927 ? PT_STATEPLANE27 : PT_STATEPLANE83;
    d.Zone = static_cast<StateZoneType>(zone);
    ProjGetStateZoneParams(&d);
    return d.Zone != SZ_NONE;
}

const char* Short(ProjType t) {
    switch (t) {
    case PT_UTM:
        return "TM";
    case PT_LAMBERT:
        return "LCC";
    case PT_POLYCONIC:
        return "Poly";
    case PT_HOTINE:
        return "HOM";
    default:
        return "?";
    }
}

int FindZone(const std::string& text) {
    int n = -1;
    if (qvcli::ParseInt(text, n)) {
        if (n < 0 || n >= kZones) qvcli::Fail("zone number " + text + " out of range (0 to 141)");
        return n;
    }
    StateZoneType z = SZ_NONE;
    if (!ProjGetStateZoneFromName(&z, text.c_str()))
        qvcli::Fail("unknown zone '" + text + "' (a number 0 to 141 or a name; see qvproj zones)");
    return z;
}

void List() {
    if (g.json)
        std::cout << "[";
    else if (g.year != 0)
        std::printf("zone  code  name                                     %d\n", g.year);
    else
        std::printf("zone  code  name                                     1927  1983\n");
    bool first = true;
    for (int z = 0; z < kZones; ++z) {
        char name[128];
        int code = 0;
        ProjGetStateZoneInfo(static_cast<StateZoneType>(z), name, &code);
        const char* kind[2] = {"-", "-"};
        bool any = false;
        for (int i = 0; i < 2; ++i) {
            PROJDATA d;
            if ((g.year == 0 || g.year == kYears[i]) && ExpandZone(z, kYears[i], d)) {
                kind[i] = Short(d.Type);
                any = true;
            }
        }
        if (!any) continue;
        if (g.json) {
            std::string years, proj;
            for (int i = 0; i < 2; ++i) {
                if (kind[i][0] == '-') continue;
                years += (years.empty() ? "" : ", ") + std::to_string(kYears[i]);
                proj += (proj.empty() ? "" : ", ") + qvcli::JsonString(std::to_string(kYears[i])) +
                        ": " + qvcli::JsonString(kind[i]);
            }
            std::cout << (first ? "" : ",") << "\n  {\"zone\": " << z << ", \"code\": " << code
                      << ", \"name\": " << qvcli::JsonString(name) << ", \"years\": [" << years
                      << "], \"projection\": {" << proj << "}}";
        } else {
            if (g.year != 0)
                std::printf("%4d  %4d  %-40s %s\n", z, code, name, kind[g.year == 1983]);
            else
                std::printf("%4d  %4d  %-40s %-5s %s\n", z, code, name, kind[0], kind[1]);
        }
        first = false;
    }
    if (g.json) std::cout << "\n]\n";
}

struct Field {
    const char* key;
    double value;
};

void Show(int zone) {
    char name[128];
    int code = 0;
    ProjGetStateZoneInfo(static_cast<StateZoneType>(zone), name, &code);
    if (g.json) {
        std::cout << "{\"zone\": " << zone << ", \"code\": " << code
                  << ", \"name\": " << qvcli::JsonString(name) << ", \"years\": {";
    } else {
        std::printf("zone %d  code %d  %s\n", zone, code, name);
    }
    bool first = true;
    for (int year : kYears) {
        PROJDATA d;
        if ((g.year != 0 && g.year != year) || !ExpandZone(zone, year, d)) continue;
        char pname[128], ename[128];
        ProjGetProjectionInfo(d.Type, pname);
        EllipsoidInfo(d.Ellipsoid, ename, nullptr, nullptr);
        Field f[8];
        int n = 0;
        auto add = [&](const char* key, double value) { f[n++] = {key, value}; };
        switch (d.Type) {
        case PT_UTM:
            add("lon0", d.Lon0);
            add("lat0", d.Lat0);
            add("k0", d.K0);
            break;
        case PT_LAMBERT:
            add("lon0", d.Lon0);
            add("lat0", d.Lat0);
            add("lat1", d.Lat1);
            add("lat2", d.Lat2);
            break;
        case PT_POLYCONIC:
            add("lon0", d.Lon0);
            add("lat0", d.Lat0);
            break;
        default: // Hotine, by azimuth or by a point of the central line
            if (d.bUseAlpha)
                add("alpha", d.Alpha);
            else
                add("lat1", d.Lat1);
            add("lon1", d.Lon1);
            add("lat0", d.Lat0);
            add("k0", d.K0);
            break;
        }
        add("false_easting", d.xOrg);
        add("false_northing", d.yOrg);
        if (g.json) {
            std::cout << (first ? "" : ", ") << "\"" << year << "\": {\"type\": " << d.Type
                      << ", \"projection\": " << qvcli::JsonString(Short(d.Type))
                      << ", \"ellipsoid\": " << d.Ellipsoid;
            for (int i = 0; i < n; ++i)
                std::cout << ", \"" << f[i].key << "\": " << qvcli::JsonNumber(f[i].value);
            std::cout << "}";
        } else {
            std::printf("%d  %s (type %d, %s), ellipsoid %d %s\n", year, Short(d.Type), d.Type,
                        pname, d.Ellipsoid, ename);
            for (int i = 0; i < n; ++i) std::printf("  %-15s %.10g\n", f[i].key, f[i].value);
        }
        first = false;
    }
    if (g.json)
        std::cout << "}}\n";
    else if (first)
        std::printf("no zone in %s\n", g.year ? std::to_string(g.year).c_str() : "either year");
}

void Run() {
    if (g.year != 0 && g.year != 1927 && g.year != 1983)
        qvcli::Fail("invalid year " + std::to_string(g.year) + " (1927 or 1983)");
    if (g.zone.empty())
        List();
    else
        Show(FindZone(g.zone));
}

qvcli::Registrar reg(25, [](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "zones", "List the state plane zones (number, USGS code, name, projection in 1927 and "
                 "1983), or the expanded parameters of one zone");
    cmd->add_option("zone", g.zone, "Zone number (0 to 141) or name: show its parameters");
    cmd->add_option("--year", g.year, "Only the zones of 1927 or of 1983");
    cmd->add_flag("--json", g.json, "Write JSON");
    cmd->callback(Run);
});

} // namespace
