// qvproj datum | datums | custom-datum: datum shifts of point streams, the
// datum catalogue and the custom datums of a profile file.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "cli.h"
#include "names.h"
#include "points.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

// Parameters of a user-defined datum given by options.
struct ParamOptions {
    std::string method, ellipsoid;
    std::optional<double> dx, dy, dz, rx, ry, rz, scale, pm, radius, flattening;
    bool inverse = false;

    bool Any() const {
        return !method.empty() || !ellipsoid.empty() || dx || dy || dz || rx || ry || rz || scale ||
               pm || radius || flattening || inverse;
    }
};

void AddParamOptions(CLI::App* cmd, ParamOptions& o) {
    std::string methods;
    for (int m = DatMethodNone; m <= DatMethodMRE; ++m)
        if (DatMethodReversible(static_cast<DatumMethod>(m)))
            methods += (methods.empty() ? "" : ", ") +
                       std::string(DatMethodKeyword(static_cast<DatumMethod>(m)));
    cmd->add_option("--method", o.method, "Method of a user-defined datum: " + methods);
    cmd->add_option("--ellipsoid", o.ellipsoid,
                    "Ellipsoid: number, name or PROJ name (or --radius and --flattening)");
    qvcli::AddNumberOption(cmd, "--dx", o.dx, "X shift to WGS84, meters");
    qvcli::AddNumberOption(cmd, "--dy", o.dy, "Y shift to WGS84, meters");
    qvcli::AddNumberOption(cmd, "--dz", o.dz, "Z shift to WGS84, meters");
    qvcli::AddNumberOption(cmd, "--rx", o.rx, "X rotation, arcseconds (bursa)");
    qvcli::AddNumberOption(cmd, "--ry", o.ry, "Y rotation, arcseconds (bursa)");
    qvcli::AddNumberOption(cmd, "--rz", o.rz, "Z rotation, arcseconds (bursa)");
    qvcli::AddNumberOption(cmd, "--scale", o.scale, "Scale difference, parts per million (bursa)");
    qvcli::AddNumberOption(cmd, "--prime-meridian", o.pm,
                           "Prime meridian shift, degrees (carried, not applied)");
    qvcli::AddNumberOption(cmd, "--radius", o.radius,
                           "Semi-major axis of an ellipsoid of your own, meters");
    qvcli::AddNumberOption(cmd, "--flattening", o.flattening,
                           "Flattening of an ellipsoid of your own (0: sphere)");
    cmd->add_flag("--inverse", o.inverse,
                  "Apply the user-defined parameters in the other direction");
}

std::string MethodName(int m) {
    const char* k = DatMethodKeyword(static_cast<DatumMethod>(m));
    return k[0] ? k : "?";
}

DATUM2WGS84 ParamsFromOptions(const ParamOptions& o) {
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    if (o.method.empty()) qvcli::Usage("a user-defined datum needs --method");
    int m = -1;
    for (int i = DatMethodNone; i <= DatMethodMRE && m < 0; ++i)
        if (DatMethodReversible(static_cast<DatumMethod>(i)) &&
            qvcli::NameKey(o.method) == DatMethodKeyword(static_cast<DatumMethod>(i)))
            m = i;
    if (m < 0)
        qvcli::Usage("--method: " + qvcli::Quote(o.method) +
                     " is not a method of a user-defined datum (qvproj datum --help)");
    p.Method = static_cast<DatumMethod>(m);
    const bool bursa = m == DatMethodBursaWolf, none = m == DatMethodNone;
    if (!bursa && (o.rx || o.ry || o.rz || o.scale))
        qvcli::Usage("--rx, --ry, --rz and --scale belong to --method bursa");
    if (none && (o.dx || o.dy || o.dz || !o.ellipsoid.empty() || o.radius || o.flattening))
        qvcli::Usage("--method none coincides with WGS84: it takes no shifts and no ellipsoid");
    if (!none) {
        if (!o.ellipsoid.empty() && (o.radius || o.flattening))
            qvcli::Usage("--radius and --flattening define an ellipsoid of your own: drop "
                         "--ellipsoid");
        if (o.ellipsoid.empty() && !o.radius)
            qvcli::Usage("--method " + o.method +
                         " needs --ellipsoid (or --radius and --flattening)");
        p.Ellipsoid = o.ellipsoid.empty() ? ET_USER_DEFINED
                                          : qvcli::EllipsoidFromText("--ellipsoid", o.ellipsoid);
        p.MajorRadius = o.radius.value_or(EllipsoidRadius(p.Ellipsoid));
        p.Flattening = o.flattening.value_or(EllipsoidFlattening(p.Ellipsoid));
    }
    p.PrimeMeridian = o.pm.value_or(0);
    p.dX = o.dx.value_or(0);
    p.dY = o.dy.value_or(0);
    p.dZ = o.dz.value_or(0);
    p.rX = o.rx.value_or(0);
    p.rY = o.ry.value_or(0);
    p.rZ = o.rz.value_or(0);
    p.Scale = o.scale.value_or(0);
    p.bInverse = o.inverse;
    return p;
}

// --- profile files ----------------------------------------------------------------

// A profile file the command reads: a directory, or a missing file when one
// must exist, is a run-time failure. A custom datum section longer than the
// library reads is named on stderr.
void CheckProfile(const std::string& path, bool mustExist) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (mustExist || errno != ENOENT)
            qvcli::Fail("cannot open profile " + qvcli::Quote(path) + ": " + std::strerror(errno));
        return;
    }
    if (S_ISDIR(st.st_mode)) qvcli::Fail("profile " + qvcli::Quote(path) + " is a directory");
    if (::access(path.c_str(), R_OK) != 0)
        qvcli::Fail("cannot read profile " + qvcli::Quote(path) + ": " + std::strerror(errno));
    if (NDatSectionTruncated(path.c_str()))
        std::cerr << "qvproj: warning: the custom datum section of " << qvcli::Quote(path)
                  << " is longer than the " << NDAT_SECTION_BUFSIZE
                  << " bytes the library reads; only the datums within them are seen\n";
}

// Why a save or delete of a profile failed, from what can be found out.
std::string WhyNotWritten(const std::string& path) {
    if (NDatSectionTruncated(path.c_str()))
        return "its custom datum section is longer than the library reads, so it is left alone";
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + !slash);
    if (::access(dir.c_str(), W_OK) != 0 ||
        (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0))
        return std::string("the file cannot be written: ") + std::strerror(errno);
    return "the custom datum section has no room for it (the library reads at most " +
           std::to_string(NDAT_SECTION_BUFSIZE) + " bytes of it)";
}

// A custom datum name that the section can keep and give back.
void CheckCustomName(const std::string& name) {
    if (NDatIsBuiltIn(nullptr, name.c_str(), nullptr))
        qvcli::Usage(qvcli::Quote(name) + " is a built-in datum name");
    if (name.empty() || name.front() == ' ' || name.front() == '\t' || name.back() == ' ' ||
        name.back() == '\t')
        qvcli::Usage("a custom datum name cannot be empty or begin or end with a blank");
    if (name.front() == ';' || name.front() == '[')
        qvcli::Usage("a custom datum name cannot begin with ';' or '[' (the profile would read a "
                     "comment or a section)");
    if (name.size() >= static_cast<size_t>(NDAT_NAME_BUFSIZE))
        qvcli::Usage("a custom datum name has at most " + std::to_string(NDAT_NAME_BUFSIZE - 1) +
                     " characters");
}

// --- datum resolution ---------------------------------------------------------------

struct Side {
    DatumType datum = DatUserDefined;
    DATUM2WGS84 params{};
    bool fromOptions = false;
};

// Short names GIS users type for the catalogue's most used datums.
struct Alias {
    const char* shortName;
    DatumType datum;
};
constexpr Alias kAliases[] = {
    {"WGS84", DatWGS1984},
    {"WGS72", DatWGS1972},
    {"NAD83", DatNAD1983},
};

bool CatalogueDatum(const std::string& text, DatumType& d) {
    const std::string key = qvcli::NameKey(text);
    for (const Alias& a : kAliases)
        if (qvcli::NameKey(a.shortName) == key) return d = a.datum, true;
    for (int i = 1; i < DatNumDatums(); ++i) {
        char name[DATUM_NAME_BUFSIZE];
        DatGetDatumName(static_cast<DatumType>(i), name);
        if (qvcli::NameKey(name) == key) return d = static_cast<DatumType>(i), true;
    }
    return false;
}

// A datum given by number, catalogue name (or a short alias), custom name or "user".
Side ResolveDatum(const std::string& option, const std::string& text, const std::string& profile,
                  const ParamOptions& o, bool destination) {
    Side s;
    int n = -1;
    if (qvcli::ParseInt(text, n)) {
        if (n < 0 || n > DatLastCatalogue)
            qvcli::Usage(option + ": datum " + text + " is not 0 to " +
                         std::to_string(DatLastCatalogue));
        s.datum = static_cast<DatumType>(n);
    } else if (qvcli::NameKey(text) == "user" || qvcli::NameKey(text) == "userdefined") {
        s.datum = DatUserDefined;
    } else if (DatGetDatumFromName(&s.datum, text.c_str())) {
    } else if (!profile.empty() && NDatGetDatumParams(profile.c_str(), text.c_str(), &s.params)) {
        // A custom name as written wins over a catalogue name spelt loosely.
        s.params.bInverse = destination;
        return s;
    } else if (!CatalogueDatum(text, s.datum)) {
        qvcli::Usage(option + ": unknown datum " + qvcli::Quote(text) +
                     (profile.empty()
                          ? ""
                          : " (not in the catalogue nor in " + qvcli::Quote(profile) + ")"));
    }
    if (s.datum == DatUserDefined) {
        s.params = ParamsFromOptions(o);
        s.params.bInverse = destination != o.inverse;
        s.fromOptions = true;
    }
    return s;
}

// --- qvproj datum -----------------------------------------------------------------

struct DatumOptions {
    std::string from, to, profile;
    ParamOptions params;
    std::vector<std::string> files;
    int precision = 9;
    bool strict = false;
};

void RunDatum(const DatumOptions& g) {
    if (!g.profile.empty()) CheckProfile(g.profile, true);
    Side src = ResolveDatum("--from", g.from, g.profile, g.params, false);
    Side dst = ResolveDatum("--to", g.to, g.profile, g.params, true);
    if (src.fromOptions && dst.fromOptions)
        qvcli::Usage("only one of --from and --to can take its parameters from the options");
    if (!src.fromOptions && !dst.fromOptions && g.params.Any())
        qvcli::Usage("the parameter options describe a user-defined datum: give --from user or "
                     "--to user");
    if (!DatReversible(dst.datum) && dst.datum != DatUserDefined)
        qvcli::Usage("--to: datum " + qvcli::Quote(g.to) +
                     " can only be a source (regression equations or NADCON grids)");
    DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.SrcDatum = src.datum;
    x.DstDatum = dst.datum;
    x.SrcParams = src.params;
    x.DstParams = dst.params;
    char text[512];
    if (DatCheckParams(&x, text, false) != 0) qvcli::Usage(text);
    CDatumTransform t(&x);
    if (!t.IsCreated()) qvcli::Fail("cannot create the datum transformation");
    std::vector<DATUMPOINT> buf;
    qvcli::PointStreamOptions opt;
    opt.input = qvcli::Coordinates::kGeographic;
    opt.precision = g.precision;
    opt.strict = g.strict;
    const bool grid = src.datum == DatNAD1927CONUSNadcon || src.datum == DatNAD1927PRVINadcon;
    qvcli::StreamPoints(
        g.files, opt,
        [&](PROJPOINT* pts, int n) {
            buf.resize(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) buf[static_cast<size_t>(i)] = {pts[i].x, pts[i].y};
            if (!t.Convert(buf.data(), n))
                qvcli::Fail(grid ? "datum shift failed: the NADCON grid files (conus or prvi, "
                                   ".LAS and .LOS) are neither beside the program nor in "
                                   "$QVPROJ_DATA"
                                 : "datum shift failed");
            for (int i = 0; i < n; ++i)
                pts[i] = {buf[static_cast<size_t>(i)].Lon, buf[static_cast<size_t>(i)].Lat};
        },
        std::cout);
}

// --- qvproj datums ----------------------------------------------------------------

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
        std::printf("%3d  %-48s %-10s %-28s", number, name, MethodName(method).c_str(), ell);
        if (hasShift) std::printf(" %.10g %.10g %.10g", p->dX, p->dY, p->dZ);
        if (p && method == DatMethodBursaWolf)
            std::printf("  %.10g %.10g %.10g  %.10g ppm", p->rX, p->rY, p->rZ, p->Scale);
        if (p && p->PrimeMeridian != 0) std::printf("  pm %.10g", p->PrimeMeridian);
        std::printf("\n");
    }
    first = false;
}

struct ListOptions {
    bool json = false;
    std::string profile;
};

void RunDatums(const ListOptions& g) {
    if (!g.profile.empty()) CheckProfile(g.profile, true);
    bool first = true;
    if (g.json) std::cout << "[";
    for (int d = 1; d < DatNumDatums(); ++d) {
        char name[DATUM_NAME_BUFSIZE];
        DatGetDatumName(static_cast<DatumType>(d), name);
        DatumMethod m = DatMethodNone;
        DatGetDatumMethod(static_cast<DatumType>(d), &m);
        DATUM2WGS84 p;
        std::memset(&p, 0, sizeof p);
        bool has = DatGetDatumParams(static_cast<DatumType>(d), &p);
        PrintDatum(g.json, first, d, name, false, has ? &p : nullptr, m);
    }
    if (!g.profile.empty()) {
        const char* prof = g.profile.c_str();
        for (int i = DatNumDatums(); i < NDatNumDatums(prof); ++i) {
            char name[NDAT_NAME_BUFSIZE];
            if (!NDatEnumDatumName(prof, name, i)) continue;
            DATUM2WGS84 p;
            std::memset(&p, 0, sizeof p);
            bool has = NDatGetDatumParams(prof, name, &p);
            PrintDatum(g.json, first, i, name, true, has ? &p : nullptr, has ? p.Method : -1);
        }
    }
    if (g.json) std::cout << "\n]\n";
}

// --- qvproj custom-datum ----------------------------------------------------------

struct CustomOptions {
    std::string profile, name;
    ParamOptions params;
    bool json = false;
};

void RunCustomList(const CustomOptions& g) {
    CheckProfile(g.profile, true);
    const char* prof = g.profile.c_str();
    for (int i = DatNumDatums(); i < NDatNumDatums(prof); ++i) {
        char name[NDAT_NAME_BUFSIZE];
        if (NDatEnumDatumName(prof, name, i)) std::printf("%d\t%s\n", i, name);
    }
}

void RunCustomShow(const CustomOptions& g) {
    CheckProfile(g.profile, true);
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    const char* prof = g.profile.c_str();
    int index = 0;
    if (!NDatExists(prof, g.name.c_str(), &index))
        qvcli::Usage("no datum " + qvcli::Quote(g.name) + " in " + qvcli::Quote(g.profile));
    if (!NDatGetDatumParams(prof, g.name.c_str(), &p))
        qvcli::Fail("datum " + qvcli::Quote(g.name) + " has no parameters that can be read");
    bool first = true;
    if (g.json) std::cout << "[";
    PrintDatum(g.json, first, index, g.name.c_str(), index >= DatNumDatums(), &p, p.Method);
    if (g.json) std::cout << "\n]\n";
}

void RunCustomSave(const CustomOptions& g) {
    CheckCustomName(g.name);
    DATUM2WGS84 p = ParamsFromOptions(g.params);
    DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.DstDatum = DatWGS1984;
    x.SrcParams = p;
    char text[512];
    if (DatCheckParams(&x, text, false) != 0) qvcli::Usage(text);
    CheckProfile(g.profile, false);
    if (!NDatSave(g.profile.c_str(), g.name.c_str(), &p))
        qvcli::Fail("cannot save " + qvcli::Quote(g.name) + " in " + qvcli::Quote(g.profile) +
                    ": " + WhyNotWritten(g.profile));
}

void RunCustomDelete(const CustomOptions& g) {
    if (NDatIsBuiltIn(nullptr, g.name.c_str(), nullptr))
        qvcli::Usage(qvcli::Quote(g.name) + " is a built-in datum name");
    CheckProfile(g.profile, true);
    if (!NDatExists(g.profile.c_str(), g.name.c_str(), nullptr))
        qvcli::Usage("no custom datum " + qvcli::Quote(g.name) + " in " + qvcli::Quote(g.profile));
    if (!NDatDelete(g.profile.c_str(), g.name.c_str()))
        qvcli::Fail("cannot delete " + qvcli::Quote(g.name) + " from " + qvcli::Quote(g.profile) +
                    ": " + WhyNotWritten(g.profile));
}

qvcli::Registrar reg(40, [](CLI::App& app) {
    auto d = std::make_shared<DatumOptions>();
    auto* datum = app.add_subcommand(
        "datum", "Shift \"lon lat\" points (stdin or files) from one datum to another");
    datum
        ->add_option("--from", d->from,
                     "Source datum: number, catalogue or custom name, "
                     "or \"user\" with the parameter options")
        ->required();
    datum->add_option("--to", d->to, "Destination datum (as --from)")->required();
    datum->add_option("--profile", d->profile, "Profile file holding custom datums");
    AddParamOptions(datum, d->params);
    qvcli::AddPrecisionOption(datum, d->precision, "Decimals written, 0 to 15 (default 9)");
    datum->add_flag("--strict", d->strict, "Stop at the first line that cannot be read");
    datum->add_option("files", d->files, "Input files (none or -: standard input)");
    datum->callback([d] { RunDatum(*d); });

    auto l = std::make_shared<ListOptions>();
    auto* datums = app.add_subcommand(
        "datums", "List the datum catalogue: number, name, method, ellipsoid, parameters");
    datums->add_flag("--json", l->json, "Write JSON");
    datums->add_option("--profile", l->profile, "Also list the custom datums of this file");
    datums->callback([l] { RunDatums(*l); });

    auto c = std::make_shared<CustomOptions>();
    auto* custom = app.add_subcommand("custom-datum", "Named custom datums in a profile file");
    custom->require_subcommand(1);
    custom->fallthrough();
    custom->add_option("--profile", c->profile, "Profile file")->required();
    auto* list = custom->add_subcommand("list", "List the custom datums");
    list->callback([c] { RunCustomList(*c); });
    auto* show = custom->add_subcommand("show", "Show the parameters of a datum");
    show->add_option("name", c->name, "Datum name")->required();
    show->add_flag("--json", c->json, "Write JSON");
    show->callback([c] { RunCustomShow(*c); });
    auto* save = custom->add_subcommand("save", "Save a datum from the parameter options");
    save->add_option("name", c->name, "Datum name")->required();
    AddParamOptions(save, c->params);
    save->callback([c] { RunCustomSave(*c); });
    auto* del = custom->add_subcommand("delete", "Delete a datum");
    del->add_option("name", c->name, "Datum name")->required();
    del->callback([c] { RunCustomDelete(*c); });
});

} // namespace
