// Small text helpers shared by the library's units.
#ifndef QVPROJ_FRAME_TEXT_H
#define QVPROJ_FRAME_TEXT_H

#include <cstddef>

namespace QVProj {

// ASCII case-insensitive comparison of two texts (null equals nothing).
bool EqualsIgnoreCase(const char* a, const char* b);
inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
// Copies src into dst of size n (n > 0), cut to fit and zero-terminated.
void CopyText(char* dst, std::size_t n, const char* src);

} // namespace QVProj

#endif
