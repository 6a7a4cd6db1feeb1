// UTM zone numbers, names and central meridians.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "qvproj/proj.h"

namespace QVProj {
namespace {

// Any integer zone into 1 to 60: 0 becomes 60, 61 becomes 1, -5 becomes 55.
int NormaliseZone(long long z) {
    return static_cast<int>(((z + 3599) % 60 + 60) % 60) + 1;
}

} // namespace

bool ProjUTMZoneNumberToName(int zone, bool south, char* pBuffer, int bufferSize,
                             UTMZoneNameFormat format) {
    if (pBuffer == nullptr || bufferSize < 1) return false;
    const int z = NormaliseZone(zone);
    const int c = 6 * z - 183;
    const int west = c - 3, east = c + 3;
    const char h = south ? 'S' : 'N';
    char text[64];
    switch (format) {
    case UZF_ZONE_ONLY:
        std::snprintf(text, sizeof text, "Zone %02d%c", z, h);
        break;
    case UZF_LETTER_RANGE:
        std::snprintf(text, sizeof text, "Zone %02d%c (%03d%c to %03d%c)", z, h, std::abs(west),
                      west < 0 ? 'W' : 'E', std::abs(east), east < 0 ? 'W' : 'E');
        break;
    case UZF_SIGNED_RANGE:
        std::snprintf(text, sizeof text, "Zone %02d%c (%+03d to %+03d)", z, h, west, east);
        break;
    default:
        return false;
    }
    if (static_cast<long>(std::strlen(text)) > static_cast<long>(bufferSize) - 1) return false;
    std::strcpy(pBuffer, text);
    return true;
}

bool ProjUTMZoneNameToNumber(const char* pName, int* pZone, bool* pSouth) {
    if (pName == nullptr) return false;
    const char* p = pName;
    while (*p != '\0' && !(*p >= '0' && *p <= '9') && *p != '+' && *p != '-') ++p;
    if (*p == '\0') return false;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    if (!(*p >= '0' && *p <= '9')) return false;
    // Only the value modulo 60 matters; keep it small so any run of digits reads.
    long long n = 0;
    while (*p >= '0' && *p <= '9') {
        n = (n * 10 + (*p - '0')) % 600;
        ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    const bool south = *p == 's' || *p == 'S';
    const int zone = NormaliseZone(negative ? -n : n);
    if (pZone) *pZone = zone;
    if (pSouth) *pSouth = south;
    return true;
}

int ProjUTMLonToZoneNumber(double lon) {
    // Truncate toward zero, shift by 360*360+180 so the remainder is never
    // negative, and find the 6-degree band. Longitudes without an integer
    // value (NaN, beyond the int range) have no zone: 0.
    if (!(lon > -2.0e9 && lon < 2.0e9)) return 0;
    long long whole = static_cast<long long>(lon);
    long long shifted = whole + 129780;
    long long r = ((shifted % 360) + 360) % 360;
    return static_cast<int>(r / 6 + 1);
}

double ProjUTMZoneNumberToLon(int zone) {
    return 6.0 * NormaliseZone(zone) - 183.0;
}

} // namespace QVProj
