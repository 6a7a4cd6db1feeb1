// Side-file names from an image name.
#include "files/sidenames.h"

#include <cstring>

#include "frame/text.h"
#include "qvlibw/qvlibw.h"

namespace QVProj {

std::string WithoutExtension(const char* pName) {
    std::string s(pName);
    QVDropFileExt(s.data());
    return std::string(s.c_str());
}

std::string Extension(const char* pName) {
    std::string ext(std::strlen(pName) + 1, '\0');
    QVGetFileExt(pName, ext.data());
    return std::string(ext.c_str());
}

std::string RefFileName(const char* pName) {
    const std::size_t n = std::strlen(pName);
    if (n >= 5 && EqualsIgnoreCase(pName + n - 3, "qvr")) return pName;
    return std::string(pName) + ".qvr";
}

std::string RsfFileName(const char* pName) {
    return WithoutExtension(pName) + ".RSF";
}

namespace {

// The extension's first and third characters ("tif" gives "tf").
std::string ShortExtension(const std::string& ext) {
    return std::string(1, ext[0]) + ext[2];
}

} // namespace

std::string WorldFileName(const char* pName) {
    const std::string ext = Extension(pName);
    char w = 'W';
    for (char c : ext) {
        if (c >= 'a' && c <= 'z') w = 'w';
        if (c >= 'A' && c <= 'Z') w = 'W';
    }
    if (ext.size() >= 3) return WithoutExtension(pName) + "." + ShortExtension(ext) + w;
    return std::string(pName) + w;
}

std::vector<std::string> WorldFileReadNames(const char* pName) {
    const std::string ext = Extension(pName);
    const std::string stem = WithoutExtension(pName);
    return {ext.size() >= 3 ? stem + "." + ShortExtension(ext) + "W" : stem + "W",
            std::string(pName) + "w", stem + ".WLD"};
}

} // namespace QVProj
