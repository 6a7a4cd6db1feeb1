// qvproj georef: fits a georeference to control points (or takes known
// affine coefficients), reports coefficients and residuals, and maps points.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "points.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct Options {
    std::string method;
    std::string controls;
    std::string coefficients;
    bool transform = false;
    bool json = false;
    int precision = 6;
};

// Short names beside the display names and the numbers.
struct Alias {
    const char* name;
    TransformMethod method;
};
constexpr Alias kAliases[] = {
    {"helmert", RefHelmert},
    {"affine", RefAffine},
    {"bilinear", RefFirstOrder},
    {"first", RefFirstOrder},
    {"second", RefSecondOrder},
    {"third", RefThirdOrder},
    {"coefficients", RefCoefficients},
    {"tps", RefThinPlateSpline},
    {"cubic", RefNaturalCubicSpline},
    {"marcov", RefMarcovSpline},
    {"exponential", RefExponentialSpline},
    {"rational", RefRationalQuadraticSpline},
    {"idw", RefInverseDistanceSquared},
};

TransformMethod ParseMethod(const std::string& text) {
    int number = 0;
    if (qvcli::ParseInt(text, number)) {
        if (RefMethodName(static_cast<TransformMethod>(number))[0] == '\0')
            qvcli::Usage("--method " + text + " is outside 0 to 11 (see qvproj georef --help)");
        return static_cast<TransformMethod>(number);
    }
    const std::string want = qvcli::NameKey(text);
    for (const Alias& a : kAliases)
        if (want == a.name) return a.method;
    for (int m = 0; RefMethodName(static_cast<TransformMethod>(m))[0] != '\0'; ++m)
        if (want == qvcli::NameKey(RefMethodName(static_cast<TransformMethod>(m))))
            return static_cast<TransformMethod>(m);
    qvcli::Usage(
        "--method: unknown method " + qvcli::Quote(text) +
        " (a number 0 to 11, a name such as \"Thin Plate Spline\", or helmert, affine, bilinear, "
        "second, third, coefficients, tps, cubic, marcov, exponential, rational, idw)");
}

// The numbers of a text, blanks or commas between; false when a field is
// not a number.
bool SplitNumbers(const std::string& text, std::vector<double>& out) {
    out.clear();
    std::string t = text;
    for (char& c : t)
        if (c == ',') c = ' ';
    std::istringstream ss(t);
    std::string field;
    while (ss >> field) {
        double v = 0;
        if (!qvcli::ParseDouble(field, v)) return false;
        out.push_back(v);
    }
    return true;
}

struct Controls {
    std::vector<GEOREFPOINT> src, dst;
};

Controls ReadControls(const std::string& path) {
    qvcli::CheckInputFile(path, "control point file");
    Controls c;
    std::vector<double> v;
    qvcli::ForEachLine(path, [&](std::string& line, long n) {
        if (!SplitNumbers(line.substr(0, line.find('#')), v) || (!v.empty() && v.size() != 4))
            qvcli::Fail(path + ":" + std::to_string(n) +
                        ": expected four numbers: srcx srcy dstx dsty: " + qvcli::Quote(line));
        if (v.empty()) return;
        c.src.push_back({v[0], v[1]});
        c.dst.push_back({v[2], v[3]});
    });
    return c;
}

// The record the options describe; its control arrays point into `c`.
GEOREF BuildRecord(const Options& o, TransformMethod method, Controls& c) {
    GEOREF ref{};
    ref.Method = method;
    if (!o.coefficients.empty()) {
        std::vector<double> k;
        if (!SplitNumbers(o.coefficients, k) || k.size() != 6)
            qvcli::Usage("--coefficients wants six numbers A,B,C,D,E,F");
        ref.A = k[0], ref.B = k[1], ref.C = k[2], ref.D = k[3], ref.E = k[4], ref.F = k[5];
    }
    if (!o.controls.empty()) c = ReadControls(o.controls);
    const int n = static_cast<int>(c.src.size());
    if (n < RefMinControls(method))
        qvcli::Fail(std::string(RefMethodName(method)) + " needs at least " +
                    std::to_string(RefMinControls(method)) + " control points, " +
                    qvcli::Quote(o.controls) + " has " + std::to_string(n));
    if (method != RefCoefficients && n > 0) {
        ref.NumControls = n;
        ref.pSrcControls = c.src.data();
        ref.pDstControls = c.dst.data();
    }
    return ref;
}

struct Report {
    TransformMethod method;
    int controls = 0;
    int terms = 0;
    double cx[10] = {}, cy[10] = {};
    std::vector<GEOREFPOINT> fitted;
    std::vector<double> errors;
    double mean = 0;
    std::string note;
};

// True when the controls turn the plane over (pixel rows run downwards while
// northings run upwards): the affine fit of them has a negative determinant.
bool Mirrored(const GEOREF& ref) {
    if (ref.NumControls < RefMinControls(RefAffine)) return false;
    GEOREF affine = ref;
    affine.Method = RefAffine;
    CGeorefTransform fit(&affine);
    double cx[10], cy[10];
    return fit.IsCreated() && RefGetCoefficients(fit.Handle(), cx, cy) == 3 &&
           cx[1] * cy[2] - cx[2] * cy[1] < 0;
}

Report Evaluate(const CGeorefTransform& fit, const GEOREF& ref, const Controls& c) {
    Report r;
    r.method = ref.Method;
    r.controls = static_cast<int>(c.src.size());
    r.terms = RefGetCoefficients(fit.Handle(), r.cx, r.cy);
    if (r.controls == 0) return r;
    r.fitted = c.src;
    fit.Forward(r.fitted.data(), r.controls);
    r.errors.resize(c.src.size());
    if (ref.Method != RefCoefficients) {
        fit.ComputeError(&r.mean, r.errors.data());
    } else {
        // Known coefficients have no fit to measure; the controls given
        // beside them are still worth a comparison.
        double sum = 0;
        for (size_t i = 0; i < c.src.size(); ++i)
            sum += r.errors[i] = std::hypot(c.dst[i].x - r.fitted[i].x, c.dst[i].y - r.fitted[i].y);
        r.mean = sum / r.controls;
    }
    if (ref.Method == RefHelmert && Mirrored(ref))
        r.note = "the control points are mirrored (pixel rows run downwards?): a Helmert "
                 "similarity cannot reflect them; the affine method can (--method affine)";
    return r;
}

std::string Num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

std::string JsonPoint(const GEOREFPOINT& p) {
    return "[" + qvcli::JsonNumber(p.x) + ", " + qvcli::JsonNumber(p.y) + "]";
}

void PrintJson(const Report& r, const Controls& c, const std::string* points) {
    std::ostringstream o;
    o << "{\"method\": " << r.method << ", \"name\": " << qvcli::JsonString(RefMethodName(r.method))
      << ", \"controls\": " << r.controls;
    if (r.method == RefHelmert)
        o << ", \"helmert\": {\"a\": " << qvcli::JsonNumber(r.cx[1])
          << ", \"b\": " << qvcli::JsonNumber(r.cy[1]) << ", \"c\": " << qvcli::JsonNumber(r.cx[0])
          << ", \"d\": " << qvcli::JsonNumber(r.cy[0]) << "}";
    if (r.terms > 0) {
        std::string names, xs, ys;
        for (int j = 0; j < r.terms; ++j) {
            names += (j ? ", " : "") + qvcli::JsonString(RefTermName(r.method, j));
            xs += (j ? ", " : "") + qvcli::JsonNumber(r.cx[j]);
            ys += (j ? ", " : "") + qvcli::JsonNumber(r.cy[j]);
        }
        o << ", \"terms\": [" << names << "], \"x_coefficients\": [" << xs
          << "], \"y_coefficients\": [" << ys << "]";
    }
    if (!r.errors.empty()) {
        o << ", \"residuals\": [";
        for (size_t i = 0; i < r.errors.size(); ++i)
            o << (i ? ", " : "") << "{\"src\": " << JsonPoint(c.src[i])
              << ", \"dst\": " << JsonPoint(c.dst[i]) << ", \"fitted\": " << JsonPoint(r.fitted[i])
              << ", \"error\": " << qvcli::JsonNumber(r.errors[i]) << "}";
        o << "], \"mean_error\": " << qvcli::JsonNumber(r.mean);
    }
    if (!r.note.empty()) o << ", \"note\": " << qvcli::JsonString(r.note);
    if (points) o << ", \"points\": [" << *points << "]";
    std::cout << o.str() << "}\n";
}

void PrintText(const Report& r, const Controls& c, std::FILE* out) {
    std::fprintf(out, "method      %d  %s\ncontrols    %d\n", static_cast<int>(r.method),
                 RefMethodName(r.method), r.controls);
    if (r.method == RefHelmert)
        std::fprintf(out,
                     "helmert     x' = a x - b y + c,  y' = b x + a y + d\n"
                     "            a = %.15g  b = %.15g\n            c = %.15g  d = %.15g\n",
                     r.cx[1], r.cy[1], r.cx[0], r.cy[0]);
    if (r.terms > 0) {
        std::fprintf(out, "%-10s %24s %24s\n", "term", "x'", "y'");
        for (int j = 0; j < r.terms; ++j)
            std::fprintf(out, "%-10s %24.15g %24.15g\n", RefTermName(r.method, j), r.cx[j],
                         r.cy[j]);
    } else {
        std::fprintf(out, "(an interpolating model: no coefficients to show)\n");
    }
    if (!r.errors.empty()) {
        std::fprintf(out, "%4s %12s %12s %16s %16s %16s %16s %12s\n", "#", "srcx", "srcy", "dstx",
                     "dsty", "fitted x", "fitted y", "residual");
        for (size_t i = 0; i < r.errors.size(); ++i)
            std::fprintf(out, "%4zu %12s %12s %16s %16s %16.6f %16.6f %12.6f\n", i,
                         Num(c.src[i].x).c_str(), Num(c.src[i].y).c_str(), Num(c.dst[i].x).c_str(),
                         Num(c.dst[i].y).c_str(), r.fitted[i].x, r.fitted[i].y, r.errors[i]);
        std::fprintf(out, "mean residual %.6f\n", r.mean);
    }
    if (!r.note.empty()) std::fprintf(out, "note: %s\n", r.note.c_str());
}

// Maps "x y" lines from stdin as fwd does; with json the mapped points
// (null for lines without one) are gathered instead of written.
void Transform(const Options& o, const CGeorefTransform& fit, std::string* json) {
    qvcli::PointStreamOptions options;
    options.precision = o.precision;
    std::vector<GEOREFPOINT> work;
    std::ostringstream discard;
    qvcli::StreamPoints(
        {}, options,
        [&](PROJPOINT* pts, int n) {
            // Points that hold the marker ("*" in the input) stay as they are.
            work.clear();
            for (int i = 0; i < n; ++i)
                if (pts[i].x != UNPLOTTABLE) work.push_back({pts[i].x, pts[i].y});
            if (!work.empty() && !fit.Forward(work.data(), static_cast<int>(work.size())))
                qvcli::Fail("the georeference could not map the points");
            for (int i = 0, k = 0; i < n; ++i) {
                if (pts[i].x != UNPLOTTABLE) pts[i] = {work[k].x, work[k].y}, ++k;
                if (json)
                    *json += (json->empty() ? "" : ", ") + (pts[i].x == UNPLOTTABLE
                                                                ? std::string("null")
                                                                : JsonPoint({pts[i].x, pts[i].y}));
            }
        },
        json ? static_cast<std::ostream&>(discard) : std::cout);
}

void Run(const Options& o) {
    const bool haveCoeff = !o.coefficients.empty();
    if (o.method.empty() && !haveCoeff) qvcli::Usage("give --method NAME|NUMBER (see --help)");
    const TransformMethod method = o.method.empty() ? RefCoefficients : ParseMethod(o.method);
    if (haveCoeff && method != RefCoefficients)
        qvcli::Usage("--coefficients goes with method 5 (coefficients) only");
    if (method == RefCoefficients && !haveCoeff)
        qvcli::Usage("method 5 takes --coefficients A,B,C,D,E,F");
    if (method != RefCoefficients && o.controls.empty())
        qvcli::Usage("give --controls FILE with lines: srcx srcy dstx dsty");

    Controls c;
    const GEOREF ref = BuildRecord(o, method, c);
    const CGeorefTransform fit(&ref);
    if (!fit.IsCreated())
        qvcli::Fail("cannot fit " + std::string(RefMethodName(method)) + " to the " +
                    std::to_string(c.src.size()) +
                    " control points (collinear or coincident points, or a spline that would "
                    "have to fall back to a simpler model)");
    const Report report = Evaluate(fit, ref, c);
    if (o.json) {
        std::string points;
        // The report waits for the points: a line that cannot be read ends
        // the run after the JSON is written.
        try {
            if (o.transform) Transform(o, fit, &points);
        } catch (const qvcli::Failure&) {
            PrintJson(report, c, &points);
            throw;
        }
        PrintJson(report, c, o.transform ? &points : nullptr);
        return;
    }
    // With --transform the points own stdout and the report goes to stderr.
    PrintText(report, c, o.transform ? stderr : stdout);
    if (o.transform) Transform(o, fit, nullptr);
}

qvcli::Registrar reg(60, [](CLI::App& app) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand(
        "georef",
        "Fit a georeference to control points, show coefficients and residuals, map points");
    cmd->add_option("--method,-m", o->method,
                    "0 helmert, 1 affine, 2 bilinear, 3 second, 4 third, 5 coefficients, 6 tps, "
                    "7 cubic, 8 marcov, 9 exponential, 10 rational, 11 idw (number, short or "
                    "display name)");
    cmd->add_option("--controls,-c", o->controls,
                    "Control point file: 'srcx srcy dstx dsty' per line, # comments");
    cmd->add_option("--coefficients", o->coefficients,
                    "Known affine coefficients A,B,C,D,E,F (method 5): x' = Ax+By+C, y' = Dx+Ey+F");
    cmd->add_flag("--transform,-t", o->transform,
                  "Map 'x y' lines from stdin to stdout as fwd does (the report then goes to "
                  "stderr)");
    qvcli::AddPrecisionOption(cmd, o->precision,
                              "Decimals of the mapped points, 0 to 15 (default 6)");
    cmd->add_flag("--json", o->json, "Write the fit report (and mapped points) as JSON");
    cmd->callback([o] { Run(*o); });
});

} // namespace
