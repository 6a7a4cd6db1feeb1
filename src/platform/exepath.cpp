// The executable's directory and case-insensitive file lookup.
#include "platform/exepath.h"

#include <filesystem>
#include <system_error>

#include "frame/text.h"

namespace QVProj {

namespace fs = std::filesystem;

std::string ExecutableDirectory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return std::string();
    return exe.parent_path().string();
}

std::string FindFileIgnoringCase(const std::string& dir, const std::string& name) {
    if (dir.empty() || name.empty()) return std::string();
    std::error_code ec;
    fs::path exact = fs::path(dir) / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    fs::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (EqualsIgnoreCase(entry.c_str(), name.c_str()) && it->is_regular_file(ec))
            return it->path().string();
    }
    return std::string();
}

} // namespace QVProj
