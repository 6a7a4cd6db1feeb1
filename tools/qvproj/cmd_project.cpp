// qvproj fwd | inv: project points from longitude/latitude to map
// coordinates and back. The projection is built from options naming the
// record's parameters, or from the --utm and --zone shortcuts.
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "points.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

// Option values are kept as texts so that absent options stay absent and
// angles may be written as "85d50'W".
struct Options {
    std::string type, ellipsoid, utm, zone;
    std::string lat0, lon0, lat1, lat2, lat3, lon1, lon2, lon3, alpha;
    std::string k0, xOrg, yOrg, scale, radius, flattening;
    bool south = false, useAlpha = false, rotate = false, uOffset = false;
    bool sp27 = false, sp83 = false, strict = false;
    int precision = -1;
    std::vector<std::string> files;
};
Options g_fwd, g_inv;

bool EqualsName(const char* a, const std::string& b) {
    size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return a[i] == '\0' && i == b.size();
}

double Number(const std::string& name, const std::string& text) {
    double v = 0;
    if (!qvcli::ParseDouble(text, v))
        qvcli::Fail("invalid number for --" + name + ": '" + text + "'");
    return v;
}

double Angle(const std::string& name, const std::string& text) {
    double v = 0;
    if (qvcli::ParseDouble(text, v) || LatLonToDegrees(text.c_str(), &v, 'd')) return v;
    qvcli::Fail("invalid angle for --" + name + ": '" + text + "'");
}

ProjType TypeFrom(const std::string& text) {
    int n = 0;
    if (qvcli::ParseInt(text, n)) return static_cast<ProjType>(n);
    for (int t = 0; t < ProjNumProjections(); ++t) {
        char name[128];
        ProjGetProjectionInfo(static_cast<ProjType>(t), name);
        if (EqualsName(name, text)) return static_cast<ProjType>(t);
    }
    qvcli::Fail("unknown projection type '" + text + "' (see qvproj projections)");
}

EllipsoidType EllipsoidFrom(const std::string& text) {
    int n = 0;
    if (qvcli::ParseInt(text, n)) return static_cast<EllipsoidType>(n);
    EllipsoidType e = ET_USER_DEFINED;
    if (!EllipsoidFromName(&e, text.c_str()))
        qvcli::Fail("unknown ellipsoid '" + text + "' (see qvproj ellipsoids)");
    return e;
}

// Builds the record the options describe; the parameter check runs on it
// before any point is read.
PROJDATA Build(const Options& o) {
    PROJDATA d{};
    d.Type = PT_UNDEFINED;
    d.Scale = 1;
    d.Ellipsoid = ET_WGS_84;
    d.Zone = SZ_NONE;
    int given = !o.type.empty() + !o.utm.empty() + !o.zone.empty();
    if (given != 1) qvcli::Fail("give exactly one of --type, --utm and --zone");
    if (!o.type.empty()) d.Type = TypeFrom(o.type);
    if (!o.utm.empty()) {
        int zone = 0;
        bool south = false;
        if (!ProjUTMZoneNameToNumber(o.utm.c_str(), &zone, &south))
            qvcli::Fail("invalid UTM zone '" + o.utm + "' (such as 33N or 17S)");
        d.Type = PT_UTM;
        d.Lon0 = ProjUTMZoneNumberToLon(zone);
        d.bSouth = south;
    }
    if (!o.zone.empty()) {
        if (o.sp27 == o.sp83) qvcli::Fail("--zone needs one of --sp27 and --sp83");
        StateZoneType zone = SZ_NONE;
        int n = 0;
        if (qvcli::ParseInt(o.zone, n))
            zone = static_cast<StateZoneType>(n);
        else if (!ProjGetStateZoneFromName(&zone, o.zone.c_str()))
            qvcli::Fail("unknown state plane zone '" + o.zone + "'");
        d.Type = o.sp27 ? PT_STATEPLANE27 : PT_STATEPLANE83;
        d.Zone = zone;
    }
    if (!o.ellipsoid.empty()) d.Ellipsoid = EllipsoidFrom(o.ellipsoid);
    if (!o.radius.empty() || !o.flattening.empty()) {
        if (!o.ellipsoid.empty() && d.Ellipsoid != ET_USER_DEFINED)
            qvcli::Fail("--radius and --flattening define a user ellipsoid: drop --ellipsoid");
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

void Run(const Options& o, bool forward) {
    PROJDATA d = Build(o);
    char text[512];
    if (ProjCheckParams(&d, text, false) != 0) qvcli::Fail(text);
    CProjector projector(&d);
    if (projector.Handle() == nullptr) qvcli::Fail("cannot create the projection");
    qvcli::PointStreamOptions options;
    bool degreesOut = !forward || d.Type == PT_LATLONG;
    options.precision = o.precision >= 0 ? o.precision : (degreesOut ? 6 : 2);
    options.strict = o.strict;
    options.acceptAngles = forward;
    qvcli::StreamPoints(
        o.files, options,
        [&](PROJPOINT* pts, int n) {
            return forward ? projector.Forward(pts, n) : projector.Inverse(pts, n);
        },
        std::cout);
}

void AddOptions(CLI::App* cmd, Options& o) {
    cmd->add_option("files", o.files, "Input files (none or -: standard input)");
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
    cmd->add_option("--precision", o.precision,
                    "Decimals written (default 2 for metres, 6 for degrees)")
        ->check(CLI::Range(0, 17));
    cmd->add_flag("--strict", o.strict, "Stop at the first malformed line");
}

qvcli::Registrar reg(40, [](CLI::App& app) {
    auto* fwd = app.add_subcommand(
        "fwd", "Project \"lon lat\" points (degrees) to map coordinates; '*' marks unplottable");
    AddOptions(fwd, g_fwd);
    fwd->callback([] { Run(g_fwd, true); });
    auto* inv =
        app.add_subcommand("inv", "Map coordinates \"x y\" back to longitude/latitude (degrees)");
    AddOptions(inv, g_inv);
    inv->callback([] { Run(g_inv, false); });
});

} // namespace
