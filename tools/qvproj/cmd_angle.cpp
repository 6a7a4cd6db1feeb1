// qvproj angle: degree-minute-second text to decimal degrees and back.
#include <cstdio>
#include <iostream>

#include "cli.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct {
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
} g;

std::string Format(double degrees) {
    int flags = g.decimals & DLL_DECIMALS_MASK;
    if (g.layout == "dd")
        flags |= DLL_DECIMAL_DEGREES;
    else if (g.layout == "dm")
        flags |= DLL_DEGREES_MINUTES;
    else if (g.layout != "dms")
        qvcli::Fail("invalid --layout '" + g.layout + "' (dd, dm or dms)");
    if (g.hemisphere == "lat")
        flags |= DLL_HEMISPHERE | DLL_LATITUDE;
    else if (g.hemisphere == "lon")
        flags |= DLL_HEMISPHERE;
    else if (!g.hemisphere.empty())
        qvcli::Fail("invalid --hemisphere '" + g.hemisphere + "' (lat or lon)");
    if (g.minus && g.hemisphere.empty()) flags |= DLL_MINUS;
    if (g.plus) flags |= DLL_PLUS;
    if (g.blankSign) flags |= DLL_BLANK_SIGN;
    if (g.spaces) flags |= DLL_SPACES;
    if (g.zeroPad) flags |= DLL_ZERO_PAD;
    std::string marks = g.marks + std::string(3, '\0');
    char buffer[DEGREES_TO_LATLON_BUFSIZE];
    if (!DegreesToLatLon(buffer, degrees, flags, marks[0], marks[1], marks[2]))
        qvcli::Fail("cannot write " + std::to_string(degrees) + " with these options");
    return buffer;
}

void Run() {
    if (g.values.empty()) {
        // No arguments: one angle per line on stdin.
        std::string line;
        while (std::getline(std::cin, line)) {
            auto b = line.find_first_not_of(" \t\r");
            if (b == std::string::npos || line[b] == '#') continue;
            auto e = line.find_last_not_of(" \t\r");
            g.values.push_back(line.substr(b, e - b + 1));
        }
    }
    if (g.values.empty()) qvcli::Fail("give at least one angle");
    if (g.decimals < 0 || g.decimals > 15) qvcli::Fail("--decimals must be 0 to 15");
    if (g.json) std::cout << "[";
    bool first = true;
    for (const std::string& v : g.values) {
        std::string out;
        double degrees = 0;
        if (g.toText) {
            if (!qvcli::ParseDouble(v, degrees)) qvcli::Fail("invalid degrees '" + v + "'");
            out = Format(degrees);
        } else {
            if (!LatLonToDegrees(v.c_str(), &degrees, g.degreeMark))
                qvcli::Fail("cannot read angle '" + v + "'");
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.10g", degrees);
            out = buf;
        }
        if (g.json)
            std::cout << (first ? "" : ",") << "\n  {\"input\": " << qvcli::JsonString(v)
                      << ", \"degrees\": " << qvcli::JsonNumber(degrees)
                      << ", \"text\": " << qvcli::JsonString(g.toText ? out : v) << "}";
        else
            std::cout << out << "\n";
        first = false;
    }
    if (g.json) std::cout << "\n]\n";
}

qvcli::Registrar reg(30, [](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "angle", "Read degree-minute-second texts as decimal degrees, or (--to-text) write "
                 "decimal degrees as text");
    cmd->add_option("angles", g.values,
                    "Angles: texts such as 85d50'W or 30D30, or degrees (none: read stdin; put -- "
                    "before negative values)")
        ->allow_extra_args();
    cmd->add_flag("-t,--to-text", g.toText, "Write degrees as text");
    cmd->add_option("--layout", g.layout, "Text layout: dd, dm or dms (default dms)");
    cmd->add_option("--decimals", g.decimals, "Decimals of the last field, 0 to 15 (default 2)");
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
    cmd->callback(Run);
});

} // namespace
