// qvproj datum | datums | custom-datum: datum shifts of point streams, the
// datum catalogue and the custom datums of a profile file.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>

#include "cli.h"
#include "points.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

// Parameters of a user-defined datum given by options.
struct ParamOptions {
    std::string method;
    std::string ellipsoid;
    double dx = 0, dy = 0, dz = 0, rx = 0, ry = 0, rz = 0, scale = 0, pm = 0;
    double radius = 0, flattening = 0;
    bool inverse = false;
};

void AddParamOptions(CLI::App* cmd, ParamOptions& o) {
    cmd->add_option("--method", o.method,
                    "Method of a user-defined datum: none, bursa, molodensky");
    cmd->add_option("--ellipsoid", o.ellipsoid,
                    "Ellipsoid number or name (0 or \"user-defined\": --radius, --flattening)");
    cmd->add_option("--dx", o.dx, "X shift to WGS84, meters");
    cmd->add_option("--dy", o.dy, "Y shift to WGS84, meters");
    cmd->add_option("--dz", o.dz, "Z shift to WGS84, meters");
    cmd->add_option("--rx", o.rx, "X rotation, arcseconds (bursa)");
    cmd->add_option("--ry", o.ry, "Y rotation, arcseconds (bursa)");
    cmd->add_option("--rz", o.rz, "Z rotation, arcseconds (bursa)");
    cmd->add_option("--scale", o.scale, "Scale difference, parts per million (bursa)");
    cmd->add_option("--prime-meridian", o.pm,
                    "Prime meridian shift, degrees (carried, not applied)");
    cmd->add_option("--radius", o.radius, "Semi-major axis of a user-defined ellipsoid, meters");
    cmd->add_option("--flattening", o.flattening, "Flattening of a user-defined ellipsoid");
    cmd->add_flag("--inverse", o.inverse,
                  "Apply the user-defined parameters in the other direction");
}

const char* MethodName(int m) {
    switch (m) {
    case DatMethodNone:
        return "none";
    case DatMethodNadcon:
        return "nadcon";
    case DatMethodBursaWolf:
        return "bursa";
    case DatMethodMolodensky:
        return "molodensky";
    case DatMethodMRE:
        return "mre";
    default:
        return "?";
    }
}

DATUM2WGS84 ParamsFromOptions(const ParamOptions& o) {
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    int m = -1;
    if (o.method.empty()) qvcli::Fail("a user-defined datum needs --method");
    for (int i : {0, 2, 3})
        if (o.method == MethodName(i)) m = i;
    if (m < 0 && !qvcli::ParseInt(o.method, m))
        qvcli::Fail("unknown method '" + o.method + "' (none, bursa or molodensky)");
    p.Method = static_cast<DatumMethod>(m);
    int e = -1;
    EllipsoidType et = ET_USER_DEFINED;
    if (o.ellipsoid.empty() || o.ellipsoid == "user-defined") {
        e = 0;
    } else if (qvcli::ParseInt(o.ellipsoid, e)) {
    } else if (EllipsoidFromName(&et, o.ellipsoid.c_str())) {
        e = et;
    } else {
        qvcli::Fail("unknown ellipsoid '" + o.ellipsoid + "'");
    }
    p.Ellipsoid = static_cast<EllipsoidType>(e);
    p.MajorRadius = o.radius;
    p.Flattening = o.flattening;
    if (e != 0) {
        p.MajorRadius = EllipsoidRadius(p.Ellipsoid);
        p.Flattening = EllipsoidFlattening(p.Ellipsoid);
    }
    p.PrimeMeridian = o.pm;
    p.dX = o.dx;
    p.dY = o.dy;
    p.dZ = o.dz;
    p.rX = o.rx;
    p.rY = o.ry;
    p.rZ = o.rz;
    p.Scale = o.scale;
    return p;
}

struct Side {
    DatumType datum = DatUserDefined;
    DATUM2WGS84 params{};
    bool fromOptions = false;
};

// Short names GIS users type for the catalogue's most used datums.
struct Alias {
    const char* shortName;
    const char* catalogueName;
};
constexpr Alias kAliases[] = {
    {"WGS84", "World Geodetic System 1984"}, {"WGS 84", "World Geodetic System 1984"},
    {"WGS72", "World Geodetic System 1972"}, {"WGS 72", "World Geodetic System 1972"},
    {"NAD83", "North American Datum 1983"},  {"NAD 83", "North American Datum 1983"},
};

bool FromAlias(const std::string& text, DatumType& d) {
    for (const Alias& a : kAliases)
        if (qvcli::SameName(a.shortName, text)) return DatGetDatumFromName(&d, a.catalogueName);
    return false;
}

// A datum given by number, catalogue name (or a short alias), custom name or "user".
Side ResolveDatum(const std::string& text, const std::string& profile, const ParamOptions& o,
                  bool destination) {
    Side s;
    int n = -1;
    DatumType d = DatUserDefined;
    if (qvcli::ParseInt(text, n)) {
        if (n < 0 || n > DatLastCatalogue) qvcli::Fail("datum number " + text + " is not 0 to 236");
        s.datum = static_cast<DatumType>(n);
    } else if (DatGetDatumFromName(&d, text.c_str()) || FromAlias(text, d)) {
        s.datum = d;
    } else if (text == "user") {
        s.datum = DatUserDefined;
    } else if (!profile.empty() && NDatGetDatumParams(profile.c_str(), text.c_str(), &s.params)) {
        s.params.bInverse = destination != o.inverse;
        return s;
    } else {
        qvcli::Fail("unknown datum '" + text + "'" +
                    (profile.empty() ? "" : " (not in the catalogue nor in " + profile + ")"));
    }
    if (s.datum == DatUserDefined) {
        s.params = ParamsFromOptions(o);
        s.params.bInverse = destination != o.inverse;
        s.fromOptions = true;
    }
    return s;
}

// --- qvproj datum -----------------------------------------------------------------

struct {
    std::string from, to, profile;
    ParamOptions params;
    std::vector<std::string> files;
    int precision = 9;
    bool strict = false;
} g_datum;

void RunDatum() {
    Side src = ResolveDatum(g_datum.from, g_datum.profile, g_datum.params, false);
    Side dst = ResolveDatum(g_datum.to, g_datum.profile, g_datum.params, true);
    if (src.fromOptions && dst.fromOptions)
        qvcli::Fail("only one of --from and --to can take its parameters from the options");
    if (!DatReversible(dst.datum) && dst.datum != DatUserDefined)
        qvcli::Fail("datum '" + g_datum.to +
                    "' can only be a source (regression equations or NADCON grids)");
    DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.SrcDatum = src.datum;
    x.DstDatum = dst.datum;
    x.SrcParams = src.params;
    x.DstParams = dst.params;
    char text[512];
    if (DatCheckParams(&x, text, false) != 0) qvcli::Fail(text);
    CDatumTransform t(&x);
    if (!t.IsCreated()) qvcli::Fail("cannot create the datum transformation");
    std::vector<DATUMPOINT> buf;
    qvcli::PointStreamOptions opt;
    opt.precision = g_datum.precision;
    opt.strict = g_datum.strict;
    const bool grid = src.datum == DatNAD1927CONUSNadcon || src.datum == DatNAD1927PRVINadcon;
    qvcli::StreamPoints(
        g_datum.files, opt,
        [&](PROJPOINT* pts, int n) {
            buf.resize(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) buf[static_cast<size_t>(i)] = {pts[i].x, pts[i].y};
            if (!t.Convert(buf.data(), n)) {
                if (grid)
                    qvcli::Fail("datum shift failed: the NADCON grid files (conus or prvi, "
                                ".LAS and .LOS) are neither beside the program nor in "
                                "$QVPROJ_DATA");
                return false;
            }
            for (int i = 0; i < n; ++i)
                pts[i] = {buf[static_cast<size_t>(i)].Lon, buf[static_cast<size_t>(i)].Lat};
            return true;
        },
        std::cout);
}

// --- qvproj datums ----------------------------------------------------------------

struct {
    bool json = false;
    std::string profile;
} g_list;

void PrintDatum(bool json, bool& first, int number, const char* name, bool custom,
                const DATUM2WGS84* p, int method) {
    char ell[64] = "";
    if (p && p->Ellipsoid != ET_USER_DEFINED) EllipsoidInfo(p->Ellipsoid, ell, nullptr, nullptr);
    if (p && p->Ellipsoid == ET_USER_DEFINED) std::snprintf(ell, sizeof ell, "user-defined");
    const bool hasShift = p && (method == DatMethodBursaWolf || method == DatMethodMolodensky);
    if (json) {
        std::cout << (first ? "" : ",") << "\n  {\"number\": " << number
                  << ", \"name\": " << qvcli::JsonString(name)
                  << ", \"custom\": " << (custom ? "true" : "false")
                  << ", \"method\": " << qvcli::JsonString(MethodName(method));
        if (p) {
            std::cout << ", \"ellipsoid\": " << qvcli::JsonString(ell)
                      << ", \"axis\": " << qvcli::JsonNumber(p->MajorRadius)
                      << ", \"flattening\": " << qvcli::JsonNumber(p->Flattening)
                      << ", \"dx\": " << qvcli::JsonNumber(p->dX)
                      << ", \"dy\": " << qvcli::JsonNumber(p->dY)
                      << ", \"dz\": " << qvcli::JsonNumber(p->dZ)
                      << ", \"rx\": " << qvcli::JsonNumber(p->rX)
                      << ", \"ry\": " << qvcli::JsonNumber(p->rY)
                      << ", \"rz\": " << qvcli::JsonNumber(p->rZ)
                      << ", \"scale\": " << qvcli::JsonNumber(p->Scale)
                      << ", \"prime_meridian\": " << qvcli::JsonNumber(p->PrimeMeridian);
        }
        std::cout << "}";
    } else {
        std::printf("%3d  %-48s %-10s %-28s", number, name, MethodName(method), ell);
        if (hasShift) std::printf(" %.10g %.10g %.10g", p->dX, p->dY, p->dZ);
        if (p && method == DatMethodBursaWolf)
            std::printf("  %.10g %.10g %.10g  %.10g ppm", p->rX, p->rY, p->rZ, p->Scale);
        if (p && p->PrimeMeridian != 0) std::printf("  pm %.10g", p->PrimeMeridian);
        std::printf("\n");
    }
    first = false;
}

void RunDatums() {
    bool first = true;
    if (g_list.json) std::cout << "[";
    for (int d = 1; d < DatNumDatums(); ++d) {
        char name[DATUM_NAME_BUFSIZE];
        DatGetDatumName(static_cast<DatumType>(d), name);
        DatumMethod m = DatMethodNone;
        DatGetDatumMethod(static_cast<DatumType>(d), &m);
        DATUM2WGS84 p;
        std::memset(&p, 0, sizeof p);
        bool has = DatGetDatumParams(static_cast<DatumType>(d), &p);
        PrintDatum(g_list.json, first, d, name, false, has ? &p : nullptr, m);
    }
    if (!g_list.profile.empty()) {
        const char* prof = g_list.profile.c_str();
        for (int i = DatNumDatums(); i < NDatNumDatums(prof); ++i) {
            char name[NDAT_NAME_BUFSIZE];
            if (!NDatEnumDatumName(prof, name, i)) continue;
            DATUM2WGS84 p;
            std::memset(&p, 0, sizeof p);
            bool has = NDatGetDatumParams(prof, name, &p);
            PrintDatum(g_list.json, first, i, name, true, has ? &p : nullptr, has ? p.Method : -1);
        }
    }
    if (g_list.json) std::cout << "\n]\n";
}

// --- qvproj custom-datum ----------------------------------------------------------

struct {
    std::string profile, name;
    ParamOptions params;
    bool json = false;
} g_custom;

void RunCustomList() {
    const char* prof = g_custom.profile.c_str();
    for (int i = DatNumDatums(); i < NDatNumDatums(prof); ++i) {
        char name[NDAT_NAME_BUFSIZE];
        if (NDatEnumDatumName(prof, name, i)) std::printf("%d\t%s\n", i, name);
    }
}

void RunCustomShow() {
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    const char* prof = g_custom.profile.c_str();
    int index = 0;
    if (!NDatExists(prof, g_custom.name.c_str(), &index))
        qvcli::Fail("no datum '" + g_custom.name + "' in " + g_custom.profile);
    if (!NDatGetDatumParams(prof, g_custom.name.c_str(), &p))
        qvcli::Fail("datum '" + g_custom.name + "' has no parameters that can be read");
    bool first = true;
    if (g_custom.json) std::cout << "[";
    PrintDatum(g_custom.json, first, index, g_custom.name.c_str(), index >= DatNumDatums(), &p,
               p.Method);
    if (g_custom.json) std::cout << "\n]\n";
}

void RunCustomSave() {
    DATUM2WGS84 p = ParamsFromOptions(g_custom.params);
    p.bInverse = g_custom.params.inverse;
    DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.DstDatum = DatWGS1984;
    x.SrcParams = p;
    char text[512];
    if (DatCheckParams(&x, text, false) != 0) qvcli::Fail(text);
    if (NDatIsBuiltIn(nullptr, g_custom.name.c_str(), nullptr))
        qvcli::Fail("'" + g_custom.name + "' is a built-in datum name");
    if (!NDatSave(g_custom.profile.c_str(), g_custom.name.c_str(), &p))
        qvcli::Fail("cannot save '" + g_custom.name + "' in " + g_custom.profile);
}

void RunCustomDelete() {
    if (!NDatDelete(g_custom.profile.c_str(), g_custom.name.c_str()))
        qvcli::Fail("cannot delete '" + g_custom.name + "' from " + g_custom.profile);
}

qvcli::Registrar reg(40, [](CLI::App& app) {
    auto* datum = app.add_subcommand(
        "datum", "Shift \"lon lat\" points (stdin or files) from one datum to another");
    datum
        ->add_option("--from", g_datum.from,
                     "Source datum: number, catalogue or custom name, "
                     "or \"user\" with the parameter options")
        ->required();
    datum->add_option("--to", g_datum.to, "Destination datum (as --from)")->required();
    datum->add_option("--profile", g_datum.profile, "Profile file holding custom datums");
    AddParamOptions(datum, g_datum.params);
    datum->add_option("--precision", g_datum.precision, "Decimals of the written coordinates");
    datum->add_flag("--strict", g_datum.strict, "Stop at the first malformed line");
    datum->add_option("files", g_datum.files, "Input files (default stdin)");
    datum->callback(RunDatum);

    auto* datums = app.add_subcommand(
        "datums", "List the datum catalogue: number, name, method, ellipsoid, parameters");
    datums->add_flag("--json", g_list.json, "Write JSON");
    datums->add_option("--profile", g_list.profile, "Also list the custom datums of this file");
    datums->callback(RunDatums);

    auto* custom = app.add_subcommand("custom-datum", "Named custom datums in a profile file");
    custom->require_subcommand(1);
    custom->fallthrough();
    custom->add_option("--profile", g_custom.profile, "Profile file")->required();
    auto* list = custom->add_subcommand("list", "List the custom datums");
    list->callback(RunCustomList);
    auto* show = custom->add_subcommand("show", "Show the parameters of a datum");
    show->add_option("name", g_custom.name, "Datum name")->required();
    show->add_flag("--json", g_custom.json, "Write JSON");
    show->callback(RunCustomShow);
    auto* save = custom->add_subcommand("save", "Save a datum from the parameter options");
    save->add_option("name", g_custom.name, "Datum name")->required();
    AddParamOptions(save, g_custom.params);
    save->callback(RunCustomSave);
    auto* del = custom->add_subcommand("delete", "Delete a datum");
    del->add_option("name", g_custom.name, "Datum name")->required();
    del->callback(RunCustomDelete);
});

} // namespace
