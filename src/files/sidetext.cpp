// Lines, numbers and labels of the side files.
#include "files/sidetext.h"

#include <sys/stat.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "frame/text.h"
#include "platform/filecase.h"

namespace QVProj {

FilePtr OpenSideFile(const std::string& path, std::uint64_t* pSize) {
    const std::string found = FindPathIgnoringCase(path);
    if (found.empty()) return nullptr;
    FilePtr f(std::fopen(found.c_str(), "r"));
    struct stat st;
    if (!f || ::fstat(::fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    *pSize = static_cast<std::uint64_t>(st.st_size);
    return f;
}

bool LineReader::Next(std::string* pLine, bool* pNewline) {
    pLine->clear();
    if (pNewline) *pNewline = false;
    bool any = false, cut = false;
    int c;
    while ((c = std::getc(f_)) != EOF) {
        any = true;
        ++consumed_;
        if (c == '\n') {
            if (pNewline) *pNewline = true;
            break;
        }
        if (c == '\0') cut = true;
        if (c == '\r' || cut || pLine->size() >= max_) continue;
        pLine->push_back(static_cast<char>(c));
    }
    return any;
}

const char* SkipWhite(const char* p) {
    while (IsWhite(*p)) ++p;
    return p;
}

std::string TrimWhite(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsWhite(s[b])) ++b;
    while (e > b && IsWhite(s[e - 1])) --e;
    return s.substr(b, e - b);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a decimal number text that does not fit a double is too large
// (rather than too small): its first significant digit lies before the point.
bool Overflows(const char* p, const char* end) {
    long long exp10 = 0;
    bool seenDigit = false, afterPoint = false;
    for (; p < end && (IsDigit(*p) || *p == '.'); ++p) {
        if (*p == '.') {
            afterPoint = true;
        } else if (*p != '0' || seenDigit) {
            if (!seenDigit && afterPoint) return false; // 0.000ddd...: below 1
            if (!afterPoint) ++exp10;
            seenDigit = true;
        }
    }
    if (!seenDigit) return false;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        long long e = 0;
        for (; p < end && IsDigit(*p); ++p) e = e < 100000000 ? e * 10 + (*p - '0') : e;
        exp10 += negative ? -e : e;
    }
    return exp10 > 0;
}

} // namespace

std::size_t ParseNumber(const char* s, double* pValue) {
    *pValue = 0;
    const char* p = SkipWhite(s);
    const char* start = p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
        if (*p == '+' || *p == '-') return 0;
    }
    const char* end = p + std::strlen(p);
    double v = 0;
    auto res = std::from_chars(p, end, v);
    if (res.ec == std::errc::invalid_argument) return 0;
    if (res.ec == std::errc::result_out_of_range)
        v = Overflows(p, res.ptr) ? std::numeric_limits<double>::infinity() : 0.0;
    *pValue = negative ? -v : v;
    return static_cast<std::size_t>(res.ptr - start) + static_cast<std::size_t>(start - s);
}

double LeadingNumber(const char* s) {
    double v;
    ParseNumber(s, &v);
    return v;
}

int LeadingInteger(const char* s) {
    const char* p = SkipWhite(s);
    bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    long long v = 0;
    for (; IsDigit(*p); ++p) v = v <= INT_MAX ? v * 10 + (*p - '0') : v;
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

std::string FormatNumber(double v) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string out(buf, res.ptr);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool StartsWithIgnoringCase(const char* s, const char* prefix) {
    for (; *prefix; ++s, ++prefix)
        if (LowerAscii(*s) != LowerAscii(*prefix)) return false;
    return true;
}

bool SameLabel(const char* text, std::size_t n, const char* label) {
    const char* end = text + n;
    for (;;) {
        while (text < end && IsWhite(*text)) ++text;
        while (IsWhite(*label)) ++label;
        if (text == end || *label == '\0') return text == end && *label == '\0';
        if (LowerAscii(*text) != LowerAscii(*label)) return false;
        ++text, ++label;
    }
}

} // namespace QVProj
