// The cartographic reference file reader on arbitrary file contents: what it
// hands out agrees with its flags.
#include <cstdint>
#include <cstdlib>

#include "qvproj/files.h"
#include "tempfile.h"

using namespace QVProj;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzFile file("map.tif.qvr", data, size);
    const char* path = file.path();
    PROJDATA proj;
    DatumType datum;
    DATUM2WGS84 params;
    GEOREF ref;
    unsigned flags = 0;
    const bool ok = QVProjRefFileReadEx(path, &proj, &datum, &params, &ref, &flags);
    if (!ok && (flags != 0 || ref.pSrcControls)) std::abort();
    if ((flags & SF_PROJECTION) && proj.Type == PT_UNDEFINED) std::abort();
    if ((flags & SF_COEFFICIENTS) && (ref.Method != RefCoefficients || ref.pSrcControls))
        std::abort();
    if (flags & SF_CONTROLS) {
        if (ref.NumControls < 1 || !ref.pSrcControls || !ref.pDstControls) std::abort();
        volatile double sum = 0;
        for (int i = 0; i < ref.NumControls; ++i) // every point is there
            sum = sum + ref.pSrcControls[i].x + ref.pDstControls[i].y;
    } else if (ref.pSrcControls || ref.pDstControls) {
        std::abort();
    }
    RefFreeControls(&ref);
    return 0;
}
