// qvproj sidefile show: what a cartographic reference file, a Blue Marble RSF
// file or an ESRI world file holds, as the library reads it.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <strings.h>

#include <string>

#include "cli.h"
#include "qvlibw/qvlibw.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct {
    std::string file;
    bool json = false;
} g;

enum class Kind { Reference, Rsf, World };

// The library's message of the last error it reported.
std::string g_message;
int CaptureError(const _QVERRINFO* info) {
    if (info->Flags & QVERR_DETAIL) g_message = info->pMessage ? info->pMessage : "";
    return 1;
}

// Extensions compare ignoring the case of letters, as file names do on the
// systems that make most of these files.
bool SameLetters(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

Kind KindOf(const std::string& file) {
    const std::string name = std::filesystem::path(file).filename().string();
    const std::size_t dot = name.rfind('.');
    const std::string ext = dot == std::string::npos || dot == 0 ? "" : name.substr(dot + 1);
    if (name.size() >= 5 && SameLetters(name.substr(name.size() - 3), "qvr"))
        return Kind::Reference;
    if (SameLetters(ext, "rsf")) return Kind::Rsf;
    if (SameLetters(ext, "wld") || (ext.size() >= 2 && (ext.back() == 'w' || ext.back() == 'W')))
        return Kind::World;
    // A usage error: exit status 2.
    throw CLI::ValidationError("cannot tell the kind of side file from the name '" + file +
                                   "' (a reference file ends in qvr, an RSF file in .rsf, a "
                                   "world file in .wld or an extension ending in w)",
                               2);
}

// A label followed by blanks up to `width` characters (one blank at least).
std::string Pad(const std::string& label, std::size_t width) {
    return label + std::string(label.size() < width ? width - label.size() : 1, ' ');
}

// Numbers as they read back; the non-finite ones in words.
std::string Num(double v) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    return qvcli::JsonNumber(v);
}

std::string EllipsoidText(EllipsoidType e, double radius, double flattening, bool json) {
    char name[128] = "";
    if (!EllipsoidInfo(e, name, &radius, &flattening))
        std::snprintf(name, sizeof name, "user defined");
    if (json)
        return "{\"number\": " + std::to_string(e) + ", \"name\": " + qvcli::JsonString(name) +
               ", \"radius\": " + qvcli::JsonNumber(radius) +
               ", \"flattening\": " + qvcli::JsonNumber(flattening) + "}";
    return std::string(name) + " (" + std::to_string(e) + "), a " + Num(radius) + ", f " +
           Num(flattening);
}

// The projection and its parameters in the order hosts present them.
void ShowProjection(std::ostream& o, const PROJDATA& p) {
    char name[128] = "";
    ProjGetProjectionInfo(p.Type, name);
    if (g.json) {
        o << "{\"type\": " << p.Type << ", \"name\": " << qvcli::JsonString(name)
          << ", \"parameters\": [";
    } else {
        o << "projection      " << name << " (type " << p.Type << ")\n";
    }
    bool first = true;
    for (int i = 0, param; (param = ProjEnumParam(p.Type, i)) != PP_END && param > 0; ++i) {
        char pname[128] = "";
        ProjDataType type = PDT_NONE;
        if (param == PP_TYPE || !ProjParamInfo(param, pname, &type, nullptr, nullptr)) continue;
        std::string value;
        if (type == PDT_DOUBLE) {
            double v = 0;
            ProjGetParam(&p, param, &v);
            value = g.json ? qvcli::JsonNumber(v) : Num(v);
        } else if (type == PDT_BOOL) {
            bool v = false;
            ProjGetParam(&p, param, &v);
            value = g.json ? (v ? "true" : "false") : (v ? "yes" : "no");
        } else if (type == PDT_STATEZONE) {
            char zone[128] = "";
            ProjGetStateZoneInfo(p.Zone, zone, nullptr);
            value = g.json ? qvcli::JsonString(zone)
                           : std::string(zone) + " (" + std::to_string(p.Zone) + ")";
        } else if (type == PDT_ELLIPSOID) {
            value = EllipsoidText(p.Ellipsoid, p.MajorRadius, p.Flattening, g.json);
        } else {
            continue;
        }
        if (g.json)
            o << (first ? "" : ", ") << "{\"name\": " << qvcli::JsonString(pname)
              << ", \"value\": " << value << "}";
        else
            o << "  " << Pad(pname, 34) << value << "\n";
        first = false;
    }
    if (g.json) o << "]}";
}

void ShowDatum(std::ostream& o, DatumType datum, const DATUM2WGS84& d) {
    char name[DATUM_NAME_BUFSIZE] = "";
    DatGetDatumName(datum, name);
    static const char* const kMethods[] = {"none", "NADCON", "Bursa-Wolf", "Molodensky", "", "MRE"};
    const bool known = d.Method >= 0 && d.Method <= 5 && d.Method != 4;
    const std::string method = known ? kMethods[d.Method] : "unknown";
    const bool shifts = d.Method == DatMethodBursaWolf || d.Method == DatMethodMolodensky;
    const bool rotations = d.Method == DatMethodBursaWolf;
    if (g.json) {
        o << "{\"number\": " << datum << ", \"name\": " << qvcli::JsonString(name)
          << ", \"method\": " << d.Method << ", \"method_name\": " << qvcli::JsonString(method);
        if (shifts)
            o << ", \"ellipsoid\": "
              << EllipsoidText(d.Ellipsoid, d.MajorRadius, d.Flattening, true)
              << ", \"prime_meridian\": " << qvcli::JsonNumber(d.PrimeMeridian)
              << ", \"dx\": " << qvcli::JsonNumber(d.dX) << ", \"dy\": " << qvcli::JsonNumber(d.dY)
              << ", \"dz\": " << qvcli::JsonNumber(d.dZ);
        if (rotations)
            o << ", \"rx\": " << qvcli::JsonNumber(d.rX) << ", \"ry\": " << qvcli::JsonNumber(d.rY)
              << ", \"rz\": " << qvcli::JsonNumber(d.rZ)
              << ", \"scale_ppm\": " << qvcli::JsonNumber(d.Scale);
        o << "}";
        return;
    }
    o << "datum           " << name << " (" << datum << "), method " << method << "\n";
    if (shifts)
        o << "  ellipsoid                         "
          << EllipsoidText(d.Ellipsoid, d.MajorRadius, d.Flattening, false) << "\n"
          << "  prime meridian shift (degrees)    " << Num(d.PrimeMeridian) << "\n"
          << "  shift to WGS84 dX dY dZ (m)       " << Num(d.dX) << " " << Num(d.dY) << " "
          << Num(d.dZ) << "\n";
    if (rotations)
        o << "  rotation rX rY rZ (arcseconds)    " << Num(d.rX) << " " << Num(d.rY) << " "
          << Num(d.rZ) << "\n"
          << "  scale (ppm)                       " << Num(d.Scale) << "\n";
}

void ShowGeoref(std::ostream& o, const GEOREF& r) {
    const char* name = RefMethodName(r.Method);
    const bool coefficients = r.Method == RefCoefficients;
    const double c[6] = {r.A, r.B, r.C, r.D, r.E, r.F};
    if (g.json) {
        o << "{\"method\": " << r.Method << ", \"name\": " << qvcli::JsonString(name);
        if (coefficients) {
            o << ", \"coefficients\": {";
            for (int i = 0; i < 6; ++i)
                o << (i ? ", " : "") << "\"" << static_cast<char>('A' + i)
                  << "\": " << qvcli::JsonNumber(c[i]);
            o << "}";
        } else {
            o << ", \"controls\": [";
            for (int i = 0; i < r.NumControls; ++i)
                o << (i ? ", " : "") << "{\"src\": [" << qvcli::JsonNumber(r.pSrcControls[i].x)
                  << ", " << qvcli::JsonNumber(r.pSrcControls[i].y) << "], \"dst\": ["
                  << qvcli::JsonNumber(r.pDstControls[i].x) << ", "
                  << qvcli::JsonNumber(r.pDstControls[i].y) << "]}";
            o << "]";
        }
        o << "}";
        return;
    }
    o << "georeference    " << name << " (method " << r.Method << ")";
    if (coefficients) {
        o << "\n  x' = A column + B row + C       A " << Num(r.A) << "  B " << Num(r.B) << "  C "
          << Num(r.C) << "\n  y' = D column + E row + F       D " << Num(r.D) << "  E " << Num(r.E)
          << "  F " << Num(r.F) << "\n";
        return;
    }
    o << ", " << r.NumControls << " control point" << (r.NumControls == 1 ? "" : "s") << "\n";
    if (r.NumControls > 0) o << "  #  source x  source y  destination x  destination y\n";
    for (int i = 0; i < r.NumControls; ++i)
        o << "  " << i << "  " << Num(r.pSrcControls[i].x) << "  " << Num(r.pSrcControls[i].y)
          << "  " << Num(r.pDstControls[i].x) << "  " << Num(r.pDstControls[i].y) << "\n";
}

void Show() {
    const Kind kind = KindOf(g.file);
    static QVCallerInstance instance(CaptureError);
    QVSetCallerInstancePtr(&instance);
    const char* file = g.file.c_str();
    auto failed = [&](const std::string& why) {
        qvcli::Fail(g.file + ": " + (g_message.empty() ? why : g_message + " (" + why + ")"));
    };

    PROJDATA proj{};
    DatumType datum = DatNone;
    DATUM2WGS84 params{};
    GEOREF ref{};
    unsigned flags = 0;
    const char* kindName = "";
    switch (kind) {
    case Kind::Reference:
        kindName = "reference file";
        if (!QVProjRefFileReadEx(file, &proj, &datum, &params, &ref, &flags))
            failed("no cartographic reference file header");
        if (!(flags & SF_FOUND)) {
            std::error_code ec;
            if (std::filesystem::is_regular_file(g.file, ec))
                qvcli::Fail(g.file +
                            ": a reference file of a later version than 1.10; nothing read");
            qvcli::Fail("cannot open '" + g.file + "'");
        }
        break;
    case Kind::Rsf:
        kindName = "RSF file";
        if (!QVProjReadBlueMarbleRSFFile(file, &ref, &flags))
            failed("cannot read the control points");
        if (!(flags & SF_FOUND)) qvcli::Fail("cannot open '" + g.file + "'");
        if (!(flags & SF_CONTROLS))
            qvcli::Fail(g.file +
                        ": no control points (a count below 1, or fewer point lines than it)");
        break;
    case Kind::World:
        kindName = "world file";
        if (!QVProjReadESRIWorldFile(file, &ref, &flags)) failed("cannot read the coefficients");
        if (!(flags & SF_FOUND)) qvcli::Fail("cannot open '" + g.file + "'");
        if (!(flags & SF_COEFFICIENTS))
            qvcli::Fail(g.file + ": fewer than six complete lines; no coefficients");
        break;
    }
    const bool haveProj = flags & SF_PROJECTION;
    const bool haveDatum = flags & SF_DATUM;
    const bool haveRef = flags & (SF_COEFFICIENTS | SF_CONTROLS);

    std::ostringstream o;
    if (g.json) {
        const char* kinds[] = {"reference", "rsf", "world"};
        o << "{\"file\": " << qvcli::JsonString(g.file)
          << ", \"kind\": " << qvcli::JsonString(kinds[static_cast<int>(kind)])
          << ", \"projection\": ";
        if (haveProj)
            ShowProjection(o, proj);
        else
            o << "null";
        o << ", \"datum\": ";
        if (haveDatum)
            ShowDatum(o, datum, params);
        else
            o << "null";
        o << ", \"georeference\": ";
        if (haveRef)
            ShowGeoref(o, ref);
        else
            o << "null";
        o << "}\n";
    } else {
        o << Pad(kindName, 16) << g.file << "\n";
        if (kind == Kind::Reference) {
            if (haveProj)
                ShowProjection(o, proj);
            else
                o << "projection      none\n";
            if (haveDatum)
                ShowDatum(o, datum, params);
            else
                o << "datum           none\n";
        }
        if (haveRef)
            ShowGeoref(o, ref);
        else
            o << "georeference    none\n";
    }
    RefFreeControls(&ref);
    std::cout << o.str();
}

qvcli::Registrar reg(65, [](CLI::App& app) {
    auto* cmd = app.add_subcommand("sidefile", "Georeference side files of images");
    cmd->require_subcommand(1);
    auto* show = cmd->add_subcommand(
        "show", "Show what a reference file (*qvr), RSF file (*.rsf) or world file (*.wld, *.tfw, "
                "*.jgw, ...) holds, as the library reads it");
    show->add_option("FILE", g.file, "The side file; its kind is known from its name")->required();
    show->add_flag("--json", g.json, "Write the contents as JSON");
    show->callback(Show);
});

} // namespace
