// qvproj: command-line front end of libqvproj.
#include <cstdio>
#include <iostream>

#include "cli.h"

#ifndef QVPROJ_VERSION
#define QVPROJ_VERSION "0"
#endif

int main(int argc, char** argv) {
    CLI::App app{"qvproj: map projections, datum shifts and georeferencing from the terminal"};
    app.set_version_flag("--version", "qvproj " QVPROJ_VERSION);
    app.require_subcommand(1);
    qvcli::SetupAll(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() != 0) {
            // One line on stderr, as GIS tools do; --help shows the rest.
            std::cerr << "qvproj: " << e.what() << "\n";
            return e.get_exit_code();
        }
        return app.exit(e);
    } catch (const qvcli::Failure& f) {
        std::cout.flush();
        std::cerr << "qvproj: " << f.message << "\n";
        return 1;
    }
    return 0;
}
