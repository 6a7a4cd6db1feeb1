// qvproj clip: cuts lat/long lines or a polygon at the edge of a projection
// and prints the pieces the preclipper delivers, so its behaviour can be
// seen from a terminal.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "points.h"
#include "projopts.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct {
    qvcli::ProjectionOptions projection;
    bool polygon = false;
    bool json = false;
    int precision = 6;
    std::vector<std::string> files;
} g;

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
std::vector<std::vector<PROJPOINT>> ReadParts() {
    std::vector<std::vector<PROJPOINT>> parts(1);
    auto read = [&](std::istream& in, const std::string& name) {
        std::string line;
        long number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            size_t first = line.find_first_not_of(" \t");
            if (first == std::string::npos) {
                if (!parts.back().empty()) parts.emplace_back();
                continue;
            }
            if (line[first] == '#') continue;
            PROJPOINT p{};
            std::string rest;
            if (!qvcli::ParsePointLine(line, true, p, rest))
                qvcli::Fail((name.empty() ? "" : name + ":") + "line " + std::to_string(number) +
                            ": cannot read a point from '" + line + "'");
            parts.back().push_back(p);
        }
    };
    if (g.files.empty()) {
        read(std::cin, "");
    } else {
        for (const std::string& f : g.files) {
            std::ifstream in(f);
            if (!in) qvcli::Fail("cannot open '" + f + "'");
            read(in, f);
        }
    }
    if (parts.back().empty()) parts.pop_back();
    if (parts.empty()) qvcli::Fail("no points to clip");
    return parts;
}

void PrintText() {
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
                qvcli::WritePoint(std::cout, piece.points[k], g.precision);
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

void Run() {
    PROJDATA d = qvcli::BuildProjection(g.projection);
    CProjector projector(&d);
    if (projector.Handle() == nullptr) qvcli::Fail("cannot create the projection");
    std::vector<std::vector<PROJPOINT>> parts = ReadParts();
    g_pieces.clear();
    bool ok = true;
    if (g.polygon) {
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
    if (!ok)
        qvcli::Fail("cannot clip: lines need 2 points and polygon rings 3, within -360 to 360 "
                    "longitude and -90 to 90 latitude");
    if (g.json)
        PrintJson();
    else
        PrintText();
}

qvcli::Registrar reg(45, [](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "clip", "Cut lat/long lines (or, with --polygon, the rings of one polygon) at the edge of "
                "a projection and print the visible pieces; parts are separated by blank lines");
    cmd->add_option("files", g.files, "Input files (none: standard input)");
    qvcli::AddProjectionOptions(cmd, g.projection);
    cmd->add_flag("--polygon", g.polygon,
                  "The parts are the rings of one polygon: print the visible areas, then the "
                  "outlines without the map edge");
    cmd->add_option("--precision", g.precision, "Decimals written (default 6)")
        ->check(CLI::Range(0, 17));
    cmd->add_flag("--json", g.json, "Write JSON");
    cmd->callback(Run);
});

} // namespace
