// qvproj projections | ellipsoids: the built-in catalogues.
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli.h"
#include "projstring.h"
#include "qvproj/qvproj.h"

using namespace QVProj;

namespace {

void ListProjections(bool json) {
    if (json) std::cout << "[";
    for (int t = 0; t < ProjNumProjections(); ++t) {
        char name[128];
        unsigned mask = ProjGetProjectionInfo(static_cast<ProjType>(t), name);
        std::string params, jparams;
        for (int i = 0; i < ProjNumParams(static_cast<ProjType>(t)); ++i) {
            char pname[128];
            ProjParamInfo(ProjEnumParam(static_cast<ProjType>(t), i), pname, nullptr, nullptr,
                          nullptr);
            params += (i ? ", " : "") + std::string(pname);
            jparams += (i ? "," : "") + qvcli::JsonString(pname);
        }
        char maskText[16];
        std::snprintf(maskText, sizeof maskText, "0x%02x", mask);
        const char* proj = qvcli::ProjName(static_cast<ProjType>(t));
        if (json) {
            std::cout << (t ? "," : "") << "\n  {\"number\": " << t
                      << ", \"name\": " << qvcli::JsonString(name) << ", \"mask\": " << mask
                      << ", \"proj\": " << (proj ? qvcli::JsonString(proj) : "null")
                      << ", \"parameters\": [" << jparams << "]}";
        } else {
            std::printf("%3d  %-38s %s  %-8s %s\n", t, name, maskText, proj ? proj : "-",
                        params.c_str());
        }
    }
    if (json) std::cout << "\n]\n";
}

void ListEllipsoids(bool json) {
    if (json) std::cout << "[";
    bool first = true;
    for (int e = 1; e <= 49; ++e) {
        char name[128];
        double a = 0, f = 0;
        if (!EllipsoidInfo(static_cast<EllipsoidType>(e), name, &a, &f)) continue;
        double invf = f > 0 ? 1.0 / f : 0.0;
        const char* proj = qvcli::ProjEllipsoidName(static_cast<EllipsoidType>(e));
        if (json) {
            std::cout << (first ? "" : ",") << "\n  {\"number\": " << e
                      << ", \"name\": " << qvcli::JsonString(name)
                      << ", \"proj\": " << (proj ? qvcli::JsonString(proj) : "null")
                      << ", \"axis\": " << qvcli::JsonNumber(a)
                      << ", \"flattening\": " << qvcli::JsonNumber(f)
                      << ", \"inverse_flattening\": " << (f > 0 ? qvcli::JsonNumber(invf) : "null")
                      << "}";
        } else if (f > 0) {
            std::printf("%3d  %-36s %-9s %14.3f  %.12g  %.10g\n", e, name, proj ? proj : "-", a, f,
                        invf);
        } else {
            std::printf("%3d  %-36s %-9s %14.3f  0  (sphere)\n", e, name, proj ? proj : "-", a);
        }
        first = false;
    }
    if (json) std::cout << "\n]\n";
}

qvcli::Registrar reg(10, [](CLI::App& app) {
    auto projJson = std::make_shared<bool>(false), ellJson = std::make_shared<bool>(false);
    auto* proj = app.add_subcommand("projections", "List the projection types: number, name, "
                                                   "info mask, PROJ name and parameters");
    proj->add_flag("--json", *projJson, "Write JSON");
    proj->callback([projJson] { ListProjections(*projJson); });

    auto* ell =
        app.add_subcommand("ellipsoids", "List the built-in ellipsoids: number, name, PROJ name, "
                                         "semi-major axis, flattening, inverse flattening");
    ell->add_flag("--json", *ellJson, "Write JSON");
    ell->callback([ellJson] { ListEllipsoids(*ellJson); });
});

} // namespace
