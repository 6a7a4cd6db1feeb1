// The ESRI world-file reader on arbitrary file contents: coefficients only
// with their flag.
#include <cstdint>
#include <cstdlib>

#include "qvproj/files.h"
#include "tempfile.h"

using namespace QVProj;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzFile file("map.tfw", data, size);
    const char* path = file.path();
    GEOREF ref{};
    unsigned flags = 0;
    if (!QVProjReadESRIWorldFile(path, &ref, &flags) || !(flags & SF_FOUND)) std::abort();
    if ((flags & SF_COEFFICIENTS) != 0 != (ref.Method == RefCoefficients)) std::abort();
    if (ref.pSrcControls || ref.NumControls) std::abort();
    return 0;
}
