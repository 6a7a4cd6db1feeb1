// qvproj georef: fits a georeference to control points (or takes known
// affine coefficients), reports coefficients and residuals, and maps points.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct {
    std::string method;
    std::string controls;
    std::string coefficients;
    bool transform = false;
    bool json = false;
} g;

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
// Fewest control points per method 0 to 11 (the splines through the image
// registration, which needs 4).
constexpr int kNeeded[] = {2, 3, 4, 6, 10, 0, 4, 4, 4, 4, 4, 4};

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TransformMethod ParseMethod(const std::string& text) {
    int number = 0;
    if (qvcli::ParseInt(text, number)) {
        if (number < 0 || number > 11)
            qvcli::Fail("method " + text + " is outside 0 to 11 (see qvproj georef --help)");
        return static_cast<TransformMethod>(number);
    }
    std::string want = Lower(text);
    for (const Alias& a : kAliases)
        if (want == a.name) return a.method;
    for (int m = 0; m <= 11; ++m)
        if (want == Lower(RefMethodName(static_cast<TransformMethod>(m))))
            return static_cast<TransformMethod>(m);
    qvcli::Fail(
        "unknown method '" + text +
        "' (a number 0 to 11, a name such as \"Thin Plate Spline\", or helmert, affine, bilinear, "
        "second, third, coefficients, tps, cubic, marcov, exponential, rational, idw)");
}

// Numbers of one text line, '#' starting a comment. False when a field is
// not a number.
bool SplitNumbers(const std::string& line, std::vector<double>& out) {
    out.clear();
    std::istringstream ss(line.substr(0, line.find('#')));
    std::string field;
    while (ss >> field) {
        double v = 0;
        if (!qvcli::ParseDouble(field, v)) return false;
        out.push_back(v);
    }
    return true;
}

struct Pair {
    GEOREFPOINT src, dst;
};

std::vector<Pair> ReadControls(const std::string& path) {
    std::ifstream f(path);
    if (!f) qvcli::Fail("cannot open control point file '" + path + "'");
    std::vector<Pair> pairs;
    std::string line;
    std::vector<double> v;
    for (int n = 1; std::getline(f, line); ++n) {
        if (!SplitNumbers(line, v) || (!v.empty() && v.size() != 4))
            qvcli::Fail(path + ":" + std::to_string(n) +
                        ": expected four numbers: srcx srcy dstx dsty");
        if (v.empty()) continue;
        for (double d : v)
            if (!std::isfinite(d))
                qvcli::Fail(path + ":" + std::to_string(n) + ": coordinates must be finite");
        pairs.push_back({{v[0], v[1]}, {v[2], v[3]}});
    }
    return pairs;
}

const char* kTermNames[2][10] = {
    {"1", "x", "y", "x^2", "x*y", "y^2", "x^3", "x^2*y", "x*y^2", "y^3"},
    {"1", "x", "y", "x*y", "", "", "", "", "", ""},
};

std::string Num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    return buf;
}

void Run() {
    const bool haveCoeff = !g.coefficients.empty();
    if (g.method.empty() && !haveCoeff) qvcli::Fail("give --method NAME|NUMBER (see --help)");
    const TransformMethod method = g.method.empty() ? RefCoefficients : ParseMethod(g.method);
    if (haveCoeff && method != RefCoefficients)
        qvcli::Fail("--coefficients goes with method 5 (coefficients) only");
    if (method == RefCoefficients && !haveCoeff)
        qvcli::Fail("method 5 takes --coefficients A,B,C,D,E,F");
    if (method != RefCoefficients && g.controls.empty())
        qvcli::Fail("give --controls FILE with lines: srcx srcy dstx dsty");

    GEOREF ref{};
    ref.Method = method;
    if (haveCoeff) {
        std::vector<double> c;
        std::string text = g.coefficients;
        for (char& ch : text)
            if (ch == ',') ch = ' ';
        if (!SplitNumbers(text, c) || c.size() != 6)
            qvcli::Fail("--coefficients wants six numbers A,B,C,D,E,F");
        ref.A = c[0], ref.B = c[1], ref.C = c[2], ref.D = c[3], ref.E = c[4], ref.F = c[5];
    }
    std::vector<Pair> pairs;
    if (!g.controls.empty()) pairs = ReadControls(g.controls);
    const int n = static_cast<int>(pairs.size());
    if (method != RefCoefficients && n < kNeeded[method])
        qvcli::Fail(std::string(RefMethodName(method)) + " needs at least " +
                    std::to_string(kNeeded[method]) + " control points, " + g.controls + " has " +
                    std::to_string(n));
    std::vector<GEOREFPOINT> src, dst;
    for (const Pair& p : pairs) src.push_back(p.src), dst.push_back(p.dst);
    if (method != RefCoefficients && n > 0) {
        ref.NumControls = n;
        ref.pSrcControls = src.data();
        ref.pDstControls = dst.data();
    }

    CGeorefTransform fit(&ref);
    if (!fit.IsCreated())
        qvcli::Fail("cannot fit " + std::string(RefMethodName(method)) + " to the " +
                    std::to_string(n) +
                    " control points (collinear or coincident points, or a spline that would "
                    "have to fall back to a simpler model)");

    // Coefficients, when the method has them.
    GEOREF info{};
    fit.GetInfo(&info);
    double cx[10] = {}, cy[10] = {};
    std::vector<double> mapped(static_cast<std::size_t>(2 * n));
    std::vector<double> errors(static_cast<std::size_t>(n));
    double mean = 0;
    bool haveErrors = false;
    if (n > 0) {
        std::vector<GEOREFPOINT> work = src;
        fit.Forward(work.data(), n);
        for (int i = 0; i < n; ++i) mapped[2 * i] = work[i].x, mapped[2 * i + 1] = work[i].y;
        if (method != RefCoefficients) {
            haveErrors = fit.ComputeError(&mean, errors.data());
        } else {
            // Known coefficients have no fit to measure; the controls given
            // beside them are still worth a comparison.
            double sum = 0;
            for (int i = 0; i < n; ++i) {
                errors[i] = std::hypot(dst[i].x - work[i].x, dst[i].y - work[i].y);
                sum += errors[i];
            }
            mean = sum / n;
            haveErrors = true;
        }
    }
    // The coefficient accessor needs the handle; a second handle from the
    // same record gives the same fit.
    HGEOREF h = RefCreateSystem(&ref);
    const int terms = RefGetCoefficients(h, cx, cy);
    RefDeleteSystem(h);
    const char* const* names = kTermNames[method == RefFirstOrder ? 1 : 0];

    // Points from stdin.
    std::vector<GEOREFPOINT> points;
    if (g.transform) {
        std::string line;
        std::vector<double> v;
        for (int ln = 1; std::getline(std::cin, line); ++ln) {
            if (!SplitNumbers(line, v) || (!v.empty() && v.size() != 2))
                qvcli::Fail("stdin line " + std::to_string(ln) + ": expected two numbers: x y");
            if (v.empty()) continue;
            points.push_back({v[0], v[1]});
        }
        if (!points.empty()) fit.Forward(points.data(), static_cast<int>(points.size()));
    }

    if (g.json) {
        std::ostringstream o;
        o << "{\"method\": " << method << ", \"name\": " << qvcli::JsonString(RefMethodName(method))
          << ", \"controls\": " << n;
        if (method == RefHelmert) {
            o << ", \"helmert\": {\"a\": " << qvcli::JsonNumber(cx[1])
              << ", \"b\": " << qvcli::JsonNumber(cy[1]) << ", \"c\": " << qvcli::JsonNumber(cx[0])
              << ", \"d\": " << qvcli::JsonNumber(cy[0]) << "}";
        }
        if (terms > 0) {
            o << ", \"terms\": [";
            for (int j = 0; j < terms; ++j) o << (j ? ", " : "") << qvcli::JsonString(names[j]);
            o << "], \"x_coefficients\": [";
            for (int j = 0; j < terms; ++j) o << (j ? ", " : "") << qvcli::JsonNumber(cx[j]);
            o << "], \"y_coefficients\": [";
            for (int j = 0; j < terms; ++j) o << (j ? ", " : "") << qvcli::JsonNumber(cy[j]);
            o << "]";
        }
        if (haveErrors) {
            o << ", \"residuals\": [";
            for (int i = 0; i < n; ++i) {
                o << (i ? ", " : "") << "{\"src\": [" << qvcli::JsonNumber(src[i].x) << ", "
                  << qvcli::JsonNumber(src[i].y) << "], \"dst\": [" << qvcli::JsonNumber(dst[i].x)
                  << ", " << qvcli::JsonNumber(dst[i].y) << "], \"fitted\": ["
                  << qvcli::JsonNumber(mapped[2 * i]) << ", "
                  << qvcli::JsonNumber(mapped[2 * i + 1])
                  << "], \"error\": " << qvcli::JsonNumber(errors[i]) << "}";
            }
            o << "], \"mean_error\": " << qvcli::JsonNumber(mean);
        }
        if (g.transform) {
            o << ", \"points\": [";
            for (std::size_t i = 0; i < points.size(); ++i)
                o << (i ? ", " : "") << "[" << qvcli::JsonNumber(points[i].x) << ", "
                  << qvcli::JsonNumber(points[i].y) << "]";
            o << "]";
        }
        o << "}\n";
        std::cout << o.str();
        return;
    }

    // With --transform the points own stdout and the report goes to stderr.
    std::FILE* rep = g.transform ? stderr : stdout;
    std::fprintf(rep, "method      %d  %s\ncontrols    %d\n", static_cast<int>(method),
                 RefMethodName(method), n);
    if (method == RefHelmert)
        std::fprintf(rep,
                     "helmert     x' = a x - b y + c,  y' = b x + a y + d\n"
                     "            a = %.15g  b = %.15g\n            c = %.15g  d = %.15g\n",
                     cx[1], cy[1], cx[0], cy[0]);
    if (terms > 0) {
        std::fprintf(rep, "%-10s %24s %24s\n", "term", "x'", "y'");
        for (int j = 0; j < terms; ++j)
            std::fprintf(rep, "%-10s %24.15g %24.15g\n", names[j], cx[j], cy[j]);
    } else if (method != RefCoefficients) {
        std::fprintf(rep, "(an interpolating model: no coefficients to show)\n");
    }
    if (haveErrors) {
        std::fprintf(rep, "%4s %12s %12s %16s %16s %16s %16s %12s\n", "#", "srcx", "srcy", "dstx",
                     "dsty", "fitted x", "fitted y", "residual");
        for (int i = 0; i < n; ++i)
            std::fprintf(rep, "%4d %12s %12s %16s %16s %16.6f %16.6f %12.6f\n", i,
                         Num(src[i].x).c_str(), Num(src[i].y).c_str(), Num(dst[i].x).c_str(),
                         Num(dst[i].y).c_str(), mapped[2 * i], mapped[2 * i + 1], errors[i]);
        std::fprintf(rep, "mean residual %.6f\n", mean);
    }
    for (const GEOREFPOINT& p : points) std::printf("%.15g %.15g\n", p.x, p.y);
}

qvcli::Registrar reg(60, [](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "georef",
        "Fit a georeference to control points, show coefficients and residuals, map points");
    cmd->add_option("--method,-m", g.method,
                    "0 helmert, 1 affine, 2 bilinear, 3 second, 4 third, 5 coefficients, 6 tps, "
                    "7 cubic, 8 marcov, 9 exponential, 10 rational, 11 idw (number, short or "
                    "display name)");
    cmd->add_option("--controls,-c", g.controls,
                    "Control point file: 'srcx srcy dstx dsty' per line, # comments");
    cmd->add_option("--coefficients", g.coefficients,
                    "Known affine coefficients A,B,C,D,E,F (method 5): x' = Ax+By+C, y' = Dx+Ey+F");
    cmd->add_flag("--transform,-t", g.transform,
                  "Map 'x y' lines from stdin to stdout (the report then goes to stderr)");
    cmd->add_flag("--json", g.json, "Write the fit report (and mapped points) as JSON");
    cmd->callback(Run);
});

} // namespace
