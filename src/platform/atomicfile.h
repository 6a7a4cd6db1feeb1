// Files written completely or not at all.
#ifndef QVPROJ_PLATFORM_ATOMICFILE_H
#define QVPROJ_PLATFORM_ATOMICFILE_H

#include <functional>
#include <string>

namespace QVProj {

// Creates or replaces the file `path` with what `fill` writes. The new file
// is made under a temporary name in the same directory and handed to `fill`
// open for reading and writing (`fd`; `tempPath` names it for code that opens
// files by name). When `fill` returns true the file is flushed to disk
// (fsync), renamed over `path`, and the directory is synced. When `fill` or
// any step fails, the temporary file is removed and `path` is untouched, even
// across a power cut. A symbolic link at `path` stays: the file it points to
// is replaced. A replaced file keeps its permission bits; a new one gets 0666
// less the umask. A directory at `path` gives false.
bool ReplaceFileAtomically(const char* path,
                           const std::function<bool(int fd, const char* tempPath)>& fill);

// ReplaceFileAtomically with `contents` as the whole file.
bool WriteFileAtomically(const char* path, const std::string& contents);

} // namespace QVProj

#endif
