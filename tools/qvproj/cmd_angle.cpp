// qvproj angle: degree-minute-second text to decimal degrees and back.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct Options {
    std::vector<std::string> values;
    bool toText = false;
    std::string layout = "dms";
    int decimals = 2;
    bool minus = true;
    bool plus = false;
    bool blankSign = false;
    bool spaces = false;
    bool zeroPad = false;
    std::string hemisphere;
    std::string marks = "d'\"";
    char degreeMark = 'd';
    bool json = false;
};

// The text of an angle, or empty when these options cannot write it.
std::string Format(const Options& g, double degrees) {
    int flags = g.decimals & DLL_DECIMALS_MASK;
    if (g.layout == "dd")
        flags |= DLL_DECIMAL_DEGREES;
    else if (g.layout == "dm")
        flags |= DLL_DEGREES_MINUTES;
    else if (g.layout != "dms")
        qvcli::Usage("--layout: want dd, dm or dms, not " + qvcli::Quote(g.layout));
    if (g.hemisphere == "lat")
        flags |= DLL_HEMISPHERE | DLL_LATITUDE;
    else if (g.hemisphere == "lon")
        flags |= DLL_HEMISPHERE;
    else if (!g.hemisphere.empty())
        qvcli::Usage("--hemisphere: want lat or lon, not " + qvcli::Quote(g.hemisphere));
    if (g.minus && g.hemisphere.empty()) flags |= DLL_MINUS;
    if (g.plus) flags |= DLL_PLUS;
    if (g.blankSign) flags |= DLL_BLANK_SIGN;
    if (g.spaces) flags |= DLL_SPACES;
    if (g.zeroPad) flags |= DLL_ZERO_PAD;
    std::string marks = g.marks + std::string(3, '\0');
    char buffer[DEGREES_TO_LATLON_BUFSIZE];
    if (!DegreesToLatLon(buffer, degrees, flags, marks[0], marks[1], marks[2])) return "";
    return buffer;
}

// Every angle gives one output line; one that cannot be read or written
// prints "*", is named on stderr, and the run ends with exit status 1.
void Run(Options& g) {
    if (g.plus && g.blankSign) qvcli::Usage("--plus and --blank-sign exclude each other");
    if (g.values.empty()) {
        // No arguments: one angle per line on stdin.
        qvcli::ForEachLine("-", [&](std::string& line, long) {
            auto b = line.find_first_not_of(" \t");
            if (b == std::string::npos || line[b] == '#') return;
            auto e = line.find_last_not_of(" \t");
            g.values.push_back(line.substr(b, e - b + 1));
        });
    }
    if (g.values.empty()) qvcli::Usage("give at least one angle");
    if (g.json) std::cout << "[";
    bool first = true;
    int bad = 0;
    for (const std::string& v : g.values) {
        std::string out;
        double degrees = 0;
        if (g.toText && qvcli::ParseDouble(v, degrees)) {
            out = Format(g, degrees);
        } else if (!g.toText && LatLonToDegrees(v.c_str(), &degrees, g.degreeMark)) {
            out = qvcli::ShortNumber(degrees);
        }
        if (out.empty()) {
            std::cout.flush();
            std::cerr << "qvproj: cannot " << (g.toText ? "write " : "read angle ")
                      << qvcli::Quote(v) << "\n";
            ++bad;
        }
        if (g.json)
            std::cout << (first ? "" : ",") << "\n  {\"input\": " << qvcli::JsonString(v)
                      << ", \"degrees\": " << (out.empty() ? "null" : qvcli::JsonNumber(degrees))
                      << ", \"text\": "
                      << (out.empty() ? "null" : qvcli::JsonString(g.toText ? out : v)) << "}";
        else
            std::cout << (out.empty() ? "*" : out) << "\n";
        first = false;
    }
    if (g.json) std::cout << "\n]\n";
    if (bad)
        qvcli::Fail(std::to_string(bad) + " of " + std::to_string(g.values.size()) +
                    " angles could not be converted");
}

qvcli::Registrar reg(30, [](CLI::App& app) {
    auto o = std::make_shared<Options>();
    Options& g = *o;
    auto* cmd = app.add_subcommand(
        "angle", "Read degree-minute-second texts as decimal degrees, or (--to-text) write "
                 "decimal degrees as text");
    cmd->add_option("angles", g.values,
                    "Angles: texts such as 85d50'W or 30D30, or degrees (none: read stdin)")
        ->allow_extra_args();
    cmd->add_flag("-t,--to-text", g.toText, "Write degrees as text");
    cmd->add_option("--layout", g.layout, "Text layout: dd, dm or dms (default dms)");
    qvcli::AddIntOption(cmd, "--decimals", g.decimals, 0, 15,
                        "Decimals of the last field, 0 to 15 (default 2)");
    cmd->add_flag("!--no-minus", g.minus, "Do not write '-' before negative values");
    cmd->add_flag("--plus", g.plus, "Write '+' before values that are not negative");
    cmd->add_flag("--blank-sign", g.blankSign, "Write a blank before values that are not negative");
    cmd->add_flag("--spaces", g.spaces, "A blank between the fields and before the hemisphere");
    cmd->add_flag("--zero-pad", g.zeroPad, "Zero-pad minutes and the last field");
    cmd->add_option("--hemisphere", g.hemisphere,
                    "Append a hemisphere letter: lat (N/S) or lon (E/W); replaces the sign");
    cmd->add_option("--marks", g.marks, "Degree, minute and second marks (default d'\")");
    cmd->add_option("--degree-mark", g.degreeMark,
                    "Extra degree mark accepted when reading (besides d)");
    cmd->add_flag("--json", g.json, "Write JSON");
    cmd->callback([o] { Run(*o); });
});

} // namespace
