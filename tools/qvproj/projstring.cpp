#include "projstring.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "cli.h"
#include "projopts.h"

using namespace QVProj;

namespace qvcli {
namespace {

// How a module's figure compares with PROJ's projection of that name.
enum class Figure {
    kEllipsoid,  // both take the ellipsoid
    kSphere,     // both compute on a sphere of radius MajorRadius (PROJ's "a")
    kSphereHere, // ours computes on that sphere, PROJ's on the ellipsoid
};

struct Key {
    const char* proj; // PROJ's parameter name
    int param;        // the record's parameter (PP_*)
};

// PROJ equivalents of the projection types, with the record parameters
// other than the ellipsoid, the scale and the false origin. UTM and Hotine
// have forms of their own (below). Robinson-Sterling, the spherical
// two-point Oblique Mercator and the state plane types (described by their
// expanded zones) have no row.
struct Equivalent {
    ProjType type;
    const char* proj;
    Figure figure;
    Key keys[4];
};
constexpr Equivalent kEquivalents[] = {
    {PT_LATLONG, "longlat", Figure::kEllipsoid, {}},
    {PT_MERCATOR, "merc", Figure::kEllipsoid, {{"lat_ts", PP_LAT0}, {"lon_0", PP_LON0}}},
    {PT_ALBERS,
     "aea",
     Figure::kEllipsoid,
     {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}, {"lat_1", PP_LAT1}, {"lat_2", PP_LAT2}}},
    {PT_MILLER, "mill", Figure::kSphere, {{"lon_0", PP_LON0}}},
    {PT_UTM, "utm", Figure::kEllipsoid, {}},
    {PT_LAMBERT,
     "lcc",
     Figure::kEllipsoid,
     {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}, {"lat_1", PP_LAT1}, {"lat_2", PP_LAT2}}},
    {PT_STEREOGRAPHIC,
     "stere",
     Figure::kEllipsoid,
     {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}, {"k_0", PP_K0}}},
    {PT_ORTHOGRAPHIC, "ortho", Figure::kSphereHere, {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}}},
    {PT_MOLLWEIDE, "moll", Figure::kSphere, {{"lon_0", PP_LON0}}},
    {PT_POLYCONIC, "poly", Figure::kEllipsoid, {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}}},
    {PT_HOTINE, "omerc", Figure::kEllipsoid, {}},
    {PT_EQUIDISTANT_CYL, "eqc", Figure::kSphere, {{"lat_ts", PP_LAT1}, {"lon_0", PP_LON0}}},
    {PT_ROBINSON, "robin", Figure::kSphere, {}},
    {PT_VANDERGRINTEN, "vandg", Figure::kSphere, {{"lon_0", PP_LON0}}},
    {PT_CASSINI, "cass", Figure::kSphereHere, {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}}},
    {PT_TMERCATOR,
     "tmerc",
     Figure::kEllipsoid,
     {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}, {"k_0", PP_K0}}},
    {PT_GAUSSKRUGER,
     "tmerc",
     Figure::kEllipsoid,
     {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}, {"k_0", PP_K0}}},
    {PT_SINUSOIDAL, "sinu", Figure::kEllipsoid, {{"lon_0", PP_LON0}}},
    {PT_LAMBERT_AZIMUTHAL, "laea", Figure::kSphereHere, {{"lat_0", PP_LAT1}, {"lon_0", PP_LON0}}},
    {PT_BONNE, "bonne", Figure::kEllipsoid, {{"lat_1", PP_LAT1}, {"lon_0", PP_LON0}}},
    {PT_ECKERT4, "eck4", Figure::kSphere, {{"lon_0", PP_LON0}}},
    {PT_ECKERT6, "eck6", Figure::kSphere, {{"lon_0", PP_LON0}}},
    {PT_EQUIDISTANT_CONIC,
     "eqdc",
     Figure::kSphereHere,
     {{"lat_0", PP_LAT0}, {"lon_0", PP_LON0}, {"lat_1", PP_LAT1}, {"lat_2", PP_LAT2}}},
    {PT_GNOMONIC, "gnom", Figure::kSphere, {{"lat_0", PP_LAT1}, {"lon_0", PP_LON0}}},
    {PT_AZIMUTHAL_EQUIDISTANT,
     "aeqd",
     Figure::kSphereHere,
     {{"lat_0", PP_LAT1}, {"lon_0", PP_LON0}}},
};

const Equivalent* FindEquivalent(ProjType t) {
    for (const Equivalent& e : kEquivalents)
        if (e.type == t) return &e;
    return nullptr;
}

// PROJ's ellipsoid names (proj -le) for catalogue ellipsoids of the same
// axes: the semi-major axes are equal and the semi-minor axes agree within
// 0.1 mm (PROJ defines clrk66, SEasia and walbeck by their semi-minor axis,
// the catalogue by the inverse flattening). The check script of the tool
// compares every row with proj -le.
struct EllipsoidName {
    const char* proj;
    EllipsoidType e;
};
constexpr EllipsoidName kEllipsoidNames[] = {
    {"MERIT", ET_MERIT_1983},       {"SGS85", ET_SGS_85},
    {"GRS80", ET_GRS_1980},         {"IAU76", ET_IAU_1976},
    {"airy", ET_AIRY_1830},         {"APL4.9", EllipsoidType(6)},
    {"NWL9D", EllipsoidType(7)},    {"andrae", EllipsoidType(9)},
    {"aust_SA", EllipsoidType(10)}, {"GRS67", EllipsoidType(11)},
    {"bessel", EllipsoidType(12)},  {"bess_nam", EllipsoidType(13)},
    {"clrk66", ET_CLARKE_1866},     {"clrk80", EllipsoidType(16)},
    {"CPM", EllipsoidType(17)},     {"delmbr", EllipsoidType(18)},
    {"engelis", EllipsoidType(19)}, {"evrst30", EllipsoidType(20)},
    {"evrst48", EllipsoidType(21)}, {"evrstSS", EllipsoidType(24)},
    {"fschr60", EllipsoidType(27)}, {"fschr60m", EllipsoidType(28)},
    {"fschr68", EllipsoidType(29)}, {"helmert", EllipsoidType(30)},
    {"hough", EllipsoidType(31)},   {"intl", ET_INTERNATIONAL_1924},
    {"krass", EllipsoidType(35)},   {"kaula", EllipsoidType(36)},
    {"lerch", EllipsoidType(37)},   {"mprts", EllipsoidType(38)},
    {"SEasia", EllipsoidType(41)},  {"walbeck", EllipsoidType(43)},
    {"WGS60", EllipsoidType(44)},   {"WGS66", EllipsoidType(45)},
    {"WGS72", ET_WGS_72},           {"WGS84", ET_WGS_84},
    {"sphere", ET_SPHERE_6370997},
};

// The ellipsoids of the datums PROJ knows by name, for +datum.
struct DatumEllipsoid {
    const char* proj;
    EllipsoidType e;
};
constexpr DatumEllipsoid kDatumEllipsoids[] = {
    {"WGS84", ET_WGS_84},
    {"NAD83", ET_GRS_1980},
    {"NAD27", ET_CLARKE_1866},
};

// Shortest decimal r with 1/r == v exactly (inverse flattening, to_meter).
std::string ShortInverse(double v) {
    return ShortestText(1.0 / v, [v](double r) { return 1.0 / r == v; });
}

std::string Param(const char* key, double v) {
    return std::string(" +") + key + "=" + ShortNumber(v);
}

double Get(const PROJDATA& d, int param) {
    double v = 0;
    ProjGetParam(&d, param, &v);
    return v;
}

// The record as the engine computes it: a state plane zone expanded (its
// Transverse Mercator zones keep their own origin and scale), the creation
// defaults applied, the ellipsoid's axes filled in.
PROJDATA EngineView(const PROJDATA& record) {
    PROJDATA d = record;
    if (d.Type == PT_STATEPLANE27 || d.Type == PT_STATEPLANE83) {
        ProjGetStateZoneParams(&d);
    } else if (d.Type == PT_UTM) {
        d.xOrg = 500000;
        d.yOrg = d.bSouth ? 10000000 : 0;
        if (d.K0 == 0) d.K0 = 0.9996;
    }
    if (d.Scale == 0) d.Scale = 1;
    if (d.K0 == 0) d.K0 = 1;
    if (d.Ellipsoid != ET_USER_DEFINED)
        EllipsoidInfo(d.Ellipsoid, nullptr, &d.MajorRadius, &d.Flattening);
    return d;
}

std::string EllipsoidPart(const PROJDATA& d, Figure figure) {
    if (figure != Figure::kEllipsoid || d.Flattening == 0)
        return " +R=" + ShortNumber(d.MajorRadius);
    if (const char* name = ProjEllipsoidName(d.Ellipsoid)) return std::string(" +ellps=") + name;
    return " +a=" + ShortNumber(d.MajorRadius) + " +rf=" + ShortInverse(d.Flattening);
}

// The UTM zone of a Transverse Mercator record with the UTM constants, or 0.
int UtmZone(const PROJDATA& d) {
    const double z = (d.Lon0 + 183.0) / 6.0;
    const bool utm = z == std::floor(z) && z >= 1 && z <= 60 && d.Lat0 == 0 && d.K0 == 0.9996 &&
                     d.xOrg == 500000 && (d.yOrg == 0 || d.yOrg == 10000000);
    return utm ? static_cast<int>(z) : 0;
}

std::string HotinePart(const PROJDATA& d, std::string& why) {
    std::string s = Param("lat_0", d.Lat0);
    if (!d.bUseAlpha)
        return s + Param("lat_1", d.Lat1) + Param("lon_1", d.Lon1) + Param("lat_2", d.Lat2) +
               Param("lon_2", d.Lon2) + Param("k_0", d.K0) + " +no_uoff";
    if (!d.bRotate && d.bUOffset) {
        why = "PROJ's omerc has no u offset without the rotation";
        return "";
    }
    s += Param("lonc", d.Lon1) + Param("alpha", d.Alpha) + Param("k_0", d.K0);
    if (!d.bRotate) return s + " +no_rot";
    return s + (d.bUOffset ? "" : " +no_uoff");
}

} // namespace

const char* ProjEllipsoidName(EllipsoidType e) {
    for (const EllipsoidName& n : kEllipsoidNames)
        if (n.e == e) return n.proj;
    return nullptr;
}

bool EllipsoidFromProjName(const std::string& name, EllipsoidType& e) {
    for (const EllipsoidName& n : kEllipsoidNames)
        if (NameKey(n.proj) == NameKey(name)) {
            e = n.e;
            return true;
        }
    return false;
}

const char* ProjName(ProjType type) {
    const Equivalent* e = FindEquivalent(type);
    return e ? e->proj : nullptr;
}

bool TypeFromProjName(const std::string& name, ProjType& type) {
    for (const char* alias : {"latlong", "lonlat", "latlon"})
        if (name == alias) {
            type = PT_LATLONG;
            return true;
        }
    for (const Equivalent& e : kEquivalents)
        if (name == e.proj) {
            type = e.type;
            return true;
        }
    return false;
}

std::string DescribeProjString(const PROJDATA& record, std::string& why) {
    const PROJDATA d = EngineView(record);
    char name[64] = "";
    ProjGetProjectionInfo(d.Type, name);
    const Equivalent* eq = FindEquivalent(d.Type);
    if (eq == nullptr) {
        why = std::string(name[0] ? name : "this record") + " has no PROJ equivalent";
        return "";
    }
    std::string s = std::string("+proj=") + eq->proj;
    if (d.Type == PT_LATLONG) return s + EllipsoidPart(d, eq->figure);
    if (d.Type == PT_UTM) {
        if (int zone = UtmZone(d)) {
            s += " +zone=" + std::to_string(zone) + (d.yOrg != 0 ? " +south" : "");
        } else {
            s = "+proj=tmerc" + Param("lat_0", d.Lat0) + Param("lon_0", d.Lon0) +
                Param("k_0", d.K0) + Param("x_0", d.xOrg) + Param("y_0", d.yOrg);
        }
    } else if (d.Type == PT_HOTINE) {
        const std::string part = HotinePart(d, why);
        if (part.empty()) return "";
        s += part + Param("x_0", d.xOrg) + Param("y_0", d.yOrg);
    } else {
        for (const Key& k : eq->keys) {
            if (k.proj == nullptr) break;
            const double v = Get(d, k.param);
            if (v != (k.param == PP_K0 ? 1 : 0)) s += Param(k.proj, v); // PROJ's defaults
        }
        if (d.xOrg != 0) s += Param("x_0", d.xOrg);
        if (d.yOrg != 0) s += Param("y_0", d.yOrg);
    }
    s += EllipsoidPart(d, eq->figure);
    if (d.Scale != 1) s += " +to_meter=" + ShortInverse(d.Scale);
    return s;
}

namespace {

// The keys of a PROJ string, each taken once.
class Keys {
public:
    explicit Keys(const std::string& text) {
        std::istringstream in(text);
        std::string token;
        while (in >> token) {
            if (token[0] == '+') token.erase(0, 1);
            const size_t eq = token.find('=');
            std::string key = token.substr(0, eq);
            if (key == "k") key = "k_0"; // PROJ takes both names
            if (key.empty()) Usage("--proj: " + Quote(token) + " is not a +key=value pair");
            if (m_keys.count(key)) Usage("--proj: +" + key + " is given twice");
            m_keys[key] = eq == std::string::npos
                              ? std::optional<std::string>()
                              : std::optional<std::string>(token.substr(eq + 1));
        }
    }
    bool Has(const std::string& key) const { return m_keys.count(key) != 0; }
    // The value of a key, which is then used up; false when it is absent.
    bool Take(const std::string& key, std::string& value) {
        auto it = m_keys.find(key);
        if (it == m_keys.end()) return false;
        if (!it->second || it->second->empty()) Usage("--proj: +" + key + " needs a value");
        value = *it->second;
        m_keys.erase(it);
        return true;
    }
    bool TakeFlag(const std::string& key) {
        auto it = m_keys.find(key);
        if (it == m_keys.end()) return false;
        if (it->second) Usage("--proj: +" + key + " takes no value");
        m_keys.erase(it);
        return true;
    }
    bool TakeValue(const std::string& key, ValueKind kind, double& v) {
        std::string text;
        if (!Take(key, text)) return false;
        v = ReadValue("+" + key, text, kind);
        return true;
    }
    void TakeParam(const std::string& key, ValueKind kind, PROJDATA& d, int param) {
        double v = 0;
        if (TakeValue(key, kind, v)) ProjSetParam(&d, param, &v);
    }
    // Whatever is left cannot be honoured.
    void Finish() const {
        if (m_keys.empty()) return;
        const std::string key = m_keys.begin()->first;
        Usage("--proj: +" + key + " is not supported here (qvproj would have to ignore it)");
    }

private:
    std::map<std::string, std::optional<std::string>> m_keys;
};

void ReadEllipsoid(Keys& keys, PROJDATA& d) {
    std::string name;
    double a = 0, v = 0;
    const int forms = keys.Has("ellps") + keys.Has("datum") + keys.Has("R") + keys.Has("a");
    if (forms > 1) Usage("--proj: give one of +ellps, +datum, +R and +a");
    if (keys.Has("towgs84") || keys.Has("nadgrids"))
        Usage("--proj: qvproj fwd and inv do not shift datums (see qvproj datum)");
    d.Ellipsoid = ET_GRS_1980; // PROJ's default
    if (keys.Take("ellps", name)) {
        if (!EllipsoidFromProjName(name, d.Ellipsoid))
            Usage("--proj: +ellps=" + name +
                  " is none of PROJ's ellipsoids that the catalogue holds (qvproj ellipsoids); "
                  "give +a and +rf");
    } else if (keys.Take("datum", name)) {
        bool found = false;
        for (const DatumEllipsoid& de : kDatumEllipsoids)
            if (NameKey(de.proj) == NameKey(name)) d.Ellipsoid = de.e, found = true;
        if (!found) Usage("--proj: +datum=" + name + ": give its +ellps instead");
    } else if (keys.TakeValue("R", ValueKind::kPositive, a)) {
        d.Ellipsoid = ET_USER_DEFINED;
        d.MajorRadius = a;
        d.Flattening = 0;
    } else if (keys.TakeValue("a", ValueKind::kPositive, a)) {
        d.Ellipsoid = ET_USER_DEFINED;
        d.MajorRadius = a;
        d.Flattening = 0; // +a alone is a sphere, as in PROJ
        const int shapes = keys.Has("rf") + keys.Has("f") + keys.Has("b") + keys.Has("es");
        if (shapes > 1) Usage("--proj: give one of +rf, +f, +b and +es");
        if (keys.TakeValue("rf", ValueKind::kPositive, v)) d.Flattening = 1 / v;
        if (keys.TakeValue("f", ValueKind::kNumber, v)) d.Flattening = v;
        if (keys.TakeValue("b", ValueKind::kPositive, v)) d.Flattening = (a - v) / a;
        if (keys.TakeValue("es", ValueKind::kNumber, v)) d.Flattening = 1 - std::sqrt(1 - v);
    }
}

void ReadUnits(Keys& keys, PROJDATA& d) {
    struct Unit {
        const char* name;
        double toMeter;
    };
    static constexpr Unit kUnits[] = {
        {"m", 1}, {"km", 1000}, {"ft", 0.3048}, {"us-ft", 1200.0 / 3937.0}};
    std::string name;
    double toMeter = 1;
    if (keys.Has("units") && keys.Has("to_meter")) Usage("--proj: give +units or +to_meter");
    if (keys.Take("units", name)) {
        bool found = false;
        for (const Unit& u : kUnits)
            if (name == u.name) toMeter = u.toMeter, found = true;
        if (!found) Usage("--proj: +units=" + name + " is not one of m, km, ft, us-ft");
    }
    keys.TakeValue("to_meter", ValueKind::kPositive, toMeter);
    d.Scale = 1 / toMeter;
}

void ReadHotine(Keys& keys, PROJDATA& d) {
    keys.TakeParam("lat_0", ValueKind::kLatitude, d, PP_LAT0);
    keys.TakeParam("k_0", ValueKind::kPositive, d, PP_K0);
    const bool noRot = keys.TakeFlag("no_rot");
    const bool noOff = keys.TakeFlag("no_uoff") || keys.TakeFlag("no_off");
    if (keys.Has("alpha") || keys.Has("lonc")) {
        d.bUseAlpha = true;
        keys.TakeParam("lonc", ValueKind::kLongitude, d, PP_LON1);
        keys.TakeParam("alpha", ValueKind::kAzimuth, d, PP_ALPHA);
        double gamma = 0;
        if (keys.TakeValue("gamma", ValueKind::kAzimuth, gamma) && gamma != d.Alpha)
            Usage("--proj: the grid is rotated by the azimuth: +gamma must equal +alpha");
        d.bRotate = !noRot;
        d.bUOffset = !noRot && !noOff;
        return;
    }
    // Two points on the central line; the grid is always rotated and u
    // measured from the natural origin.
    if (noRot) Usage("--proj: the two-point form of omerc is always rotated: drop +no_rot");
    if (!noOff)
        Usage("--proj: the two-point form measures u from the natural origin: add +no_uoff");
    keys.TakeParam("lat_1", ValueKind::kLatitude, d, PP_LAT1);
    keys.TakeParam("lon_1", ValueKind::kLongitude, d, PP_LON1);
    keys.TakeParam("lat_2", ValueKind::kLatitude, d, PP_LAT2);
    keys.TakeParam("lon_2", ValueKind::kLongitude, d, PP_LON2);
    d.bRotate = true;
}

} // namespace

PROJDATA ParseProjString(const std::string& text) {
    Keys keys(text);
    std::string projName;
    if (!keys.Take("proj", projName)) Usage("--proj needs +proj=NAME");
    PROJDATA d{};
    d.Zone = SZ_NONE;
    if (!TypeFromProjName(projName, d.Type))
        Usage("--proj: +proj=" + projName +
              " has no equivalent among the projection types "
              "(qvproj projections)");
    // Keys that change nothing.
    keys.TakeFlag("no_defs");
    keys.TakeFlag("wktext");
    std::string crs;
    if (keys.Take("type", crs) && crs != "crs") Usage("--proj: +type=" + crs + " is not a CRS");
    if (d.Type == PT_UTM || d.Type == PT_TMERCATOR) keys.TakeFlag("approx"); // our series form

    const Equivalent& eq = *FindEquivalent(d.Type);
    ReadEllipsoid(keys, d);
    if (d.Type != PT_LATLONG) ReadUnits(keys, d);
    if (d.Type == PT_UTM) {
        std::string zone;
        int z = 0;
        if (!keys.Take("zone", zone) || !ParseInt(zone, z) || z < 1 || z > 60)
            Usage("--proj: +proj=utm needs +zone=1 to 60");
        d.Lon0 = ProjUTMZoneNumberToLon(z);
        d.bSouth = keys.TakeFlag("south");
    } else if (d.Type == PT_HOTINE) {
        ReadHotine(keys, d);
    } else {
        const bool oneParallel = d.Type == PT_LAMBERT && !keys.Has("lat_2");
        for (const Key& k : eq.keys) {
            if (k.proj == nullptr) break;
            keys.TakeParam(k.proj, ParamKind(k.param), d, k.param);
        }
        if (oneParallel) d.Lat2 = d.Lat1; // PROJ's Lambert with one standard parallel
    }
    if (ProjUsesParam(d.Type, PP_XORG)) {
        keys.TakeParam("x_0", ValueKind::kNumber, d, PP_XORG);
        keys.TakeParam("y_0", ValueKind::kNumber, d, PP_YORG);
    }
    keys.Finish();
    const double f =
        d.Ellipsoid == ET_USER_DEFINED ? d.Flattening : EllipsoidFlattening(d.Ellipsoid);
    if (eq.figure == Figure::kSphereHere && f != 0) {
        char name[64];
        ProjGetProjectionInfo(d.Type, name);
        Usage(std::string("--proj: qvproj's ") + name +
              " computes on a sphere, PROJ's on the ellipsoid: give +R");
    }
    return d;
}

} // namespace qvcli
