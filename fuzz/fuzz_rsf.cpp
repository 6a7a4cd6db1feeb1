// The Blue Marble RSF reader on arbitrary file contents: points only with
// their flag, as many as the count says.
#include <cstdint>
#include <cstdlib>

#include "qvproj/files.h"
#include "tempfile.h"

using namespace QVProj;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzFile file("map.RSF", data, size);
    const char* path = file.path();
    GEOREF ref{};
    unsigned flags = 0;
    if (!QVProjReadBlueMarbleRSFFile(path, &ref, &flags)) std::abort(); // only memory can fail
    if (!(flags & SF_FOUND)) std::abort();
    if (flags & SF_CONTROLS) {
        if (ref.NumControls < 1 || !ref.pSrcControls || !ref.pDstControls) std::abort();
        volatile double sum = 0;
        for (int i = 0; i < ref.NumControls; ++i)
            sum = sum + ref.pSrcControls[i].y + ref.pDstControls[i].x;
    } else if (ref.pSrcControls || ref.NumControls != 0) {
        std::abort();
    }
    RefFreeControls(&ref);
    return 0;
}
