// The executable's directory.
#include "platform/exepath.h"

#include <filesystem>
#include <system_error>

namespace QVProj {

namespace fs = std::filesystem;

std::string ExecutableDirectory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return std::string();
    return exe.parent_path().string();
}

} // namespace QVProj
