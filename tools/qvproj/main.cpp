// qvproj: command-line front end of libqvproj.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

#ifndef QVPROJ_VERSION
#define QVPROJ_VERSION "0"
#endif

namespace {

CLI::App* FindSubcommand(CLI::App& app, const std::string& name) {
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; }))
        if (sub->get_name() == name) return sub;
    return nullptr;
}

// "--lon -- -180": a "--" right after an option that takes a value is
// dropped, so the option takes the next argument. Elsewhere "--" keeps its
// meaning (what follows are positional arguments).
void JoinValuesAfterDashDash(CLI::App& app, std::vector<std::string>& args) {
    CLI::App* current = &app;
    for (std::size_t i = 0; i + 2 < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") return;
        if (CLI::App* sub = FindSubcommand(*current, a)) {
            current = sub;
            continue;
        }
        if (a.size() < 2 || a[0] != '-' || a.find('=') != std::string::npos) continue;
        for (CLI::App* app_ = current; app_ != nullptr; app_ = app_->get_parent()) {
            const CLI::Option* opt = app_->get_option_no_throw(a);
            if (opt == nullptr) continue;
            if (opt->get_expected_min() > 0 && args[i + 1] == "--")
                args.erase(args.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            break;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"qvproj: map projections, datum shifts and georeferencing from the terminal"};
    app.set_version_flag("--version", "qvproj " QVPROJ_VERSION);
    app.require_subcommand(1);
    qvcli::SetupAll(app);

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << app.help();
        return qvcli::kExitUsage;
    }
    if (args[0].empty() || (args[0][0] != '-' && FindSubcommand(app, args[0]) == nullptr)) {
        std::cerr << "qvproj: unknown subcommand " << qvcli::Quote(args[0])
                  << " (qvproj --help lists them)\n";
        return qvcli::kExitUsage;
    }
    JoinValuesAfterDashDash(app, args);
    std::reverse(args.begin(), args.end()); // CLI11 takes the arguments last first
    try {
        app.parse(args);
    } catch (const CLI::Success& e) {
        return app.exit(e); // --help, --version
    } catch (const CLI::ParseError& e) {
        // One line on stderr, as GIS tools do; --help shows the rest.
        std::cerr << "qvproj: " << e.what() << "\n";
        return qvcli::kExitUsage;
    } catch (const qvcli::Failure& f) {
        std::cout.flush();
        std::cerr << "qvproj: " << f.message << "\n";
        return f.status;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "qvproj: cannot write the output\n";
        return qvcli::kExitFailure;
    }
    return qvcli::kExitOk;
}
