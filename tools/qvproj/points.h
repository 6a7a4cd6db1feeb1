// Point streams of the qvproj tool: one point per line as "x y" (blanks,
// tabs or commas between), extra columns passed through, '#' comments and
// blank lines kept. Every input line gives one output line, so outputs line
// up with inputs: a line that cannot be read prints "*<tab>*" with its extra
// columns and is named on stderr. Points are converted in blocks, so any
// input size streams in constant memory.
#ifndef QVPROJ_TOOLS_POINTS_H
#define QVPROJ_TOOLS_POINTS_H

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "qvproj/proj.h"

namespace qvcli {

enum class Coordinates {
    kPlane,     // map or image coordinates: two numbers
    kGeographic // longitude and latitude in degrees, also as angle texts
                // ("85d50'W"); hemisphere letters give the order
                // ("30d30'N 85d50'W" is latitude first); checked by the
                // guard's step 1 (guard.h)
};

struct PointStreamOptions {
    Coordinates input = Coordinates::kPlane;
    int precision = 6;    // decimals of the written coordinates
    bool strict = false;  // stop at the first line that cannot be read
    int blockSize = 4096; // points per conversion call
};

// Converts a block of points in place; a failure throws (qvcli::Fail).
using BlockConverter = std::function<void(QVProj::PROJPOINT* pts, int n)>;

// Reads every file (none or "-": stdin), converts and writes the points to
// out. When lines could not be read, all others are still converted and
// written; the run then ends with exit status 1.
void StreamPoints(const std::vector<std::string>& files, const PointStreamOptions& options,
                  const BlockConverter& convert, std::ostream& out);

// Reads "x y rest" (blanks, tabs or commas between); rest is what follows
// the two coordinates. "*" reads as the unplottable marker. On failure,
// `why` says what is wrong and `rest` holds the columns after the first two.
bool ParsePointLine(const std::string& line, Coordinates input, QVProj::PROJPOINT& p,
                    std::string& rest, std::string& why);

// Writes one coordinate pair, tab-separated; the unplottable marker prints as "*".
void WritePoint(std::ostream& out, const QVProj::PROJPOINT& p, int precision);

} // namespace qvcli

#endif
