// Projection options shared by the qvproj subcommands that build a
// projection record: --type with the record's parameters by name, or the
// --utm and --zone shortcuts.
#ifndef QVPROJ_TOOLS_PROJOPTS_H
#define QVPROJ_TOOLS_PROJOPTS_H

#include <CLI/CLI.hpp>

#include <string>

#include "qvproj/proj.h"

namespace qvcli {

// Option values are kept as texts so that absent options stay absent and
// angles may be written as "85d50'W".
struct ProjectionOptions {
    std::string type, ellipsoid, utm, zone;
    std::string lat0, lon0, lat1, lat2, lat3, lon1, lon2, lon3, alpha;
    std::string k0, xOrg, yOrg, scale, radius, flattening;
    bool south = false, useAlpha = false, rotate = false, uOffset = false;
    bool sp27 = false, sp83 = false;
};

void AddProjectionOptions(CLI::App* cmd, ProjectionOptions& o);

// The record the options describe, checked with ProjCheckParams: a bad
// record ends the command with the library's message.
QVProj::PROJDATA BuildProjection(const ProjectionOptions& o);

} // namespace qvcli

#endif
