// Case-insensitive lookup and removal of files.
#include "platform/filecase.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "frame/text.h"

namespace QVProj {

namespace fs = std::filesystem;

std::string FindFileIgnoringCase(const std::string& dir, const std::string& name) {
    if (dir.empty() || name.empty()) return std::string();
    std::error_code ec;
    fs::path exact = fs::path(dir) / name;
    if (fs::is_regular_file(exact, ec)) return exact.string();
    std::string best;
    fs::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        std::error_code typeEc;
        if (EqualsIgnoreCase(entry.c_str(), name.c_str()) && it->is_regular_file(typeEc) &&
            (best.empty() || entry < best))
            best = entry;
    }
    return best.empty() ? std::string() : (fs::path(dir) / best).string();
}

std::string FindPathIgnoringCase(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        std::string found = FindFileIgnoringCase(".", path);
        // Keep the caller's relative form: "./map.tfw" becomes "map.tfw".
        return found.empty() ? found : found.substr(2);
    }
    return FindFileIgnoringCase(path.substr(0, slash + 1), path.substr(slash + 1));
}

bool RemoveFileIgnoringCase(const std::string& path) {
    const std::string found = FindPathIgnoringCase(path);
    if (found.empty()) return true;
    return std::remove(found.c_str()) == 0 || errno == ENOENT;
}

} // namespace QVProj
