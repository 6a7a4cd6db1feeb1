// qvproj utm: UTM zone from a longitude, central meridian and names of a zone.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli.h"
#include "names.h"
#include "projopts.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct Options {
    std::string lon;
    std::string zone;
    bool south = false;
    bool json = false;
};

void Run(const Options& o) {
    int zone = 0;
    bool south = o.south;
    if (!o.lon.empty() && !o.zone.empty()) qvcli::Usage("give either --lon or a zone, not both");
    if (!o.lon.empty()) {
        zone =
            ProjUTMLonToZoneNumber(qvcli::ReadValue("--lon", o.lon, qvcli::ValueKind::kLongitude));
    } else if (!o.zone.empty()) {
        bool nameSouth = false;
        qvcli::ReadUtmZone("zone", o.zone, zone, nameSouth);
        if (o.south && qvcli::NameKey(o.zone).back() == 'n')
            qvcli::Usage("--south contradicts the zone " + qvcli::Quote(o.zone));
        south = south || nameSouth;
    } else {
        qvcli::Usage("give a zone number or name, or --lon LONGITUDE");
    }
    char names[3][64];
    for (int f = 0; f < 3; ++f)
        ProjUTMZoneNumberToName(zone, south, names[f], sizeof names[f],
                                static_cast<UTMZoneNameFormat>(f));
    double cm = ProjUTMZoneNumberToLon(zone);
    if (o.json) {
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
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand(
        "utm", "UTM zone of a longitude, or central meridian and names of a zone number or name");
    cmd->add_option("zone", o->zone, "Zone 1 to 60, with N or S (\"33\", \"17S\", \"Zone 17S\")");
    cmd->add_option("--lon", o->lon, "Longitude in degrees: print the zone that holds it");
    cmd->add_flag("--south", o->south, "Southern hemisphere");
    cmd->add_flag("--json", o->json, "Write JSON");
    cmd->callback([o] { Run(*o); });
});

} // namespace
