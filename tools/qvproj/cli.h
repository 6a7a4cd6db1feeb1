// Shared pieces of the qvproj command-line tool: subcommand registration,
// exit statuses, messages, JSON output, number parsing and option helpers.
#ifndef QVPROJ_TOOLS_CLI_H
#define QVPROJ_TOOLS_CLI_H

#include <CLI/CLI.hpp>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qvcli {

// Exit statuses, as GIS tools use them: 0 every input line was read (points
// that cannot be shown are results, not errors); 1 a line was malformed or
// the work failed at run time; 2 the command line is wrong.
enum ExitStatus : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2 };

// A failure that ends the command with one line on stderr.
struct Failure {
    std::string message;
    int status;
};
// A failure at run time (input files, conversions, profile files): exit 1.
[[noreturn]] void Fail(const std::string& message);
// A wrong command line (option values, their combination, names that do
// not resolve): exit 2.
[[noreturn]] void Usage(const std::string& message);

// Each command file registers itself with a static Registrar:
//   static qvcli::Registrar reg(50, [](CLI::App& app) { ... });
// Commands are added to the application in order of their rank.
using Setup = std::function<void(CLI::App&)>;
struct Registrar {
    Registrar(int rank, Setup setup);
};
void SetupAll(CLI::App& app);

// A text the user gave, fit for a one-line message: in single quotes, cut
// to 80 characters ("..." marks the cut), control characters and bytes that
// are not printable UTF-8 escaped as \t, \n, \r or \xNN.
std::string Quote(const std::string& text);

// Minimal JSON writing.
std::string JsonString(const std::string& s);
std::string JsonNumber(double v);
// The shortest decimal text that reads back to the same double.
std::string ShortNumber(double v);
// The shortest decimal text, near `approx`, whose value x satisfies same(x):
// plain decimals where they stay short, the exponent form elsewhere.
std::string ShortestText(double approx, const std::function<bool(double)>& same);

// Names compare ignoring case, blanks and punctuation: only letters and
// digits count, in lower case ("WGS 84" and "wgs84" are the same name).
std::string NameKey(const std::string& name);

// Strict number parsing for option values and text input: decimal numbers
// only ("12", "-1.5", ".5", "1e-320"), no hexadecimal, no infinities or
// NaN, nothing before or after; a value beyond the double range fails.
bool ParseDouble(const std::string& text, double& value);
// Decimal integers that fit an int, nothing else.
bool ParseInt(const std::string& text, int& value);

// Options whose values are checked when the command line is read; a bad
// value is a usage error that names the option.
CLI::Option* AddIntOption(CLI::App* cmd, const std::string& name, int& target, int lo, int hi,
                          const std::string& description);
CLI::Option* AddNumberOption(CLI::App* cmd, const std::string& name, std::optional<double>& target,
                             const std::string& description);
// --precision: decimals of the written coordinates, 0 to 15.
CLI::Option* AddPrecisionOption(CLI::App* cmd, int& target, const std::string& description);
constexpr int kMaxPrecision = 15;

// A readable regular input file: a directory, a missing or an unreadable
// file is a run-time failure naming it.
void CheckInputFile(const std::string& path, const std::string& what);
// Reads every line of a file (or of stdin for "-"); a read error fails.
void ForEachLine(const std::string& path, const std::function<void(std::string&, long)>& line);

} // namespace qvcli

#endif
