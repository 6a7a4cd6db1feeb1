// The names of an image's side files.
#ifndef QVPROJ_FILES_SIDENAMES_H
#define QVPROJ_FILES_SIDENAMES_H

#include <string>
#include <vector>

namespace QVProj {

// The name without its last extension and dot (QVDropFileExt).
std::string WithoutExtension(const char* pName);
// The last extension without its dot (QVGetFileExt); empty when none.
std::string Extension(const char* pName);

// The reference file: the name as given when it ends with "qvr" (any case)
// and has at least five characters; otherwise the name plus ".qvr".
std::string RefFileName(const char* pName);
// The RSF file: the name without its extension plus ".RSF".
std::string RsfFileName(const char* pName);
// The world file written for an image: with an extension of three or more
// characters, the name without it, ".", the extension's first and third
// characters and "W"; otherwise the whole name plus "W". The "W" takes the
// case of the last letter of the extension ("map.tif" gives "map.tfw",
// "MAP.TIF" "MAP.TFW"), so that tools on case-sensitive file systems find it.
std::string WorldFileName(const char* pName);
// The names the world-file reader tries, in order.
std::vector<std::string> WorldFileReadNames(const char* pName);

} // namespace QVProj

#endif
