// The profile section reader and rewriter on arbitrary file text: rewriting
// a section with the entries just read must read back the same entries, and
// every entry's value goes through the custom datum value reader.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datum/customdatum.h"
#include "datum/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* section : {"Custom Datums", "a"}) {
        QVProj::ProfileSection s = QVProj::ParseProfileSection(text, section);
        for (const std::string& e : s.entries) {
            QVProj::DATUM2WGS84 p{};
            size_t eq = e.find('=');
            QVProj::UnescapeDatumKey(e.substr(0, eq));
            if (eq != std::string::npos) QVProj::ParseDatumValue(e.c_str() + eq + 1, &p);
        }
        if (s.truncated) continue;
        const std::string out = QVProj::ReplaceProfileSection(text, section, s.entries);
        QVProj::ProfileSection again = QVProj::ParseProfileSection(out, section);
        if (again.entries != s.entries) std::abort();
    }
    return 0;
}
