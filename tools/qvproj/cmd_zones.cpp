// qvproj zones: the state plane zones of 1927 and 1983, and the expanded
// parameters of one zone.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli.h"
#include "names.h"
#include "projopts.h"
#include "projstring.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

constexpr int kZones = 142;
constexpr int kYears[2] = {1927, 1983};

struct Options {
    std::string zone;
    int index = -1; // -1: none
    int year = 0;
    bool json = false;
};

// The zone expanded for a year (ProjType 9 for 1927, 10 for 1983); false when
// the zone does not exist that year.
bool ExpandZone(StateZoneType zone, int year, PROJDATA& d) {
    d = PROJDATA{};
    d.Type = year == 1927 ? PT_STATEPLANE27 : PT_STATEPLANE83;
    d.Zone = zone;
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

void List(const Options& g) {
    if (g.json)
        std::cout << "[";
    else if (g.year != 0)
        std::printf("index code  name                                     %d\n", g.year);
    else
        std::printf("index code  name                                     1927  1983\n");
    bool first = true;
    for (int z = 0; z < kZones; ++z) {
        char name[128];
        int code = 0;
        ProjGetStateZoneInfo(static_cast<StateZoneType>(z), name, &code);
        const char* kind[2] = {"-", "-"};
        bool any = false;
        for (int i = 0; i < 2; ++i) {
            PROJDATA d;
            if ((g.year == 0 || g.year == kYears[i]) &&
                ExpandZone(static_cast<StateZoneType>(z), kYears[i], d)) {
                kind[i] = Short(d.Type);
                any = true;
            }
        }
        // The Great Lakes survey zones (USGS code 0) are listed even where no
        // definition of theirs is published: "n/a", not left out.
        const bool unpublished = !any && code == 0;
        if (!any && !unpublished) continue;
        if (unpublished) kind[0] = kind[1] = "n/a";
        if (g.json) {
            std::string years, proj;
            for (int i = 0; i < 2; ++i) {
                if (kind[i][0] == '-' || unpublished) continue;
                years += (years.empty() ? "" : ", ") + std::to_string(kYears[i]);
                proj += (proj.empty() ? "" : ", ") + qvcli::JsonString(std::to_string(kYears[i])) +
                        ": " + qvcli::JsonString(kind[i]);
            }
            std::cout << (first ? "" : ",") << "\n  {\"index\": " << z << ", \"code\": " << code
                      << ", \"name\": " << qvcli::JsonString(name) << ", \"years\": [" << years
                      << "], \"projection\": {" << proj << "}"
                      << (unpublished ? ", \"definition\": \"not available\"" : "") << "}";
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

// The parameters of an expanded zone: those of its projection type (the
// library's list), without the ellipsoid and scale, then the false origin.
std::vector<int> ZoneParams(ProjType t) {
    std::vector<int> params;
    for (int i = 0; i < ProjNumParams(t); ++i) {
        const int p = ProjEnumParam(t, i);
        if (p != PP_ELLIPSOID && p != PP_SCALE && p != PP_XORG && p != PP_YORG) params.push_back(p);
    }
    params.push_back(PP_XORG);
    params.push_back(PP_YORG);
    return params;
}

std::string ParamText(const PROJDATA& d, int param, bool json) {
    ProjDataType type = PDT_NONE;
    ProjParamInfo(param, nullptr, &type, nullptr, nullptr);
    if (type == PDT_BOOL) {
        bool b = false;
        ProjGetParam(&d, param, &b);
        return b ? "true" : "false";
    }
    double v = 0;
    ProjGetParam(&d, param, &v);
    return json ? qvcli::JsonNumber(v) : qvcli::ShortNumber(v);
}

void Show(const Options& g, StateZoneType zone) {
    char name[128];
    int code = 0;
    ProjGetStateZoneInfo(zone, name, &code);
    if (g.json) {
        std::cout << "{\"index\": " << zone << ", \"code\": " << code
                  << ", \"name\": " << qvcli::JsonString(name) << ", \"years\": {";
    } else {
        std::printf("index %d  code %04d  %s\n", static_cast<int>(zone), code, name);
    }
    bool first = true;
    for (int year : kYears) {
        PROJDATA d;
        if ((g.year != 0 && g.year != year) || !ExpandZone(zone, year, d)) continue;
        char pname[128], ename[128];
        ProjGetProjectionInfo(d.Type, pname);
        EllipsoidInfo(d.Ellipsoid, ename, nullptr, nullptr);
        PROJDATA record{};
        record.Type = year == 1927 ? PT_STATEPLANE27 : PT_STATEPLANE83;
        record.Zone = zone;
        std::string why;
        const std::string proj = qvcli::DescribeProjString(record, why);
        if (g.json) {
            std::cout << (first ? "" : ", ") << "\"" << year << "\": {\"type\": " << d.Type
                      << ", \"projection\": " << qvcli::JsonString(Short(d.Type))
                      << ", \"ellipsoid\": " << d.Ellipsoid;
            for (int p : ZoneParams(d.Type)) {
                std::string key = qvcli::ParamOptionName(p);
                for (char& c : key)
                    if (c == '-') c = '_';
                std::cout << ", \"" << key << "\": " << ParamText(d, p, true);
            }
            std::cout << ", \"proj\": " << (proj.empty() ? "null" : qvcli::JsonString(proj)) << "}";
        } else {
            std::printf("%d  %s (type %d, %s), ellipsoid %d %s\n", year, Short(d.Type), d.Type,
                        pname, d.Ellipsoid, ename);
            for (int p : ZoneParams(d.Type))
                std::printf("  %-15s %s\n", qvcli::ParamOptionName(p).c_str(),
                            ParamText(d, p, false).c_str());
            std::printf("  %-15s %s\n", "proj", proj.empty() ? why.c_str() : proj.c_str());
        }
        first = false;
    }
    if (g.json)
        std::cout << "}}\n";
    else if (first && code == 0)
        std::printf("definition not available: no published definition of this zone\n");
    else if (first)
        std::printf("no zone in %s\n", g.year ? std::to_string(g.year).c_str() : "either year");
}

void Run(const Options& g) {
    if (!g.zone.empty() && g.index >= 0)
        qvcli::Usage("give the zone by name or code, or by --zone-index, not both");
    if (g.index >= 0)
        Show(g, static_cast<StateZoneType>(g.index));
    else if (!g.zone.empty())
        Show(g, qvcli::ZoneFromText("zone", g.zone));
    else
        List(g);
}

qvcli::Registrar reg(25, [](CLI::App& app) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand(
        "zones", "List the state plane zones (index, USGS code, name, projection in 1927 and "
                 "1983), or the expanded parameters and PROJ string of one zone");
    cmd->add_option("zone", o->zone, "Zone name or USGS code (0101): show its parameters");
    qvcli::AddIntOption(cmd, "--zone-index", o->index, SZ_FIRST, SZ_LAST,
                        "Show the zone of this library index (0 to 141)");
    cmd->add_option_function<std::string>(
           "--year",
           [o](const std::string& v) {
               if (v != "1927" && v != "1983")
                   throw CLI::ValidationError("--year",
                                              "want 1927 or 1983, not " + qvcli::Quote(v));
               o->year = std::stoi(v);
           },
           "Only the zones of 1927 or of 1983")
        ->type_name("YEAR");
    cmd->add_flag("--json", o->json, "Write JSON");
    cmd->callback([o] { Run(*o); });
});

} // namespace
