#include "points.h"

#include <cctype>
#include <cstdio>
#include <iostream>

#include "cli.h"
#include "guard.h"

using QVProj::PROJPOINT;
using QVProj::UNPLOTTABLE;

namespace qvcli {
namespace {

bool IsSep(char c) {
    return c == ' ' || c == '\t' || c == ',';
}

// One coordinate: "*", a decimal number or, for geographic input, an angle
// text. `axis` becomes 'y' for a latitude letter (N, S), 'x' for a
// longitude letter (E, W), 0 otherwise.
bool ReadCoordinate(const std::string& token, Coordinates input, double& value, char& axis) {
    axis = 0;
    if (token == "*") {
        value = UNPLOTTABLE;
        return true;
    }
    if (ParseDouble(token, value)) return true;
    if (input != Coordinates::kGeographic || !QVProj::LatLonToDegrees(token.c_str(), &value, 'd'))
        return false;
    switch (std::toupper(static_cast<unsigned char>(token.back()))) {
    case 'N':
    case 'S':
        axis = 'y';
        break;
    case 'E':
    case 'W':
        axis = 'x';
        break;
    }
    return true;
}

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

} // namespace

bool ParsePointLine(const std::string& line, Coordinates input, PROJPOINT& p, std::string& rest,
                    std::string& why) {
    size_t i = 0, n = line.size();
    std::string tok[2];
    for (int k = 0; k < 2; ++k) {
        while (i < n && IsSep(line[i])) ++i;
        size_t b = i;
        while (i < n && !IsSep(line[i])) ++i;
        tok[k] = line.substr(b, i - b);
    }
    while (i < n && IsSep(line[i])) ++i;
    rest = line.substr(i);
    if (tok[1].empty()) {
        why = "want two coordinates";
        return false;
    }
    double v[2];
    char axis[2];
    for (int k = 0; k < 2; ++k) {
        if (!ReadCoordinate(tok[k], input, v[k], axis[k])) {
            why = "cannot read " + Quote(tok[k]) + " as " +
                  (input == Coordinates::kGeographic ? "an angle" : "a number");
            return false;
        }
    }
    if (axis[0] != 0 && axis[0] == axis[1]) {
        why = axis[0] == 'y' ? "two latitudes" : "two longitudes";
        return false;
    }
    // Longitude first, unless the hemisphere letters say otherwise.
    const bool swap = axis[0] == 'y' || axis[1] == 'x';
    p.x = v[swap ? 1 : 0];
    p.y = v[swap ? 0 : 1];
    return true;
}

namespace {

class Streamer {
public:
    Streamer(const PointStreamOptions& o, const BlockConverter& c, std::ostream& out)
        : opt(o), convert(c), os(out), pts(static_cast<size_t>(o.blockSize > 0 ? o.blockSize : 1)) {
    }

    void Line(const std::string& name, long number, const std::string& line) {
        ++lines;
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            Keep(line);
            return;
        }
        PROJPOINT p{};
        std::string rest, why;
        if (ParsePointLine(line, opt.input, p, rest, why)) {
            if (opt.input == Coordinates::kGeographic) {
                const double lon = p.x, lat = p.y;
                switch (CheckGeographic(p)) {
                case GeoCheck::kLatitudeRange:
                    why = "latitude " + Number(lat) + " is outside -90 to 90";
                    break;
                case GeoCheck::kLongitudeRange:
                    why = "longitude " + Number(lon) + " is outside -360 to 360";
                    break;
                case GeoCheck::kOk:
                    break;
                }
            }
        } else {
            p.x = p.y = UNPLOTTABLE;
        }
        if (!why.empty()) Bad(name, number, line, why);
        pts[static_cast<size_t>(count)] = p;
        pending.push_back({rest, count});
        if (++count == static_cast<int>(pts.size())) Flush();
    }

    void Flush() {
        if (count > 0) convert(pts.data(), count);
        for (const PendingLine& l : pending) {
            if (l.point < 0) {
                os << l.text << '\n';
                continue;
            }
            WritePoint(os, pts[static_cast<size_t>(l.point)], opt.precision);
            if (!l.text.empty()) os << '\t' << l.text;
            os << '\n';
        }
        pending.clear();
        count = 0;
    }

    void Finish() {
        Flush();
        if (bad == 0) return;
        std::string hidden =
            bad > kNamed ? " (the first " + std::to_string(kNamed) + " are named above)" : "";
        Fail(std::to_string(bad) + " of " + std::to_string(lines) + " line" +
             (lines == 1 ? "" : "s") + " could not be read" + hidden);
    }

private:
    static constexpr long kNamed = 20; // lines named on stderr

    struct PendingLine {
        std::string text; // raw text (comments, blanks) or the pass-through tail
        int point = -1;   // index into the block, or -1 for a raw line
    };

    void Bad(const std::string& name, long number, const std::string& line,
             const std::string& why) {
        const std::string msg = (name.empty() ? "line " : name + ":") + std::to_string(number) +
                                ": " + why + ": " + Quote(line);
        if (opt.strict) {
            Flush();
            Fail(msg);
        }
        if (++bad <= kNamed) {
            os.flush();
            std::cerr << "qvproj: " << msg << "\n";
        }
    }

    void Keep(const std::string& line) {
        if (pending.empty() && count == 0)
            os << line << '\n';
        else
            pending.push_back({line, -1});
    }

    const PointStreamOptions& opt;
    const BlockConverter& convert;
    std::ostream& os;
    std::vector<PROJPOINT> pts;
    std::vector<PendingLine> pending;
    int count = 0;
    long lines = 0, bad = 0;
};

} // namespace

void WritePoint(std::ostream& out, const PROJPOINT& p, int precision) {
    if (p.x == UNPLOTTABLE || p.y == UNPLOTTABLE) {
        out << "*\t*";
        return;
    }
    char buf[2 * (310 + kMaxPrecision) + 4];
    std::snprintf(buf, sizeof buf, "%.*f\t%.*f", precision, p.x, precision, p.y);
    out << buf;
}

void StreamPoints(const std::vector<std::string>& files, const PointStreamOptions& options,
                  const BlockConverter& convert, std::ostream& out) {
    Streamer s(options, convert, out);
    const std::vector<std::string> inputs = files.empty() ? std::vector<std::string>{"-"} : files;
    // Every file is checked before the first point is written.
    for (const std::string& f : inputs)
        if (f != "-") CheckInputFile(f, "input file");
    for (const std::string& f : inputs) {
        const std::string name = f == "-" ? "" : f;
        ForEachLine(f, [&](std::string& line, long number) { s.Line(name, number, line); });
    }
    s.Finish();
}

} // namespace qvcli
