// Projection options shared by the subcommands that build a projection.
#include "projopts.h"

#include <iostream>
#include <set>

#include "cli.h"
#include "names.h"
#include "projstring.h"

using namespace QVProj;

namespace qvcli {
namespace {

// The option of each record parameter; help texts are the library's
// parameter names. The type is --type and the zone --zone.
struct ParamOption {
    int param;
    const char* name;
    ValueKind kind;
};
constexpr ParamOption kParamOptions[] = {
    {PP_SCALE, "scale", ValueKind::kPositive},
    {PP_XORG, "false-easting", ValueKind::kNumber},
    {PP_YORG, "false-northing", ValueKind::kNumber},
    {PP_LAT0, "lat0", ValueKind::kLatitude},
    {PP_LON0, "lon0", ValueKind::kLongitude},
    {PP_LAT1, "lat1", ValueKind::kLatitude},
    {PP_LAT2, "lat2", ValueKind::kLatitude},
    {PP_LAT3, "lat3", ValueKind::kLatitude},
    {PP_LON1, "lon1", ValueKind::kLongitude},
    {PP_LON2, "lon2", ValueKind::kLongitude},
    {PP_LON3, "lon3", ValueKind::kLongitude},
    {PP_K0, "k0", ValueKind::kPositive},
    {PP_SOUTH, "south", ValueKind::kFlag},
    {PP_USEALPHA, "use-alpha", ValueKind::kFlag},
    {PP_ALPHA, "alpha", ValueKind::kAzimuth},
    {PP_ROTATE, "rotate", ValueKind::kFlag},
    {PP_UOFFSET, "u-offset", ValueKind::kFlag},
    {PP_ELLIPSOID, "ellipsoid", ValueKind::kEllipsoid},
    {PP_MAJORRADIUS, "radius", ValueKind::kPositive},
    {PP_FLATTENING, "flattening", ValueKind::kNumber},
};

const ParamOption* FindParamOption(int param) {
    for (const ParamOption& p : kParamOptions)
        if (p.param == param) return &p;
    return nullptr;
}

std::string OptionName(int param) {
    return "--" + ParamOptionName(param);
}

std::string TypeName(ProjType t) {
    char name[64] = "";
    ProjGetProjectionInfo(t, name);
    return name;
}

// The parameters a projection type takes from options; the radius and
// flattening of an ellipsoid of one's own go with the ellipsoid.
std::set<int> ParamsOf(ProjType t) {
    std::set<int> params;
    for (int i = 0; i < ProjNumParams(t); ++i) params.insert(ProjEnumParam(t, i));
    if (params.count(PP_ELLIPSOID)) params.insert({PP_MAJORRADIUS, PP_FLATTENING});
    return params;
}

std::string OptionList(const std::set<int>& params) {
    std::string list;
    for (int p : params)
        if (FindParamOption(p)) list += (list.empty() ? "" : ", ") + OptionName(p);
    return list.empty() ? "none" : list;
}

void SetParam(PROJDATA& d, int param, double value) {
    ProjDataType type = PDT_NONE;
    ProjParamInfo(param, nullptr, &type, nullptr, nullptr);
    if (type == PDT_BOOL) {
        const bool b = value != 0;
        ProjSetParam(&d, param, &b);
    } else if (type == PDT_ELLIPSOID) {
        const int32_t e = static_cast<int32_t>(value);
        ProjSetParam(&d, param, &e);
    } else {
        ProjSetParam(&d, param, &value);
    }
}

} // namespace

double ReadValue(const std::string& what, const std::string& text, ValueKind kind) {
    double v = 0;
    const bool angle = kind == ValueKind::kLatitude || kind == ValueKind::kLongitude ||
                       kind == ValueKind::kAzimuth;
    if (kind == ValueKind::kEllipsoid) return EllipsoidFromText(what, text);
    if (!ParseDouble(text, v) && !(angle && LatLonToDegrees(text.c_str(), &v, 'd')))
        Usage(what + ": want " + (angle ? "degrees or an angle such as 30d30'N" : "a number") +
              ", not " + Quote(text));
    switch (kind) {
    case ValueKind::kPositive:
        if (!(v > 0)) Usage(what + ": want a number above 0, not " + Quote(text));
        break;
    case ValueKind::kLatitude:
        if (!(v >= -90 && v <= 90)) Usage(what + ": latitude " + text + " is outside -90 to 90");
        break;
    case ValueKind::kLongitude:
        if (!(v >= -360 && v <= 360))
            Usage(what + ": longitude " + text + " is outside -360 to 360");
        if (v > 180) v -= 360;
        if (v < -180) v += 360;
        break;
    case ValueKind::kAzimuth:
        if (!(v > -360 && v < 360))
            Usage(what + ": azimuth " + text + " is not strictly between -360 and 360");
        break;
    default:
        break;
    }
    return v;
}

std::string ParamOptionName(int param) {
    const ParamOption* p = FindParamOption(param);
    return p ? p->name : "parameter-" + std::to_string(param);
}

ValueKind ParamKind(int param) {
    const ParamOption* p = FindParamOption(param);
    return p ? p->kind : ValueKind::kNumber;
}

void AddProjectionOptions(CLI::App* cmd, ProjectionOptions& o) {
    cmd->add_option("--type", o.type,
                    "Projection type: number, name or PROJ name (qvproj projections)");
    cmd->add_option("--utm", o.utm,
                    "UTM zone 1 to 60 with N or S, such as 33N (WGS 84 unless "
                    "--ellipsoid)");
    cmd->add_option("--zone", o.zone,
                    "State plane zone: name (\"Alabama East\") or USGS code (0101), with --sp27 "
                    "or --sp83");
    AddIntOption(cmd, "--zone-index", o.zoneIndex, SZ_FIRST, SZ_LAST,
                 "State plane zone by the library's index 0 to 141 (qvproj zones)");
    cmd->add_flag("--sp27", o.sp27, "State plane zone of 1927");
    cmd->add_flag("--sp83", o.sp83, "State plane zone of 1983");
    cmd->add_option("--proj", o.proj,
                    "The projection as a PROJ string, such as \"+proj=utm +zone=33 "
                    "+datum=WGS84\" (ellipsoid GRS 1980 unless given, as in PROJ)");
    cmd->add_flag("--describe", o.describe,
                  "Print the PROJ string of the projection (to check it with PROJ or GDAL) and "
                  "stop");
    // One option per parameter of the library's table.
    char name[64];
    ProjDataType type = PDT_NONE;
    for (int param = 1; ProjParamInfo(param, name, &type, nullptr, nullptr); ++param) {
        const ParamOption* p = FindParamOption(param);
        if (p == nullptr) continue;
        const std::string flag = std::string("--") + p->name;
        if (type == PDT_BOOL) {
            cmd->add_flag_function(
                flag, [&o, param](std::int64_t) { o.params[param] = 1; }, name);
            continue;
        }
        std::string help = name;
        if (p->kind == ValueKind::kLatitude || p->kind == ValueKind::kLongitude ||
            p->kind == ValueKind::kAzimuth)
            help += " (degrees or an angle such as 30d30'N)";
        if (p->kind == ValueKind::kEllipsoid)
            help += ": number, name or PROJ name (default WGS 84)";
        cmd->add_option_function<std::string>(
               flag,
               [&o, param, flag, kind = p->kind](const std::string& text) {
                   try {
                       o.params[param] = ReadValue(flag, text, kind);
                   } catch (const Failure& f) {
                       throw CLI::ValidationError(f.message);
                   }
               },
               help)
            ->type_name(p->kind == ValueKind::kEllipsoid ? "NAME" : "VALUE");
    }
}

PROJDATA BuildProjection(const ProjectionOptions& o) {
    const bool byIndex = o.zoneIndex >= 0, byZone = !o.zone.empty() || byIndex;
    const int forms =
        !o.type.empty() + !o.utm.empty() + !o.zone.empty() + byIndex + !o.proj.empty();
    if (forms == 0) Usage("give the projection: --type, --utm, --zone (or --zone-index) or --proj");
    if (forms > 1) Usage("give only one of --type, --utm, --zone, --zone-index and --proj");
    if ((o.sp27 || o.sp83) && !byZone) Usage("--sp27 and --sp83 go with --zone");

    PROJDATA d{};
    d.Type = PT_UNDEFINED;
    d.Scale = 1;
    d.Ellipsoid = ET_WGS_84;
    d.Zone = SZ_NONE;
    std::set<int> allowed;
    std::string form;
    if (!o.type.empty()) {
        d.Type = TypeFromText(o.type);
        allowed = ParamsOf(d.Type);
        form = TypeName(d.Type) + " takes " + OptionList(allowed);
    } else if (!o.utm.empty()) {
        int zone = 0;
        bool south = false;
        ReadUtmZone("--utm", o.utm, zone, south);
        d.Type = PT_UTM;
        d.Lon0 = ProjUTMZoneNumberToLon(zone);
        d.bSouth = south;
        allowed = {PP_ELLIPSOID, PP_MAJORRADIUS, PP_FLATTENING, PP_SCALE};
        form = "--utm fixes the central meridian, hemisphere, scale factor and false origin "
               "(--type tmerc takes them all)";
    } else if (byZone) {
        if (o.sp27 == o.sp83) Usage("a state plane zone needs one of --sp27 and --sp83");
        d.Zone = byIndex ? static_cast<StateZoneType>(o.zoneIndex) : ZoneFromText("--zone", o.zone);
        d.Type = o.sp27 ? PT_STATEPLANE27 : PT_STATEPLANE83;
        allowed = {PP_SCALE};
        form = "a state plane zone brings its own parameters";
        PROJDATA expanded = d;
        ProjGetStateZoneParams(&expanded);
        if (expanded.Zone == SZ_NONE) {
            char name[64];
            ProjGetStateZoneInfo(d.Zone, name, nullptr);
            Usage(std::string("state plane zone ") + Quote(name) + " has no " +
                  (o.sp27 ? "1927" : "1983") + " definition (qvproj zones " + Quote(name) + ")");
        }
    } else {
        d = ParseProjString(o.proj);
        form = "--proj carries the whole projection";
    }
    for (const auto& [param, value] : o.params)
        if (!allowed.count(param)) Usage(OptionName(param) + " does not go here: " + form);

    for (const auto& [param, value] : o.params) SetParam(d, param, value);
    const bool ownRadius = o.params.count(PP_MAJORRADIUS),
               ownFlattening = o.params.count(PP_FLATTENING);
    if (ownRadius || ownFlattening) {
        if (o.params.count(PP_ELLIPSOID))
            Usage("--radius and --flattening define an ellipsoid of your own: drop --ellipsoid");
        if (!ownRadius) Usage("--flattening needs --radius");
        d.Ellipsoid = ET_USER_DEFINED;
    }
    char text[512];
    if (ProjCheckParams(&d, text, false) != 0) Usage(text);
    return d;
}

bool Describe(const ProjectionOptions& o, const PROJDATA& record, bool json) {
    if (!o.describe) return false;
    std::string why;
    const std::string proj = DescribeProjString(record, why);
    if (proj.empty()) Fail(why);
    if (json)
        std::cout << "{\"proj\": " << JsonString(proj) << "}\n";
    else
        std::cout << proj << "\n";
    return true;
}

std::unique_ptr<CProjector> OpenProjection(PROJDATA& record) {
    auto projector = std::make_unique<CProjector>(&record);
    if (projector->Handle() == nullptr) Fail("the library refused the projection record");
    // A point that holds the marker is passed over by every module; a call
    // fails only when the type has no module.
    PROJPOINT probe{UNPLOTTABLE, UNPLOTTABLE};
    if (!projector->Forward(&probe, 1) || !projector->Inverse(&probe, 1)) {
        PROJDATA expanded = record;
        ProjGetStateZoneParams(&expanded); // leaves other types as they are
        Fail(TypeName(expanded.Zone == SZ_NONE ? record.Type : expanded.Type) +
             ": the library cannot convert points of this projection");
    }
    return projector;
}

} // namespace qvcli
