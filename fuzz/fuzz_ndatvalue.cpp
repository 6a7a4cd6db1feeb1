// The custom datum value reader and key escaping on arbitrary text: a value
// that reads must write and read again, and escaping must unescape back.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "datum/customdatum.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));
    QVProj::DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    if (QVProj::ParseDatumValue(text.c_str(), &p)) {
        std::string value;
        if (!QVProj::FormatDatumValue(p, &value)) std::abort();
        QVProj::DATUM2WGS84 q;
        std::memset(&q, 0, sizeof q);
        if (!QVProj::ParseDatumValue(value.c_str(), &q) || q.Method != p.Method ||
            q.Ellipsoid != p.Ellipsoid || q.bInverse != p.bInverse)
            std::abort();
    }
    if (QVProj::UnescapeDatumKey(QVProj::EscapeDatumKey(text.c_str())) != text) std::abort();
    return 0;
}
