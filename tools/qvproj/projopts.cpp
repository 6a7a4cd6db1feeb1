// Projection options shared by the subcommands that build a projection.
#include "projopts.h"

#include <cctype>

#include "cli.h"

using namespace QVProj;

namespace qvcli {
namespace {

double Number(const std::string& name, const std::string& text) {
    double v = 0;
    if (!ParseDouble(text, v)) Fail("invalid number for --" + name + ": '" + text + "'");
    return v;
}

double Angle(const std::string& name, const std::string& text) {
    double v = 0;
    if (ParseDouble(text, v) || LatLonToDegrees(text.c_str(), &v, 'd')) return v;
    Fail("invalid angle for --" + name + ": '" + text + "'");
}

ProjType TypeFrom(const std::string& text) {
    int n = 0;
    if (ParseInt(text, n)) return static_cast<ProjType>(n);
    for (int t = 0; t < ProjNumProjections(); ++t) {
        char name[128];
        ProjGetProjectionInfo(static_cast<ProjType>(t), name);
        if (SameName(name, text)) return static_cast<ProjType>(t);
    }
    Fail("unknown projection type '" + text + "' (see qvproj projections)");
}

EllipsoidType EllipsoidFrom(const std::string& text) {
    int n = 0;
    if (ParseInt(text, n)) return static_cast<EllipsoidType>(n);
    EllipsoidType e = ET_USER_DEFINED;
    if (!EllipsoidFromName(&e, text.c_str()))
        Fail("unknown ellipsoid '" + text + "' (see qvproj ellipsoids)");
    return e;
}

// Builds the record the options describe; the parameter check runs on it
// before any point is read.
PROJDATA Build(const ProjectionOptions& o) {
    PROJDATA d{};
    d.Type = PT_UNDEFINED;
    d.Scale = 1;
    d.Ellipsoid = ET_WGS_84;
    d.Zone = SZ_NONE;
    int given = !o.type.empty() + !o.utm.empty() + !o.zone.empty();
    if (given != 1) Fail("give exactly one of --type, --utm and --zone");
    if (!o.type.empty()) d.Type = TypeFrom(o.type);
    if (!o.utm.empty()) {
        int zone = 0;
        bool south = false;
        if (!ProjUTMZoneNameToNumber(o.utm.c_str(), &zone, &south))
            Fail("invalid UTM zone '" + o.utm + "' (such as 33N or 17S)");
        d.Type = PT_UTM;
        d.Lon0 = ProjUTMZoneNumberToLon(zone);
        d.bSouth = south;
    }
    if (!o.zone.empty()) {
        if (o.sp27 == o.sp83) Fail("--zone needs one of --sp27 and --sp83");
        StateZoneType zone = SZ_NONE;
        int n = 0;
        if (ParseInt(o.zone, n))
            zone = static_cast<StateZoneType>(n);
        else if (!ProjGetStateZoneFromName(&zone, o.zone.c_str()))
            Fail("unknown state plane zone '" + o.zone + "'");
        d.Type = o.sp27 ? PT_STATEPLANE27 : PT_STATEPLANE83;
        d.Zone = zone;
    }
    if (!o.ellipsoid.empty()) d.Ellipsoid = EllipsoidFrom(o.ellipsoid);
    if (!o.radius.empty() || !o.flattening.empty()) {
        if (!o.ellipsoid.empty() && d.Ellipsoid != ET_USER_DEFINED)
            Fail("--radius and --flattening define a user ellipsoid: drop --ellipsoid");
        d.Ellipsoid = ET_USER_DEFINED;
        d.MajorRadius = o.radius.empty() ? 0.0 : Number("radius", o.radius);
        d.Flattening = o.flattening.empty() ? 0.0 : Number("flattening", o.flattening);
    }
    // Number fields by their parameter numbers; the record is packed, so
    // values go in through ProjSetParam.
    struct {
        const char* name;
        const std::string& text;
        int param;
        bool angle;
    } fields[] = {
        {"lat0", o.lat0, 5, true},           {"lon0", o.lon0, 6, true},
        {"lat1", o.lat1, 7, true},           {"lat2", o.lat2, 8, true},
        {"lat3", o.lat3, 9, true},           {"lon1", o.lon1, 10, true},
        {"lon2", o.lon2, 11, true},          {"lon3", o.lon3, 12, true},
        {"alpha", o.alpha, 17, true},        {"k0", o.k0, 13, false},
        {"false-easting", o.xOrg, 3, false}, {"false-northing", o.yOrg, 4, false},
        {"scale", o.scale, 2, false},
    };
    for (auto& f : fields) {
        if (f.text.empty()) continue;
        double v = f.angle ? Angle(f.name, f.text) : Number(f.name, f.text);
        ProjSetParam(&d, f.param, &v);
    }
    if (o.south) d.bSouth = true;
    d.bUseAlpha = o.useAlpha;
    d.bRotate = o.rotate;
    d.bUOffset = o.uOffset;
    return d;
}

} // namespace

void AddProjectionOptions(CLI::App* cmd, ProjectionOptions& o) {
    cmd->add_option("--type", o.type, "Projection type: number or name (qvproj projections)");
    cmd->add_option("--utm", o.utm, "UTM zone such as 33N or 17S (type 4, WGS 84 by default)");
    cmd->add_option("--zone", o.zone, "State plane zone: name (\"Alabama East\") or number");
    cmd->add_flag("--sp27", o.sp27, "State plane zone of 1927");
    cmd->add_flag("--sp83", o.sp83, "State plane zone of 1983");
    cmd->add_option("--ellipsoid", o.ellipsoid, "Ellipsoid: number or name (default WGS 84)");
    cmd->add_option("--radius", o.radius, "Semi-major axis of a user ellipsoid");
    cmd->add_option("--flattening", o.flattening, "Flattening of a user ellipsoid (0: sphere)");
    cmd->add_option("--lat0", o.lat0, "Central latitude (degrees or 30d30'N)");
    cmd->add_option("--lon0", o.lon0, "Central longitude");
    cmd->add_option("--lat1", o.lat1, "Standard parallel");
    cmd->add_option("--lat2", o.lat2, "2nd standard parallel");
    cmd->add_option("--lat3", o.lat3, "3rd standard parallel");
    cmd->add_option("--lon1", o.lon1, "1st meridian");
    cmd->add_option("--lon2", o.lon2, "2nd meridian");
    cmd->add_option("--lon3", o.lon3, "3rd meridian");
    cmd->add_option("--alpha", o.alpha, "Azimuth of the central line");
    cmd->add_option("--k0", o.k0, "Central scale factor");
    cmd->add_option("--false-easting", o.xOrg, "False easting");
    cmd->add_option("--false-northing", o.yOrg, "False northing");
    cmd->add_option("--scale", o.scale, "Scale applied after the false origin");
    cmd->add_flag("--south", o.south, "Southern hemisphere (UTM)");
    cmd->add_flag("--use-alpha", o.useAlpha, "Central line by azimuth (Hotine)");
    cmd->add_flag("--rotate", o.rotate, "Rotate u/v to x/y (Hotine)");
    cmd->add_flag("--u-offset", o.uOffset, "Offset by u (Hotine)");
}

PROJDATA BuildProjection(const ProjectionOptions& o) {
    PROJDATA d = Build(o);
    char text[512];
    if (ProjCheckParams(&d, text, false) != 0) Fail(text);
    return d;
}

} // namespace qvcli
