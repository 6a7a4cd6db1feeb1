// Angle text reader and writer on arbitrary input.
#include <cstdint>
#include <cstring>
#include <string>

#include "qvproj/proj.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    double d = 0;
    if (QVProj::LatLonToDegrees(text.c_str(), &d, size ? static_cast<char>(data[0]) : 'd')) {
        char buf[QVProj::DEGREES_TO_LATLON_BUFSIZE];
        int flags = size > 1 ? data[1] | (data[size - 1] << 8) : 0;
        QVProj::DegreesToLatLon(buf, d, flags, 'd', '\'', '"');
    }
    int zone;
    bool south;
    QVProj::ProjUTMZoneNameToNumber(text.c_str(), &zone, &south);
    return 0;
}
