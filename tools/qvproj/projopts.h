// Projection options shared by the subcommands that build a projection
// record: --type with the record's parameters by name (one option per
// parameter of the library's parameter table), the --utm and --zone
// shortcuts, or a PROJ string with --proj.
#ifndef QVPROJ_TOOLS_PROJOPTS_H
#define QVPROJ_TOOLS_PROJOPTS_H

#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <string>

#include "qvproj/proj.h"

namespace qvcli {

// What an option or PROJ string value must be.
enum class ValueKind {
    kNumber,    // a finite number
    kPositive,  // a finite number above 0
    kLatitude,  // degrees or an angle text, -90 to 90
    kLongitude, // degrees or an angle text, -360 to 360, kept as its equal in -180 to 180
    kAzimuth,   // degrees or an angle text, strictly between -360 and 360
    kFlag,      // an option without a value
    kEllipsoid  // a catalogue number, name or PROJ name
};
// Reads a value of that kind; a bad value is a usage error naming `what`.
double ReadValue(const std::string& what, const std::string& text, ValueKind kind);
// The kind of a record parameter (PP_*).
ValueKind ParamKind(int param);
// The option name of a record parameter, without dashes ("lat0", "false-easting").
std::string ParamOptionName(int param);

struct ProjectionOptions {
    std::string type, utm, zone, proj;
    int zoneIndex = -1; // -1: none
    bool sp27 = false, sp83 = false;
    bool describe = false;
    std::map<int, double> params; // record parameters given, by number (flags as 1)
};

void AddProjectionOptions(CLI::App* cmd, ProjectionOptions& o);

// The record the options describe, checked with ProjCheckParams; every
// fault is a usage error.
QVProj::PROJDATA BuildProjection(const ProjectionOptions& o);

// With --describe: prints the record's PROJ string (or, with json, an
// object holding it) and returns true.
bool Describe(const ProjectionOptions& o, const QVProj::PROJDATA& record, bool json);

// A handle for the record; a run-time failure when the library cannot
// convert with it.
std::unique_ptr<QVProj::CProjector> OpenProjection(QVProj::PROJDATA& record);

} // namespace qvcli

#endif
