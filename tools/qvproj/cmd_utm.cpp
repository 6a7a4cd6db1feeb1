// qvproj utm: UTM zone from a longitude, central meridian and names of a zone.
#include <cstdio>
#include <iostream>

#include "cli.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct {
    std::string lon;
    std::string zone;
    bool south = false;
    bool json = false;
} g;

void Run() {
    int zone = 0;
    bool south = g.south;
    if (!g.lon.empty() && !g.zone.empty()) qvcli::Fail("give either --lon or a zone, not both");
    if (!g.lon.empty()) {
        double lon = 0;
        if (!qvcli::ParseDouble(g.lon, lon) || !(lon >= -360.0 && lon <= 360.0))
            qvcli::Fail("invalid longitude '" + g.lon + "' (degrees, -360 to 360)");
        zone = ProjUTMLonToZoneNumber(lon);
    } else if (!g.zone.empty()) {
        bool nameSouth = false;
        if (!ProjUTMZoneNameToNumber(g.zone.c_str(), &zone, &nameSouth))
            qvcli::Fail("invalid zone '" + g.zone +
                        "' (a number such as 33 or a name such as "
                        "\"Zone 33S\")");
        south = south || nameSouth;
    } else {
        qvcli::Fail("give a zone number or name, or --lon LONGITUDE");
    }
    char names[3][64];
    for (int f = 0; f < 3; ++f)
        ProjUTMZoneNumberToName(zone, south, names[f], sizeof names[f],
                                static_cast<UTMZoneNameFormat>(f));
    double cm = ProjUTMZoneNumberToLon(zone);
    if (g.json) {
        std::cout << "{\"zone\": " << zone << ", \"south\": " << (south ? "true" : "false")
                  << ", \"central_meridian\": " << qvcli::JsonNumber(cm)
                  << ", \"name\": " << qvcli::JsonString(names[0])
                  << ", \"letter_range\": " << qvcli::JsonString(names[1])
                  << ", \"signed_range\": " << qvcli::JsonString(names[2]) << "}\n";
    } else {
        std::printf("zone             %d%s\ncentral meridian %g\nname             %s\n"
                    "letter range     %s\nsigned range     %s\n",
                    zone, south ? " south" : "", cm, names[0], names[1], names[2]);
    }
}

qvcli::Registrar reg(20, [](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "utm", "UTM zone of a longitude, or central meridian and names of a zone number or name");
    cmd->add_option("zone", g.zone, "Zone number or name (\"33\", \"Zone 17S\", \"-5\")");
    cmd->add_option("--lon", g.lon, "Longitude in degrees: print the zone that holds it");
    cmd->add_flag("--south", g.south, "Southern hemisphere");
    cmd->add_flag("--json", g.json, "Write JSON");
    cmd->callback(Run);
});

} // namespace
