#include "frame/text.h"

#include <cstring>

namespace QVProj {

bool EqualsIgnoreCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return false;
    for (;; ++a, ++b) {
        if (LowerAscii(*a) != LowerAscii(*b)) return false;
        if (*a == '\0') return true;
    }
}

void CopyText(char* dst, std::size_t n, const char* src) {
    if (dst == nullptr || n == 0) return;
    std::size_t len = src ? std::strlen(src) : 0;
    if (len >= n) len = n - 1;
    if (len) std::memcpy(dst, src, len);
    dst[len] = '\0';
}

} // namespace QVProj
