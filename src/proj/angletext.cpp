// Angle text: degrees, minutes and seconds to decimal degrees and back.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/text.h"
#include "qvproj/proj.h"

namespace QVProj {
namespace {

// Longest number token read; longer ones fail.
constexpr std::size_t kMaxToken = 511;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads digits with an optional fraction at p. Returns false when no digit
// was read (p is left where it was); a token too long to hold fails too.
bool ReadNumber(const char*& p, double& value) {
    const char* s = p;
    int digits = 0;
    while (IsDigit(*s)) ++s, ++digits;
    if (*s == '.') {
        ++s;
        while (IsDigit(*s)) ++s, ++digits;
    }
    if (digits == 0) return false;
    std::size_t len = static_cast<std::size_t>(s - p);
    if (len > kMaxToken) return false;
    char token[kMaxToken + 1];
    std::memcpy(token, p, len);
    token[len] = '\0';
    value = std::strtod(token, nullptr);
    p = s;
    return true;
}

void SkipOneBlank(const char*& p) {
    if (*p == ' ') ++p;
}

} // namespace

bool LatLonToDegrees(const char* pText, double* pDegrees, char degreeMark) {
    if (pText == nullptr || pDegrees == nullptr) return false;
    const char* p = pText;
    double sign = 1.0;
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '+') {
        ++p;
    } else if (*p == '-') {
        sign = -1.0;
        ++p;
    }

    double sum = 0.0;
    if (!ReadNumber(p, sum)) return false;

    char lowered = LowerAscii(*p);
    bool isDegreeMark =
        *p != '\0' && (lowered == 'd' || (degreeMark != '\0' && lowered == LowerAscii(degreeMark)));
    if (isDegreeMark) {
        ++p;
        SkipOneBlank(p);
        double minutes = 0.0;
        if (ReadNumber(p, minutes)) {
            sum += minutes / 60.0;
            if (*p == '\'' || *p == 'm') {
                ++p;
                SkipOneBlank(p);
                double seconds = 0.0;
                if (ReadNumber(p, seconds)) {
                    sum += seconds / 3600.0;
                    if (*p == '"' || *p == 's') ++p;
                }
            }
        }
    }

    SkipOneBlank(p);
    switch (LowerAscii(*p)) {
    case 'n':
    case 'e':
        ++p;
        break;
    case 's':
    case 'w':
        ++p;
        sign = -1.0;
        break;
    default:
        break;
    }
    while (*p == ' ' || *p == '\t') ++p;
    if (*p != '\0') return false;
    *pDegrees = sign * sum;
    return true;
}

namespace {

// Appends formatted text to a bounded output; remembers an overflow.
struct Out {
    char* buf;
    int size;
    int len = 0;
    bool overflow = false;
    void Add(const char* fmt, double v) {
        if (overflow) return;
        int n = std::snprintf(buf + len, static_cast<std::size_t>(size - len), fmt, v);
        if (n < 0 || n >= size - len) {
            overflow = true;
            return;
        }
        len += n;
    }
    void Char(char c) {
        if (c == '\0' || overflow) return;
        if (len + 1 >= size) {
            overflow = true;
            return;
        }
        buf[len++] = c;
        buf[len] = '\0';
    }
};

} // namespace

bool DegreesToLatLon(char* pBuffer, double degrees, int flags, char degreeMark, char minuteMark,
                     char secondMark) {
    if (pBuffer == nullptr) return false;
    pBuffer[0] = '\0';
    if ((flags & DLL_PLUS) && (flags & DLL_BLANK_SIGN)) return false;
    if (!std::isfinite(degrees)) return false;

    const int p = flags & DLL_DECIMALS_MASK;
    const bool negative = degrees < 0.0;
    const double a = std::fabs(degrees);
    const bool spaces = (flags & DLL_SPACES) != 0;

    char fixed[16], padded[16];
    std::snprintf(fixed, sizeof fixed, "%%.%df", p);
    std::snprintf(padded, sizeof padded, "%%0%d.%df", p + 3, p);
    const char* lastFormat = (flags & DLL_ZERO_PAD) ? padded : fixed;

    char work[DEGREES_TO_LATLON_BUFSIZE];
    work[0] = '\0';
    Out out{work, DEGREES_TO_LATLON_BUFSIZE};

    if ((flags & DLL_PLUS) && !negative) out.Char('+');
    if ((flags & DLL_MINUS) && negative) out.Char('-');
    if ((flags & DLL_BLANK_SIGN) && !negative) out.Char(' ');

    if (flags & DLL_DECIMAL_DEGREES) {
        out.Add(fixed, a);
    } else {
        const double whole = std::floor(a);
        out.Add("%g", whole);
        out.Char(degreeMark);
        if (spaces) out.Char(' ');
        const double m = (a - whole) * 60.0;
        if (flags & DLL_DEGREES_MINUTES) {
            out.Add(lastFormat, m);
            out.Char(minuteMark);
        } else {
            const double wholeMinutes = std::floor(m);
            out.Add((flags & DLL_ZERO_PAD) ? "%02g" : "%g", wholeMinutes);
            out.Char(minuteMark);
            if (spaces) out.Char(' ');
            out.Add(lastFormat, (m - wholeMinutes) * 60.0);
            out.Char(secondMark);
        }
    }

    if (flags & DLL_HEMISPHERE) {
        if (spaces) out.Char(' ');
        if (flags & DLL_LATITUDE)
            out.Char(negative ? 'S' : 'N');
        else
            out.Char(negative ? 'W' : 'E');
    }

    if (out.overflow) return false;
    std::memcpy(pBuffer, work, static_cast<std::size_t>(out.len) + 1);
    return true;
}

} // namespace QVProj
