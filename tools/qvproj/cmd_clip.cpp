// qvproj clip: cuts lat/long lines or a polygon at the edge of a projection
// and prints the pieces the preclipper delivers, so its behaviour can be
// seen from a terminal.
#include <cstdio>
#include <memory>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "guard.h"
#include "points.h"
#include "projopts.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct Options {
    qvcli::ProjectionOptions projection;
    bool polygon = false;
    bool json = false;
    int precision = 6;
    std::vector<std::string> files;
};

// What the preclipper hands back, in delivery order.
struct Piece {
    bool area;
    std::vector<int> counts; // one count for a line; one per part for an area
    std::vector<PROJPOINT> points;
};
std::vector<Piece> g_pieces;

bool OnLine(unsigned long, int n, const PROJPOINT* p) {
    g_pieces.push_back({false, {n}, std::vector<PROJPOINT>(p, p + n)});
    return true;
}

bool OnArea(unsigned long, int nParts, const int* counts, const PROJPOINT* p) {
    Piece piece{true, std::vector<int>(counts, counts + nParts), {}};
    size_t total = 0;
    for (int c : piece.counts) total += static_cast<size_t>(c);
    piece.points.assign(p, p + total);
    g_pieces.push_back(std::move(piece));
    return true;
}

// Parts of the input: points one per line, parts separated by blank lines.
// The preclipper needs every point, so a line that cannot be read ends the run.
std::vector<std::vector<PROJPOINT>> ReadParts(const std::vector<std::string>& files) {
    std::vector<std::vector<PROJPOINT>> parts(1);
    const std::vector<std::string> inputs = files.empty() ? std::vector<std::string>{"-"} : files;
    for (const std::string& f : inputs) {
        const std::string where = f == "-" ? "line " : f + ":";
        qvcli::ForEachLine(f, [&](std::string& line, long number) {
            size_t first = line.find_first_not_of(" \t");
            if (first == std::string::npos) {
                if (!parts.back().empty()) parts.emplace_back();
                return;
            }
            if (line[first] == '#') return;
            PROJPOINT p{};
            std::string rest, why;
            if (qvcli::ParsePointLine(line, qvcli::Coordinates::kGeographic, p, rest, why) &&
                p.x == UNPLOTTABLE)
                why = "a line or polygon has no unplottable points";
            else if (why.empty() && qvcli::CheckGeographic(p) != qvcli::GeoCheck::kOk)
                why = "longitude or latitude out of range (-360 to 360, -90 to 90)";
            if (!why.empty())
                qvcli::Fail(where + std::to_string(number) + ": " + why + ": " +
                            qvcli::Quote(line));
            parts.back().push_back(p);
        });
    }
    if (parts.back().empty()) parts.pop_back();
    if (parts.empty()) qvcli::Fail("no points to clip");
    return parts;
}

void PrintText(int precision) {
    int line = 0, area = 0;
    bool firstPiece = true;
    for (const Piece& piece : g_pieces) {
        if (!firstPiece) std::cout << "\n";
        firstPiece = false;
        if (piece.area) {
            std::cout << "# area " << ++area << ": " << piece.counts.size() << " part(s)\n";
        } else {
            std::cout << "# line " << ++line << ": " << piece.points.size() << " points\n";
        }
        size_t k = 0;
        for (size_t part = 0; part < piece.counts.size(); ++part) {
            if (part > 0) std::cout << "\n";
            for (int i = 0; i < piece.counts[part]; ++i, ++k) {
                qvcli::WritePoint(std::cout, piece.points[k], precision);
                std::cout << "\n";
            }
        }
    }
    if (g_pieces.empty()) std::cout << "# nothing visible\n";
}

void PrintJson() {
    std::cout << "[";
    for (size_t n = 0; n < g_pieces.size(); ++n) {
        const Piece& piece = g_pieces[n];
        std::cout << (n ? "," : "") << "\n  {\"kind\": \"" << (piece.area ? "area" : "line")
                  << "\", \"parts\": [";
        size_t k = 0;
        for (size_t part = 0; part < piece.counts.size(); ++part) {
            std::cout << (part ? ", " : "") << "[";
            for (int i = 0; i < piece.counts[part]; ++i, ++k)
                std::cout << (i ? ", " : "") << "[" << qvcli::JsonNumber(piece.points[k].x) << ", "
                          << qvcli::JsonNumber(piece.points[k].y) << "]";
            std::cout << "]";
        }
        std::cout << "]}";
    }
    std::cout << (g_pieces.empty() ? "]\n" : "\n]\n");
}

void Run(const Options& o) {
    PROJDATA d = qvcli::BuildProjection(o.projection);
    if (qvcli::Describe(o.projection, d, o.json)) return;
    if (d.Type == PT_LATLONG)
        qvcli::Usage("Unprojected Lat/Long shows the whole globe: there is no edge to clip at");
    std::unique_ptr<CProjector> owner = qvcli::OpenProjection(d);
    const CProjector& projector = *owner;
    std::vector<std::vector<PROJPOINT>> parts = ReadParts(o.files);
    g_pieces.clear();
    bool ok = true;
    if (o.polygon) {
        std::vector<int> counts;
        std::vector<PROJPOINT> all;
        for (const auto& part : parts) {
            counts.push_back(static_cast<int>(part.size()));
            all.insert(all.end(), part.begin(), part.end());
        }
        ok = projector.LLPreclipPolygon(0, static_cast<int>(counts.size()), counts.data(),
                                        all.data(), OnArea, OnLine);
    } else {
        for (const auto& part : parts)
            ok = ok &&
                 projector.LLPreclipPolyline(0, static_cast<int>(part.size()), part.data(), OnLine);
    }
    if (!ok) qvcli::Fail("cannot clip: lines need 2 points and polygon rings 3");
    if (o.json)
        PrintJson();
    else
        PrintText(o.precision);
}

qvcli::Registrar reg(45, [](CLI::App& app) {
    auto o = std::make_shared<Options>();
    auto* cmd = app.add_subcommand(
        "clip", "Cut lat/long lines (or, with --polygon, the rings of one polygon) at the edge of "
                "a projection and print the visible pieces; parts are separated by blank lines");
    cmd->add_option("files", o->files, "Input files (none or -: standard input)");
    qvcli::AddProjectionOptions(cmd, o->projection);
    cmd->add_flag("--polygon", o->polygon,
                  "The parts are the rings of one polygon: print the visible areas, then the "
                  "outlines without the map edge");
    qvcli::AddPrecisionOption(cmd, o->precision, "Decimals written, 0 to 15 (default 6)");
    cmd->add_flag("--json", o->json, "Write JSON");
    cmd->callback([o] { Run(*o); });
});

} // namespace
