// Shared pieces of the qvproj command-line tool: subcommand registration,
// error exits, JSON output and number parsing.
#ifndef QVPROJ_TOOLS_CLI_H
#define QVPROJ_TOOLS_CLI_H

#include <CLI/CLI.hpp>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace qvcli {

// A failure that ends the command with one line on stderr and exit status 1.
struct Failure {
    std::string message;
};
[[noreturn]] void Fail(const std::string& message);

// Each command file registers itself with a static Registrar:
//   static qvcli::Registrar reg(50, [](CLI::App& app) { ... });
// Commands are added to the application in order of their rank.
using Setup = std::function<void(CLI::App&)>;
struct Registrar {
    Registrar(int rank, Setup setup);
};
void SetupAll(CLI::App& app);

// Minimal JSON writing.
std::string JsonString(const std::string& s);
std::string JsonNumber(double v);

// ASCII case-insensitive equality of two names.
bool SameName(const std::string& a, const std::string& b);

// Strict number parsing for option values and text input.
bool ParseDouble(const std::string& text, double& value);
bool ParseInt(const std::string& text, int& value);

} // namespace qvcli

#endif
