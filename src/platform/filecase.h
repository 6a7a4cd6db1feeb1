// File names that ignore the case of letters, as on the platform the library
// comes from: a file is found under its exact name or, failing that, under a
// name that differs only in case. Only the last component of a path is
// matched this way; directories must be named exactly.
#ifndef QVPROJ_PLATFORM_FILECASE_H
#define QVPROJ_PLATFORM_FILECASE_H

#include <cstddef>
#include <string>

namespace QVProj {

// The longest path (in bytes, without the terminating zero) that the library
// hands to the file system.
constexpr std::size_t kMaxPathLength = 4095;

// The full path of the regular file `name` in `dir`: the exact name, else the
// name that differs only in case (the first in byte order when several do).
// Empty when the directory holds no such regular file.
std::string FindFileIgnoringCase(const std::string& dir, const std::string& name);

// FindFileIgnoringCase for the last component of `path` (in the current
// directory when `path` has none).
std::string FindPathIgnoringCase(const std::string& path);

// Removes the file that FindPathIgnoringCase finds. True when it was removed
// or there was none; false when it could not be removed.
bool RemoveFileIgnoringCase(const std::string& path);

} // namespace QVProj

#endif
