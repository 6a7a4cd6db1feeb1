// qvproj fwd | inv: project points from longitude/latitude to map
// coordinates and back, through the safeguards of guard.h.
#include <iostream>
#include <memory>
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
    bool strict = false;
    bool noDomainCheck = false;
    bool json = false;
    int precision = -1;
    std::vector<std::string> files;
};

void Run(const Options& o, bool forward) {
    if (o.json && !o.projection.describe) qvcli::Usage("--json goes with --describe");
    PROJDATA d = qvcli::BuildProjection(o.projection);
    if (qvcli::Describe(o.projection, d, o.json)) return;
    std::unique_ptr<CProjector> projector = qvcli::OpenProjection(d);
    const qvcli::PointGuard guard(projector->Handle(), !o.noDomainCheck);
    qvcli::PointStreamOptions options;
    const bool degreesOut = !forward || d.Type == PT_LATLONG;
    options.precision = o.precision >= 0 ? o.precision : (degreesOut ? 6 : 2);
    options.strict = o.strict;
    options.input = forward ? qvcli::Coordinates::kGeographic : qvcli::Coordinates::kPlane;
    qvcli::StreamPoints(
        o.files, options,
        [&](PROJPOINT* pts, int n) {
            if (forward) guard.BeforeForward(pts, n);
            if (!(forward ? projector->Forward(pts, n) : projector->Inverse(pts, n)))
                qvcli::Fail("the library could not convert a block of points (with QVPROJLOG "
                            "set, its debug log says why)");
            if (!forward) guard.AfterInverse(pts, n);
        },
        std::cout);
}

void AddOptions(CLI::App* cmd, Options& o) {
    cmd->add_option("files", o.files, "Input files (none or -: standard input)");
    qvcli::AddProjectionOptions(cmd, o.projection);
    qvcli::AddPrecisionOption(cmd, o.precision,
                              "Decimals written, 0 to 15 (default 2 for metres, 6 for degrees)");
    cmd->add_flag("--strict", o.strict, "Stop at the first line that cannot be read");
    cmd->add_flag("--no-domain-check", o.noDomainCheck,
                  "Convert points outside the part of the globe the projection shows instead "
                  "of printing '*'");
    cmd->add_flag("--json", o.json, "With --describe: write JSON");
}

qvcli::Registrar reg(40, [](CLI::App& app) {
    for (bool forward : {true, false}) {
        auto o = std::make_shared<Options>();
        auto* cmd =
            forward
                ? app.add_subcommand("fwd", "Project \"lon lat\" points (degrees) to map "
                                            "coordinates; '*' marks points that cannot be shown")
                : app.add_subcommand("inv", "Map coordinates \"x y\" back to longitude/latitude "
                                            "(degrees, longitudes in -180 to 180)");
        AddOptions(cmd, *o);
        cmd->callback([o, forward] { Run(*o, forward); });
    }
});

} // namespace
