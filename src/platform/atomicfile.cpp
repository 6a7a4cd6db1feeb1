// Write to a temporary name, fsync, rename, fsync the directory (POSIX).
#include "platform/atomicfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>

namespace QVProj {
namespace {

std::atomic<unsigned> g_counter{0};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a write to `path` replaces: the target of a symbolic link that
// points at an existing file, else `path` itself.
std::string Target(const char* path) {
    struct stat st;
    if (::lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path, nullptr)) {
            std::string out(real);
            std::free(real);
            return out;
        }
    }
    return path;
}

void SyncDirectory(const std::string& dir) {
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) return;
    // The new file is already in place; a file system that cannot sync a
    // directory gives no reason to report failure.
    ::fsync(dfd);
    ::close(dfd);
}

} // namespace

bool ReplaceFileAtomically(const char* path,
                           const std::function<bool(int fd, const char* tempPath)>& fill) {
    if (path == nullptr || path[0] == '\0') return false;
    const std::string target = Target(path);
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return false;

    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    // A short hidden name in the same directory, so that the rename stays on
    // one file system and a file left by a crash is easy to recognise.
    const std::string stem = (slash == std::string::npos ? std::string() : dir) + "." +
                             base.substr(0, 64) + ".tmp" + std::to_string(::getpid()) + "-";
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = stem + std::to_string(g_counter++);
        fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;

    bool ok = !replacing || ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && fill(fd, temp.c_str());
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncDirectory(dir);
    return true;
}

bool WriteFileAtomically(const char* path, const std::string& contents) {
    return ReplaceFileAtomically(
        path, [&](int fd, const char*) { return WriteAll(fd, contents.data(), contents.size()); });
}

} // namespace QVProj
