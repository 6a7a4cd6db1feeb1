#include "points.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "cli.h"

namespace qvcli {
namespace {

struct PendingLine {
    std::string text; // raw text (comments, blanks) or the pass-through tail
    int point = -1;   // index into the block, or -1 for a raw line
};

bool IsSep(char c) {
    return c == ' ' || c == '\t' || c == ',';
}

bool ParseCoordinate(const std::string& token, bool acceptAngles, double& value) {
    if (ParseDouble(token, value)) return true;
    return acceptAngles && QVProj::LatLonToDegrees(token.c_str(), &value, 'd');
}

} // namespace

// Splits "a b rest": the first two fields and whatever follows them.
bool ParsePointLine(const std::string& line, bool acceptAngles, QVProj::PROJPOINT& p,
                    std::string& rest) {
    size_t i = 0, n = line.size();
    std::string tok[2];
    for (int k = 0; k < 2; ++k) {
        while (i < n && IsSep(line[i])) ++i;
        size_t b = i;
        while (i < n && !IsSep(line[i])) ++i;
        if (b == i) return false;
        tok[k] = line.substr(b, i - b);
    }
    while (i < n && IsSep(line[i])) ++i;
    rest = line.substr(i);
    return ParseCoordinate(tok[0], acceptAngles, p.x) && ParseCoordinate(tok[1], acceptAngles, p.y);
}

namespace {

class Streamer {
public:
    Streamer(const PointStreamOptions& o, const BlockConverter& c, std::ostream& out)
        : opt(o), convert(c), os(out), pts(static_cast<size_t>(o.blockSize > 0 ? o.blockSize : 1)) {
    }

    void Line(const std::string& name, long number, std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            Keep(line);
            return;
        }
        QVProj::PROJPOINT p{};
        std::string rest;
        if (!ParsePointLine(line, opt.acceptAngles, p, rest)) {
            std::string where = name.empty() ? "" : name + ":";
            std::string msg = where + "line " + std::to_string(number) +
                              ": cannot read a point from '" + line + "'";
            if (opt.strict) {
                Flush();
                Fail(msg);
            }
            std::cerr << "qvproj: " << msg << "\n";
            ++malformed;
            return;
        }
        pts[static_cast<size_t>(count)] = p;
        pending.push_back({rest, count});
        if (++count == static_cast<int>(pts.size())) Flush();
    }

    void Flush() {
        if (count > 0 && !convert(pts.data(), count)) Fail("conversion failed");
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

    long malformed = 0;

private:
    void Keep(const std::string& line) {
        if (pending.empty() && count == 0)
            os << line << '\n';
        else
            pending.push_back({line, -1});
    }

    const PointStreamOptions& opt;
    const BlockConverter& convert;
    std::ostream& os;
    std::vector<QVProj::PROJPOINT> pts;
    std::vector<PendingLine> pending;
    int count = 0;
};

} // namespace

void WritePoint(std::ostream& out, const QVProj::PROJPOINT& p, int precision) {
    if (p.x == QVProj::UNPLOTTABLE || p.y == QVProj::UNPLOTTABLE) {
        out << "*\t*";
        return;
    }
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*f\t%.*f", precision, p.x, precision, p.y);
    out << buf;
}

long StreamPoints(const std::vector<std::string>& files, const PointStreamOptions& options,
                  const BlockConverter& convert, std::ostream& out) {
    Streamer s(options, convert, out);
    auto run = [&](std::istream& in, const std::string& name) {
        std::string line;
        long number = 0;
        while (std::getline(in, line)) s.Line(name, ++number, line);
    };
    if (files.empty()) {
        run(std::cin, "");
    } else {
        for (const std::string& f : files) {
            if (f == "-") {
                run(std::cin, "");
                continue;
            }
            std::ifstream in(f);
            if (!in) {
                s.Flush();
                Fail("cannot open '" + f + "'");
            }
            run(in, f);
        }
    }
    s.Flush();
    return s.malformed;
}

} // namespace qvcli
