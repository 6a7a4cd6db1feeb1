// The library's load and unload hook: turns the debug log on when QVPROJLOG
// exists and writes the start and end banners.
#include "frame/report.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace QVProj {
namespace {

constexpr const char* kRule =
    "--------------------------------------------------------------------------\n";
static_assert(std::char_traits<char>::length(kRule) == 75, "74 dashes and a line feed");

// Where the log goes: c:\qvproj.log on Windows, $TMPDIR/qvproj.log (or
// /tmp/qvproj.log) elsewhere.
std::string LogPath() {
#if defined(_WIN32)
    return "c:\\qvproj.log";
#else
    const char* dir = std::getenv("TMPDIR");
    if (dir == nullptr || dir[0] == '\0') dir = "/tmp";
    std::string path(dir);
    if (path.back() != '/') path += '/';
    return path + "qvproj.log";
#endif
}

} // namespace

void LibraryAttach() {
    DebugLogSetup(std::getenv("QVPROJLOG") != nullptr, LogPath().c_str());
    if (!DebugLogIsOn()) return;
    std::time_t now = std::time(nullptr);
    DebugLog("\n%s", kRule);
    DebugLog("QVPROJ.DLL log output started at %s", std::ctime(&now));
    DebugLog("%s", kRule);
}

void LibraryDetach() {
    if (!DebugLogIsOn()) return;
    std::time_t now = std::time(nullptr);
    DebugLog("%s", kRule);
    DebugLog("QVPROJ.DLL log output ended at %s", std::ctime(&now));
    DebugLog("%s\n", kRule);
}

} // namespace QVProj

#if defined(__GNUC__)
__attribute__((constructor)) static void QVProjLoad() {
    QVProj::LibraryAttach();
}
__attribute__((destructor)) static void QVProjUnload() {
    QVProj::LibraryDetach();
}
#endif
