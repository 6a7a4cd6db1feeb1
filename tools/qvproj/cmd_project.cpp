// qvproj fwd | inv: project points from longitude/latitude to map
// coordinates and back. The projection is built from options naming the
// record's parameters, or from the --utm and --zone shortcuts.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "points.h"
#include "projopts.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

struct Options {
    qvcli::ProjectionOptions projection;
    bool strict = false;
    int precision = -1;
    std::vector<std::string> files;
};
Options g_fwd, g_inv;

void Run(const Options& o, bool forward) {
    PROJDATA d = qvcli::BuildProjection(o.projection);
    CProjector projector(&d);
    if (projector.Handle() == nullptr) qvcli::Fail("cannot create the projection");
    qvcli::PointStreamOptions options;
    bool degreesOut = !forward || d.Type == PT_LATLONG;
    options.precision = o.precision >= 0 ? o.precision : (degreesOut ? 6 : 2);
    options.strict = o.strict;
    options.acceptAngles = forward;
    qvcli::StreamPoints(
        o.files, options,
        [&](PROJPOINT* pts, int n) {
            if (forward ? projector.Forward(pts, n) : projector.Inverse(pts, n)) return true;
            char name[64];
            ProjGetProjectionInfo(d.Type, name);
            qvcli::Fail(std::string(name) + ": the library could not convert these points "
                                            "(with QVPROJLOG set, the debug log says why)");
        },
        std::cout);
}

void AddOptions(CLI::App* cmd, Options& o) {
    cmd->add_option("files", o.files, "Input files (none or -: standard input)");
    qvcli::AddProjectionOptions(cmd, o.projection);
    cmd->add_option("--precision", o.precision,
                    "Decimals written (default 2 for metres, 6 for degrees)")
        ->check(CLI::Range(0, 17));
    cmd->add_flag("--strict", o.strict, "Stop at the first malformed line");
}

qvcli::Registrar reg(40, [](CLI::App& app) {
    auto* fwd = app.add_subcommand(
        "fwd", "Project \"lon lat\" points (degrees) to map coordinates; '*' marks unplottable");
    AddOptions(fwd, g_fwd);
    fwd->callback([] { Run(g_fwd, true); });
    auto* inv =
        app.add_subcommand("inv", "Map coordinates \"x y\" back to longitude/latitude (degrees)");
    AddOptions(inv, g_inv);
    inv->callback([] { Run(g_inv, false); });
});

} // namespace
