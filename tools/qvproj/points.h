// Point streams of the qvproj tool: one point per line as "x y" (blanks, tabs
// or commas between), extra columns passed through, '#' comments and blank
// lines kept. Points are converted in blocks so any input size streams in
// constant memory.
#ifndef QVPROJ_TOOLS_POINTS_H
#define QVPROJ_TOOLS_POINTS_H

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "qvproj/proj.h"

namespace qvcli {

struct PointStreamOptions {
    int precision = 6;         // decimals of the written coordinates
    bool strict = false;       // stop at the first malformed line (exit 1)
    bool acceptAngles = false; // read "85d50'W" style angle texts too
    int blockSize = 4096;      // points per conversion call
};

// Converts a block of points in place; false stops the stream with an error.
using BlockConverter = std::function<bool(QVProj::PROJPOINT* pts, int n)>;

// Reads every file (none or "-": stdin), converts and writes the points to out.
// Malformed lines are reported on stderr with their line number and skipped,
// or end the run (qvcli::Fail) when strict. Returns the number of malformed lines.
long StreamPoints(const std::vector<std::string>& files, const PointStreamOptions& options,
                  const BlockConverter& convert, std::ostream& out);

// Reads "x y rest" (blanks, tabs or commas between); rest is what follows the
// two coordinates. acceptAngles also reads "85d50'W" style texts.
bool ParsePointLine(const std::string& line, bool acceptAngles, QVProj::PROJPOINT& p,
                    std::string& rest);

// Writes one coordinate pair; the unplottable marker prints as "*".
void WritePoint(std::ostream& out, const QVProj::PROJPOINT& p, int precision);

} // namespace qvcli

#endif
